#include "parser/vocabulary.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "console/encoding.h"
#include "world/game_session.h"

namespace {

std::vector<std::string> SplitWords(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream stream(text);
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

GameSession SessionInRoom(int room, int beaver_present = 0) {
  GameSession session;
  session.current_room = room;
  session.beaver_present = beaver_present;
  return session;
}

// Looks up a UTF-8 word and gives the result back in UTF-8.
std::string Canonical(const char* utf8, const GameSession& session = SessionInRoom(1)) {
  return Utf8FromCp850(CanonicalWord(Cp850(utf8), session));
}

struct ExpectedRow {
  const char* canonical;
  const char* input_forms;  // separated by blanks
};

// The synonym rows of the game in their order, the two rows that depend on
// the room left out (they are checked on their own below).
const ExpectedRow kExpectedRows[] = {
    {"quäle", "quäl"},
    {"rückgabetaste", "muenzrueckgabetaste taste münzrückgabetaste"},
    {"münzeinwurf", "einwurf"},
    {"hinein", "rein"},
    {"darunter", "drunter"},
    {"denke", "denk"},
    {"grüße", "grüß grüsse grüss begrüß begrüße begrüßen begrüss begrüsse begrüssen"},
    {"umarme", "umarm"},
    {"weg", "waldweg"},
    {"landschaft", "gegend gelände natur"},
    {"klingeln", "klingle"},
    {"bank", "holzbank"},
    {"taler", "münze"},
    {"ausgabefach", "honigausgabefach fach"},
    {"münzausgabe", "ausgabe rückgabe münzrückgabe"},
    {"tür", "türe haustür"},
    {"bäume", "bäumen"},
    {"sträucher", "sträuchern"},
    {"schafe", "schafen"},
    {"hände", "händen"},
    {"honigglas", "glas"},
    {"schlage", "box boxe boxen haue hauen hau schlag verhau verhaue verhauen prügel prügeln "
                "prügle verprügel verprügle verprügeln dresch dresche dreschen attackiere "
                "attackieren attackier"},
    {"finde", "find entdeck entdecke entdecken such suche"},
    {"objekte", "ob"},
    {"zertrete", "zertret zerstampf zerstampfe zerstampfen"},
    {"putze", "putz wisch wische wischen säuber säubern säubere"},
    {"reinige", "reinig"},
    {"kehre", "fege fegen feg kehr"},
    {"entsorge", "entsorg"},
    {"verschmutze", "verschmutz"},
    {"zerreiße", "zerreisse zerreiss zerreiß"},
    {"verscheuche", "verscheuch verjage verjag verjagen vertreib vertreibe vertreiben"},
    {"streichle", "streichel streicheln kraule kraulen"},
    {"erzähle", "berichte berichten erzähl"},
    {"pinkle", "piss pisse pissen pinkel pinklen urinier uriniere urinieren"},
    {"steige", "steig kletter klettere klettern erkletter erklettern erklettere bekletter "
               "beklettere beklettern kraxel kraxeln kraxle erklimm erklimme erklimmen"},
    {"knacke", "knack"},
    {"schlachte", "schlacht"},
    {"zerschneide", "zerschneid"},
    {"schneide", "schneid ritz ritze ritzen"},
    {"kotze", "kotz kotzen reiher reihere reihern"},
    {"lösche", "lösch"},
    {"raus", "hinaus"},
    {"west", "w westen"},
    {"nord", "n norden"},
    {"süd", "s süden"},
    {"ost", "o osten"},
    {"nordwest", "nw nordwesten"},
    {"nordost", "no nordosten"},
    {"südost", "so südosten"},
    {"südwest", "sw südwesten"},
    {"runter", "hinunter"},
    {"hoch", "hinauf rauf"},
    {"entschuldigung", "tschuldigung sorry verzeih verzeihe entschuldige"},
    {"ausgänge", "a exits"},
    {"karte", "map lagekarte übersichtskarte k"},
    {"neustart", "restart neu"},
    {"huch", "oops"},
    {"hallo", "hello tach tag huhu hi"},
    {"biberbaumarkt", "bibabaumarkt baumarkt bibermarkt markt"},
    {"nein", "nö nee"},
    {"ja", "jepp jau"},
    {"erwache", "erwach erwachen"},
    {"wecke", "weck"},
    {"berühre", "fühle fühlen fühl betast betaste betasten betatsch betatsche betatschen berühr "
                "befühl befühle befühlen"},
    {"niese", "nies niesen"},
    {"setze", "setz"},
    {"sitze", "sitz"},
    {"warte", "warten verweil verweile verweilen verharr verharre verharren rast raste rasten"},
    {"sterbe", "sterben sterb stirb verreck verrecke verrecken verstirb versterb versterbe "
               "versterben"},
    {"huste", "hust husten"},
    {"toll", "super gut klasse spitze prima geil wunderbar"},
    {"mist", "verflucht fuck verdammt scheiße scheisse scheiß kack kacke shit bullshit scheißdreck "
             "scheissdreck"},
    {"erschieße", "erschieß erschiess erschiesse"},
    {"zünde", "zünd brenn brenne brennen"},
    {"rufe", "ruf"},
    {"verlasse", "verlass"},
    {"kaufe", "kauf erwerb erwirb erwerbe erwerben"},
    {"bezahle", "bezahl zahl zahle"},
    {"töte", "erschlage erschlag erschlagen"},
    {"seufze", "seufz seufzen"},
    {"maus", "maussteuerung"},
    {"knapp", "brief"},
    {"ausführlich", "verbose"},
    {"speichern", "save speicher speichere"},
    {"laden", "restore load"},
    {"info", "credits information"},
    {"tanze", "tanz tanzen"},
    {"meditiere", "meditier meditieren"},
    {"weine", "weinen heul heule heulen flenn flenne flennen"},
    {"ersetze", "ersetz vertret vertrete vertreten"},
    {"reite", "reit"},
    {"schwinge", "schwing schwenk schwenke schwenken"},
    {"trete", "tret tritt kicke kick kicken"},
    {"probiere", "schmecke schmeck schmecken kost koste kosten probier probieren versuch versuche "
                 "versuchen"},
    {"werfe", "werf wirf schleuder schleudere schleudern schmeiss schmeisse schmeissen schmeiß "
              "schmeiße schmeißen"},
    {"biege", "knick knicke knicken bieg"},
    {"drehe", "dreh wende wend wenden"},
    {"rolle", "roll"},
    {"stelle", "stell platzier platziere platzieren plazier plaziere plazieren"},
    {"benutze", "benutz benütz benütze benützen verwende verwend verwenden gebrauche gebrauch "
                "gebrauchen"},
    {"rede", "red sprech spreche sprechen sprich"},
    {"schalte", "schalt"},
    {"klopfe", "klopf poch poche pochen"},
    {"mache", "mach"},
    {"gehe", "geh lauf laufe laufen spazier spaziere spazieren wander wandere wandern schreite "
             "schreit schreiten schleich schleiche schleichen renn renne rennen"},
    {"springe", "hüpfen hüpfe spring springen hüpf hopple hoppel hoppeln jump jumpe jumpen hops "
                "hopse hopsen"},
    {"krieche", "kriech"},
    {"quit", "q"},
    {"zeige", "zeig präsentier präsentiere präsentieren"},
    {"gebe", "gib reich reiche reichen offerier offeriere offerieren überreich überreiche "
             "überreichen"},
    {"schlafe", "schlaf schlafen schlummer schlummere schlummern dös döse dösen penn penne pennen "
                "ratz ratze ratzen"},
    {"schäle", "schäl"},
    {"esse", "ess iss iß verzehr verzehre verzehren vertilg vertilge vertilgen verspeis verspeise "
             "verspeisen verspachtel verspachtle verspachteln friss fress fresse fressen"},
    {"trinke", "trink sauf saufe saufen schlürf schlürfe schlürfen schluck schlucke schlucken"},
    {"ziehe", "zieh zerr zerre zerren rupf rupfe rupfen"},
    {"lausche", "lausch hör höre hören horch horche horchen"},
    {"repariere", "reparier"},
    {"lache", "lach lachen jubel juble jubeln prust pruste prusten"},
    {"lächle", "lächel lächeln grien griene grienen grins grinse grinsen schmunzel schmunzle "
               "schmunzeln"},
    {"bete", "bet beten"},
    {"lese", "les lies"},
    {"rauche", "rauch"},
    {"singe", "sing singen träller trällere trällern"},
    {"blöke", "blök blöken"},
    {"fluche", "fluch fluchen geifer geifere geifern"},
    {"schrubbe", "schrubb"},
    {"fütter", "füttere"},
    {"wasche", "wasch"},
    {"atme", "schnauf schnaufe schnaufen atmen"},
    {"rieche", "riech beschnüffel beschnüffele beschnüffl beschnüffle beschnüffeln schnüffel "
               "schnüffle schnüffeln beschnupper beschnuppere beschnuppern schnupper schnuppere "
               "schnuppern"},
    {"durchschreite", "durchschreit durchquer durchquere durchqueren"},
    {"zerstöre", "zerstör demolier demoliere demolieren ruinier ruiniere ruinieren verwüst "
                 "verwüste verwüsten"},
    {"bewege", "beweg verrück verrücke verrücken"},
    {"betrete", "betret betritt betreten"},
    {"durchsuche", "durchsuch durchstöber durchstöbere durchstöbern durchforsch durchforsche "
                   "durchforschen durchwühl durchwühle durchwühlen"},
    {"löse", "lös locker lockere lockern"},
    {"küsse", "küss küß küße küßen"},
    {"zeit", "time uhrzeit"},
    {"hilfe", "help hint hints tip tipp"},
    {"träume", "träum träumen"},
    {"clear", "c refresh"},
    {"dich", "mich mir dir"},
    {"schließe", "schließ schliess schliesse schliessen sperr sperre sperren verschließ "
                 "verschließe verschliess verschliesse verschließen verschliessen"},
    {"grabe", "grab buddel buddle buddeln schaufl schaufle schaufeln"},
    {"drücke", "drück"},
    {"stehe", "steh"},
    {"untersuche", "u x b prüf prüfe prüfen betracht betrachte betrachten untersuch beschreib "
                   "beschreibe beschreiben check checke checken begutacht begutachte begutachten"},
    {"schiebe", "schieb stosse stossen stoße stoß stoßen verschieb verschiebe verschieben"},
    {"frage", "frag"},
    {"inventory", "i inv invent inventar besitz"},
    {"schaue", "schau l lage beobacht beobachte beobachten guck gucke gucken sieh seh sehe sehen "
               "blick blicke blicken glotz glotze glotzen"},
    {"fange", "fang"},
    {"stecke", "steck"},
    {"lege", "leg"},
    {"arsch", "depp drecksack blödmann vollidiot schwachkopf dummkopf hohlkopf narr arschloch "
              "trottel idiot pisser penner sau schwein esel volltrottel arschgeige arschgesicht "
              "spinner drecksau sackgesicht"},
    {"diagnose", "verfassung"},
    {"nehme", "nimm nehm heb hebe heben trag trage tragen halt halte halten hol besorg besorge "
              "besorgen holen hole"},
    {"pflücke", "pflück"},
    {"gutschein", "honiggutschein schein"},
    {"wiese", "blumenwiese bienenwiese"},
    {"grashüpfer", "hüpfer"},
    {"bären", "bär braunbär waldemar"},
    {"honig", "bienenhonig"},
    {"brunnen", "steinbrunnen"},
    {"gesumme", "summen"},
    {"blumenstrauß", "strauß strauss blumenstrauss"},
    {"folge", "folg"},
    {"überquere", "überquer überschreite überschreit überschreiten"},
    {"sonnenbrille", "brille"},
    {"schafherde", "herde"},
    {"weinflasche", "flasche"},
    {"locke", "lock"},
    {"flussufer", "ufer"},
    {"hasen", "hase"},
    {"brücke", "holzbrücke"},
    {"korb", "weidenkorb"},
    {"bienen", "honigbienen"},
    {"geplätscher", "geplätschere plätschern"},
};

constexpr int kExpectedRowCount = 181;     // with the two state-dependent rows
constexpr int kExpectedInputFormCount = 732;

TEST(VocabularySynonyms, EveryInputFormMapsToTheCanonicalWordOfItsRow) {
  int forms = 0;
  for (const ExpectedRow& row : kExpectedRows) {
    for (const std::string& form : SplitWords(row.input_forms)) {
      EXPECT_EQ(Canonical(form.c_str()), row.canonical) << "input form " << form;
      ++forms;
    }
  }
  EXPECT_EQ(forms + 2, kExpectedInputFormCount);
}

TEST(VocabularySynonyms, HoldsExactlyTheRowsOfTheGameInOrder) {
  const std::vector<SynonymRow>& rows = SynonymRows();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kExpectedRowCount));
  std::size_t expected = 0;
  int forms = 0;
  for (const SynonymRow& row : rows) {
    forms += static_cast<int>(row.input_forms.size());
    if (row.rule == SynonymRule::kStandByRoom) {
      EXPECT_EQ(row.input_forms, std::vector<std::string>{"stand"});
      continue;
    }
    if (row.rule == SynonymRule::kAnzugWhileBeaverThere) {
      EXPECT_EQ(row.input_forms, std::vector<std::string>{"anzug"});
      continue;
    }
    ASSERT_LT(expected, std::size(kExpectedRows));
    const ExpectedRow& want = kExpectedRows[expected++];
    EXPECT_EQ(Utf8FromCp850(row.canonical), want.canonical);
    std::vector<std::string> got;
    for (const std::string& form : row.input_forms) got.push_back(Utf8FromCp850(form));
    EXPECT_EQ(got, SplitWords(want.input_forms)) << "row " << want.canonical;
  }
  EXPECT_EQ(expected, std::size(kExpectedRows));
  EXPECT_EQ(forms, kExpectedInputFormCount);
}

TEST(VocabularySynonyms, NoInputFormIsInTwoRows) {
  std::set<std::string> seen;
  for (const SynonymRow& row : SynonymRows()) {
    for (const std::string& form : row.input_forms) {
      EXPECT_TRUE(seen.insert(form).second) << Utf8FromCp850(form);
    }
  }
}

TEST(VocabularySynonyms, CanonicalWordsAreNotLookedUpAgain) {
  for (const SynonymRow& row : SynonymRows()) {
    if (row.rule != SynonymRule::kFixed) continue;
    EXPECT_EQ(CanonicalWord(row.canonical, SessionInRoom(1)), row.canonical)
        << Utf8FromCp850(row.canonical);
  }
  // The state-dependent results are canonical too.
  EXPECT_EQ(Canonical("honigstand", SessionInRoom(8)), "honigstand");
  EXPECT_EQ(Canonical("schlüsseldienst", SessionInRoom(6)), "schlüsseldienst");
  EXPECT_EQ(Canonical("hosenanzug", SessionInRoom(8, 1)), "hosenanzug");
}

TEST(VocabularySynonyms, WordsInNoRowComeBackUnchanged) {
  EXPECT_EQ(Canonical("korb"), "korb");
  EXPECT_EQ(Canonical("xyz"), "xyz");
  EXPECT_EQ(Canonical(""), "");
  // Only whole input forms are found.
  EXPECT_EQ(Canonical("nim"), "nim");
  EXPECT_EQ(Canonical("nimmt"), "nimmt");
  EXPECT_EQ(Canonical("nimm korb"), "nimm korb");
}

TEST(VocabularySynonyms, CommonWordsThatAreAbbreviationsChangeMeaning) {
  EXPECT_EQ(Canonical("so"), "südost");
  EXPECT_EQ(Canonical("no"), "nordost");
  EXPECT_EQ(Canonical("tag"), "hallo");
  EXPECT_EQ(Canonical("gut"), "toll");
  EXPECT_EQ(Canonical("lage"), "schaue");
  EXPECT_EQ(Canonical("halt"), "nehme");
  EXPECT_EQ(Canonical("trag"), "nehme");
  EXPECT_EQ(Canonical("neu"), "neustart");
}

TEST(VocabularySynonyms, NearSynonymsGoToTheirOwnRow) {
  EXPECT_EQ(Canonical("schleichen"), "gehe");
  EXPECT_EQ(Canonical("kosten"), "probiere");
  EXPECT_EQ(Canonical("verrücken"), "bewege");
  // "hole" is a verb of its own as well, but the table reads it as "nehme".
  EXPECT_EQ(Canonical("hole"), "nehme");
  EXPECT_TRUE(IsVerb(Cp850("hole")));
  EXPECT_EQ(Canonical("zerreiß"), "zerreiße");
  EXPECT_EQ(Canonical("zerreiss"), "zerreiße");
  EXPECT_EQ(Canonical("zerreisse"), "zerreiße");
  EXPECT_EQ(Canonical("mir"), "dich");
  EXPECT_EQ(Canonical("verdammt"), "mist");
  EXPECT_EQ(Canonical("trottel"), "arsch");
}

TEST(VocabularySynonyms, SomeCanonicalWordsAreInNoWordClass) {
  // The classifier reports these as unknown, naming the canonical word.
  EXPECT_EQ(Canonical("knack"), "knacke");
  EXPECT_EQ(Canonical("schlacht"), "schlachte");
  std::set<std::string> classless;
  for (const SynonymRow& row : SynonymRows()) {
    const std::string& word = row.canonical;
    if (row.rule != SynonymRule::kFixed) continue;
    if (IsPreposition(word) || IsVerb(word) || IsSpecialCommand(word) || IsCommentWord(word) ||
        IsDirection(word) || NounGender(word) != 0) {
      continue;
    }
    classless.insert(Utf8FromCp850(word));
  }
  EXPECT_EQ(classless, (std::set<std::string>{"hände", "knacke", "schlachte"}));
}

TEST(VocabularySynonyms, StandDependsOnTheRoom) {
  EXPECT_EQ(Canonical("stand", SessionInRoom(6)), "honigstand");
  EXPECT_EQ(Canonical("stand", SessionInRoom(8)), "schlüsseldienst");
  EXPECT_EQ(Canonical("stand", SessionInRoom(8, 1)), "schlüsseldienst");
  EXPECT_EQ(Canonical("stand", SessionInRoom(7)), "stand");
  EXPECT_EQ(Canonical("stand", SessionInRoom(1)), "stand");
  EXPECT_EQ(NounGender(Cp850("stand")), 1);
}

TEST(VocabularySynonyms, AnzugIsTheBeaversSuitOnlyWhileHeIsAtHisStand) {
  EXPECT_EQ(Canonical("anzug", SessionInRoom(8, 1)), "hosenanzug");
  EXPECT_EQ(Canonical("anzug", SessionInRoom(8, 0)), "anzug");
  EXPECT_EQ(Canonical("anzug", SessionInRoom(6, 1)), "anzug");
  EXPECT_EQ(Canonical("anzug", SessionInRoom(1, 0)), "anzug");
}

struct ExpectedList {
  WordList list;
  std::size_t size;
  const char* text;  // the stored list string
};

const ExpectedList kExpectedLists[] = {
    {WordList::kPrepositions, 26,
     " richtung durch im nach um von vom auf hin hinter unter in ins an gegen zu aus ab darunter "
     "hinein dahinter dagegen daran hindurch über ein "},
    {WordList::kVerbs1, 30,
     " mache gehe durchschreite bewache benutze rieche lese entferne stelle klopfe streichle "
     "gebe schließe schlage töte finde esse trinke erzähle drücke untersuche schaue nehme öffne "
     "lege frage erschieße rauche kitzle bezahle "},
    {WordList::kVerbs2, 32,
     " drehe berühre bewege durchsuche zerstöre schneide schalte werfe kehre schiebe betrete "
     "lausche ziehe trete küsse grabe probiere steige reite löse ersetze stehe zeige rufe "
     "verlasse wasche schrubbe fütter fange entsorge zerreiße stecke "},
    {WordList::kVerbs3, 32,
     " grüße umarme biege hole setze wecke schwinge zertrete rede quäle denke zünde entzünde "
     "krieche lösche schäle kaufe rolle vernasche putze reinige zerschneide pflücke verscheuche "
     "folge überquere locke springe sitze repariere verseuche verschmutze "},
    {WordList::kSpecialCommands1, 21,
     " huch clear ende quit punkte score i inventory z warte info hilfe schlafe singe blöke "
     "objekte träume fluche züge lösung meldung "},
    {WordList::kSpecialCommands2, 21,
     " neustart hinweise befehle g again nochmal tanze kotze stöhne seufze knapp ausführlich "
     "lächle lache bete speichern laden weine pinkle atme sterbe "},
    {WordList::kSpecialCommands3, 14,
     " diagnose niese huste karte ausgänge version hintergrund meditiere erwache zeit maus "
     "klingeln läute läuten "},
    {WordList::kCommentWords, 18,
     " danke okay ok hallo doch ja nein arsch deshalb darum warum weshalb weswegen wieso "
     "entschuldigung jein toll mist "},
    {WordList::kDirections, 11,
     " nord süd west ost nordwest nordost südwest südost raus hoch runter "},
    {WordList::kMasculineNouns1, 31,
     " dich boden baum weg wald besen waldeingang gutschein rasen grashüpfer hut bären bär "
     "honigstand fluss honig deckel brunnen frosch blumenstrauß wolf anzug biberbaumarkt "
     "spielzeugladen biber korb mund kuchen wein schlüssel wegesrand "},
    {WordList::kMasculineNouns2, 21,
     " papa papi vati vater malkasten koffer schatten fuchs schneider hasen wind stand "
     "schlüsseldienst hosenanzug specht turm himmel regenschirm honigautomat münzeinwurf taler "},
    {WordList::kFeminineNouns, 32,
     " sonne landschaft bank zeitung wiese kugel kröte brücke krawatte sonnenbrille brille "
     "zigarre oma großmutter omi schafherde tür haube weinflasche gans mama mutter mutti mami "
     "kappe fliege mücke lampe hexe lichtung rückgabetaste münzausgabe "},
    {WordList::kNeuterNouns, 23,
     " licht gestrüpp gebüsch grünzeug messer gesumme honigglas brot gras schaf haus bett "
     "flussufer geplätscher schweinchen geißlein käppchen schild wasser fell schloss fenster "
     "ausgabefach "},
    {WordList::kSieNouns, 8,
     " bäume sträucher blumen bienen schafe matte klingel strickleiter "},
    {WordList::kAdjectives, 31,
     " schmale alte heutige emsige riesige braune saftige dichte böse rote schöne zahllose "
     "leckere steinerne grüne eklige goldene dicke graue dunkle kleine ratlose trockene hohe "
     "verbogene zerrissene schwarze orange orangene orangefarbene dunkelgraue "},
    {WordList::kFillerWords, 8, " dann danach nun bitte jetzt ich sofort gleich "},
    {WordList::kInfinitiveParticles, 12,
     " zu an ab um auf hin aus nach hinein hindurch ein durch "},
};

TEST(VocabularyWordLists, HoldTheWordsOfTheGameInTheirStoredOrder) {
  for (const ExpectedList& want : kExpectedLists) {
    const auto index = static_cast<int>(want.list);
    EXPECT_EQ(WordListWords(want.list).size(), want.size) << "list " << index;
    EXPECT_EQ(Utf8FromCp850(WordListString(want.list)), want.text) << "list " << index;
  }
}

TEST(VocabularyWordLists, EachStoredListFitsItsTextField) {
  for (const ExpectedList& want : kExpectedLists) {
    EXPECT_LE(WordListString(want.list).size(), 255u) << static_cast<int>(want.list);
  }
}

TEST(VocabularyWordLists, NoWordIsInTwoLists) {
  std::set<std::string> seen;
  for (const ExpectedList& want : kExpectedLists) {
    if (want.list == WordList::kInfinitiveParticles) continue;  // particles are prepositions too
    for (const std::string& word : WordListWords(want.list)) {
      EXPECT_TRUE(seen.insert(word).second) << Utf8FromCp850(word);
    }
  }
}

TEST(VocabularyWordLists, MembershipIsByWholeWordOnly) {
  EXPECT_TRUE(IsDirection(Cp850("nord")));
  EXPECT_TRUE(IsDirection(Cp850("runter")));
  EXPECT_FALSE(IsDirection(Cp850("nor")));
  EXPECT_FALSE(IsDirection(Cp850("ord")));
  EXPECT_FALSE(IsDirection(Cp850("nordwe")));
  EXPECT_FALSE(IsDirection(Cp850("norden")));
  EXPECT_FALSE(IsDirection(Cp850("no")));
  EXPECT_FALSE(IsDirection(""));
  EXPECT_FALSE(IsVerb(""));
  EXPECT_FALSE(IsVerb(Cp850("nehm")));
  EXPECT_FALSE(IsVerb(Cp850("nehmen")));
  EXPECT_FALSE(IsPreposition(Cp850("i")));
  EXPECT_TRUE(IsPreposition(Cp850("in")));
  EXPECT_TRUE(IsPreposition(Cp850("über")));
  EXPECT_FALSE(IsPreposition(Cp850("mit")));
  EXPECT_FALSE(IsPreposition(Cp850("und")));
  EXPECT_EQ(NounGender(Cp850("bau")), 0);
  EXPECT_EQ(NounGender(Cp850("baume")), 0);
  EXPECT_EQ(NounGender(""), 0);
}

TEST(VocabularyWordLists, VerbsAndSpecialCommandsAreFoundInEachOfTheirLists) {
  for (const char* verb : {"mache", "bezahle", "drehe", "stecke", "grüße", "verschmutze"}) {
    EXPECT_TRUE(IsVerb(Cp850(verb))) << verb;
  }
  for (const char* command : {"huch", "meldung", "neustart", "sterbe", "diagnose", "läuten"}) {
    EXPECT_TRUE(IsSpecialCommand(Cp850(command))) << command;
  }
  EXPECT_FALSE(IsVerb(Cp850("warte")));
  EXPECT_TRUE(IsSpecialCommand(Cp850("warte")));
  EXPECT_FALSE(IsSpecialCommand(Cp850("nehme")));
}

TEST(VocabularyWordLists, NounGenders) {
  EXPECT_EQ(NounGender(Cp850("dich")), 1);
  EXPECT_EQ(NounGender(Cp850("wegesrand")), 1);
  EXPECT_EQ(NounGender(Cp850("papa")), 1);
  EXPECT_EQ(NounGender(Cp850("taler")), 1);
  EXPECT_EQ(NounGender(Cp850("sonne")), 2);
  EXPECT_EQ(NounGender(Cp850("münzausgabe")), 2);
  EXPECT_EQ(NounGender(Cp850("licht")), 3);
  EXPECT_EQ(NounGender(Cp850("geißlein")), 3);
  EXPECT_EQ(NounGender(Cp850("ausgabefach")), 3);
  EXPECT_EQ(NounGender(Cp850("bäume")), 2);
  EXPECT_EQ(NounGender(Cp850("strickleiter")), 2);
  EXPECT_EQ(NounGender(Cp850("korb")), 1);
  EXPECT_EQ(NounGender(Cp850("nehme")), 0);
}

TEST(VocabularyWordLists, SieNounsAreTheirOwnList) {
  for (const char* noun : {"bäume", "sträucher", "blumen", "bienen", "schafe", "matte", "klingel",
                           "strickleiter"}) {
    EXPECT_TRUE(IsSieNoun(Cp850(noun))) << noun;
  }
  EXPECT_FALSE(IsSieNoun(Cp850("tür")));
  EXPECT_FALSE(IsSieNoun(Cp850("schaf")));
  EXPECT_FALSE(IsSieNoun(Cp850("baum")));
}

TEST(VocabularyAdjectives, BaseFormOrBaseFormWithOneEnding) {
  auto base = [](const char* word) { return Utf8FromCp850(AdjectiveBase(Cp850(word))); };
  EXPECT_EQ(base("alte"), "alte");
  EXPECT_EQ(base("altes"), "alte");
  EXPECT_EQ(base("alten"), "alte");
  EXPECT_EQ(base("altem"), "alte");
  EXPECT_EQ(base("alter"), "alte");
  EXPECT_EQ(base("böser"), "böse");
  EXPECT_EQ(base("großen"), "");
  EXPECT_EQ(base("altex"), "");
  EXPECT_EQ(base("altere"), "");
  EXPECT_EQ(base("altens"), "");
  EXPECT_EQ(base("alt"), "");
  EXPECT_EQ(base(""), "");
  EXPECT_EQ(base("korb"), "");
}

TEST(VocabularyAdjectives, TheLongestBaseFormWins) {
  auto base = [](const char* word) { return Utf8FromCp850(AdjectiveBase(Cp850(word))); };
  EXPECT_EQ(base("orange"), "orange");
  EXPECT_EQ(base("orangen"), "orange");
  EXPECT_EQ(base("oranges"), "orange");
  EXPECT_EQ(base("orangene"), "orangene");
  EXPECT_EQ(base("orangenen"), "orangene");
  EXPECT_EQ(base("orangefarbenes"), "orangefarbene");
  EXPECT_EQ(base("orangefarben"), "");
  EXPECT_EQ(base("dunkelgrauen"), "dunkelgraue");
  EXPECT_EQ(base("dunkler"), "dunkle");
}

TEST(VocabularyOtherWords, FillerWordsAndInfinitiveParticles) {
  for (const char* word : {"dann", "danach", "nun", "bitte", "jetzt", "ich", "sofort", "gleich"}) {
    EXPECT_TRUE(IsFillerWord(Cp850(word))) << word;
  }
  EXPECT_FALSE(IsFillerWord(Cp850("und")));
  EXPECT_FALSE(IsFillerWord(Cp850("ic")));
  EXPECT_TRUE(IsInfinitiveParticle(Cp850("hindurch")));
  EXPECT_TRUE(IsInfinitiveParticle(Cp850("ein")));
  EXPECT_FALSE(IsInfinitiveParticle(Cp850("über")));
  EXPECT_FALSE(IsInfinitiveParticle(Cp850("hinter")));
  EXPECT_FALSE(IsInfinitiveParticle(Cp850("durc")));
}

TEST(VocabularyCommentReplies, EachCommentWordHasItsReply) {
  const std::pair<const char*, const char*> expected[] = {
      {"jein", "Genau! Oder auch nicht!"},
      {"entschuldigung", "Macht nichts."},
      {"danke", "Gern geschehen!"},
      {"okay", "Okay."},
      {"ok", "Okay."},
      {"mist", "Kein Kommentar hierzu."},
      {"toll", "Danke."},
      {"hallo", "Ja, hallo!"},
      {"ja", "Schön, dass du zustimmst!"},
      {"nein", "Dann nicht."},
      {"weshalb", "Sprichst du wieder mit dir selbst?"},
      {"warum", "Sprichst du wieder mit dir selbst?"},
      {"wieso", "Sprichst du wieder mit dir selbst?"},
      {"weswegen", "Sprichst du wieder mit dir selbst?"},
      {"deshalb", "Sprichst du wieder mit dir selbst?"},
      {"darum", "Sprichst du wieder mit dir selbst?"},
      {"arsch", "Beschimpfungen helfen dir nicht weiter."},
      {"doch", "Nein, ehrlich nicht!"},
  };
  for (const auto& [word, reply] : expected) {
    EXPECT_TRUE(IsCommentWord(Cp850(word))) << word;
    EXPECT_EQ(Utf8FromCp850(CommentReply(Cp850(word))), reply) << word;
  }
  EXPECT_EQ(std::size(expected), WordListWords(WordList::kCommentWords).size());
  EXPECT_EQ(CommentReply(Cp850("korb")), "");
  EXPECT_EQ(CommentReply(""), "");
}

TEST(VocabularyCommentReplies, AllButJeinCountAMove) {
  for (const std::string& word : WordListWords(WordList::kCommentWords)) {
    EXPECT_EQ(CommentReplyCountsMove(word), word != "jein") << Utf8FromCp850(word);
  }
  EXPECT_FALSE(CommentReplyCountsMove(Cp850("korb")));
}

TEST(VocabularyCommentReplies, SwearWordsAndInsultsReachTheirReplies) {
  const GameSession session = SessionInRoom(1);
  EXPECT_EQ(Utf8FromCp850(CommentReply(CanonicalWord(Cp850("verdammt"), session))),
            "Kein Kommentar hierzu.");
  EXPECT_EQ(Utf8FromCp850(CommentReply(CanonicalWord(Cp850("scheiße"), session))),
            "Kein Kommentar hierzu.");
  EXPECT_EQ(Utf8FromCp850(CommentReply(CanonicalWord(Cp850("trottel"), session))),
            "Beschimpfungen helfen dir nicht weiter.");
  EXPECT_EQ(Utf8FromCp850(CommentReply(CanonicalWord(Cp850("tschuldigung"), session))),
            "Macht nichts.");
}

}  // namespace
