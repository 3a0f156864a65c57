#include "parser/vocabulary.h"

#include <array>
#include <cstddef>
#include <unordered_map>
#include <utility>

#include "world/encoding.h"
#include "world/game_session.h"

namespace {

struct SourceRow {
  std::string_view canonical;
  std::vector<std::string_view> input_forms;
  SynonymRule rule = SynonymRule::kFixed;
};

std::vector<SynonymRow> BuildSynonymRows() {
  // Each input form maps to the canonical word of its row; no form is in two rows.
  const std::vector<SourceRow> source = {
      {"quäle", {"quäl"}},
      {"rückgabetaste", {"muenzrueckgabetaste", "taste", "münzrückgabetaste"}},
      {"münzeinwurf", {"einwurf"}},
      {"hinein", {"rein"}},
      {"darunter", {"drunter"}},
      {"denke", {"denk"}},
      {"grüße", {"grüß", "grüsse", "grüss", "begrüß", "begrüße", "begrüßen", "begrüss", "begrüsse", "begrüssen"}},
      {"umarme", {"umarm"}},
      {"weg", {"waldweg"}},
      {"landschaft", {"gegend", "gelände", "natur"}},
      {"klingeln", {"klingle"}},
      {"bank", {"holzbank"}},
      {"taler", {"münze"}},
      {"ausgabefach", {"honigausgabefach", "fach"}},
      {"münzausgabe", {"ausgabe", "rückgabe", "münzrückgabe"}},
      {"tür", {"türe", "haustür"}},
      {"bäume", {"bäumen"}},
      {"sträucher", {"sträuchern"}},
      {"schafe", {"schafen"}},
      {"hände", {"händen"}},
      {"honigglas", {"glas"}},
      {"schlage",
       {"box",     "boxe",     "boxen",    "haue",       "hauen",       "hau",       "schlag",    "verhau",
        "verhaue", "verhauen", "prügel",   "prügeln",    "prügle",      "verprügel", "verprügle", "verprügeln",
        "dresch",  "dresche",  "dreschen", "attackiere", "attackieren", "attackier"}},
      {"finde", {"find", "entdeck", "entdecke", "entdecken", "such", "suche"}},
      {"objekte", {"ob"}},
      {"zertrete", {"zertret", "zerstampf", "zerstampfe", "zerstampfen"}},
      {"putze", {"putz", "wisch", "wische", "wischen", "säuber", "säubern", "säubere"}},
      {"reinige", {"reinig"}},
      {"kehre", {"fege", "fegen", "feg", "kehr"}},
      {"entsorge", {"entsorg"}},
      {"verschmutze", {"verschmutz"}},
      {"zerreiße", {"zerreisse", "zerreiss", "zerreiß"}},
      {"verscheuche", {"verscheuch", "verjage", "verjag", "verjagen", "vertreib", "vertreibe", "vertreiben"}},
      {"streichle", {"streichel", "streicheln", "kraule", "kraulen"}},
      {"erzähle", {"berichte", "berichten", "erzähl"}},
      {"pinkle", {"piss", "pisse", "pissen", "pinkel", "pinklen", "urinier", "uriniere", "urinieren"}},
      {"steige",
       {"steig", "kletter", "klettere", "klettern", "erkletter", "erklettern", "erklettere", "bekletter", "beklettere",
        "beklettern", "kraxel", "kraxeln", "kraxle", "erklimm", "erklimme", "erklimmen"}},
      {"knacke", {"knack"}},
      {"schlachte", {"schlacht"}},
      {"zerschneide", {"zerschneid"}},
      {"schneide", {"schneid", "ritz", "ritze", "ritzen"}},
      {"kotze", {"kotz", "kotzen", "reiher", "reihere", "reihern"}},
      {"lösche", {"lösch"}},
      {"raus", {"hinaus"}},
      {"west", {"w", "westen"}},
      {"nord", {"n", "norden"}},
      {"süd", {"s", "süden"}},
      {"ost", {"o", "osten"}},
      {"nordwest", {"nw", "nordwesten"}},
      {"nordost", {"no", "nordosten"}},
      {"südost", {"so", "südosten"}},
      {"südwest", {"sw", "südwesten"}},
      {"runter", {"hinunter"}},
      {"hoch", {"hinauf", "rauf"}},
      {"entschuldigung", {"tschuldigung", "sorry", "verzeih", "verzeihe", "entschuldige"}},
      {"ausgänge", {"a", "exits"}},
      {"karte", {"map", "lagekarte", "übersichtskarte", "k"}},
      {"neustart", {"restart", "neu"}},
      {"huch", {"oops"}},
      {"hallo", {"hello", "tach", "tag", "huhu", "hi"}},
      {"biberbaumarkt", {"bibabaumarkt", "baumarkt", "bibermarkt", "markt"}},
      {"nein", {"nö", "nee"}},
      {"ja", {"jepp", "jau"}},
      {"erwache", {"erwach", "erwachen"}},
      {"wecke", {"weck"}},
      {"berühre",
       {"fühle", "fühlen", "fühl", "betast", "betaste", "betasten", "betatsch", "betatsche", "betatschen", "berühr",
        "befühl", "befühle", "befühlen"}},
      {"niese", {"nies", "niesen"}},
      {"setze", {"setz"}},
      {"sitze", {"sitz"}},
      {"warte",
       {"warten", "verweil", "verweile", "verweilen", "verharr", "verharre", "verharren", "rast", "raste", "rasten"}},
      {"sterbe",
       {"sterben", "sterb", "stirb", "verreck", "verrecke", "verrecken", "verstirb", "versterb", "versterbe",
        "versterben"}},
      {"huste", {"hust", "husten"}},
      {"toll", {"super", "gut", "klasse", "spitze", "prima", "geil", "wunderbar"}},
      {"mist",
       {"verflucht", "fuck", "verdammt", "scheiße", "scheisse", "scheiß", "kack", "kacke", "shit", "bullshit",
        "scheißdreck", "scheissdreck"}},
      {"erschieße", {"erschieß", "erschiess", "erschiesse"}},
      {"zünde", {"zünd", "brenn", "brenne", "brennen"}},
      {"rufe", {"ruf"}},
      {"verlasse", {"verlass"}},
      {"kaufe", {"kauf", "erwerb", "erwirb", "erwerbe", "erwerben"}},
      {"bezahle", {"bezahl", "zahl", "zahle"}},
      {"töte", {"erschlage", "erschlag", "erschlagen"}},
      {"seufze", {"seufz", "seufzen"}},
      {"maus", {"maussteuerung"}},
      {"knapp", {"brief"}},
      {"ausführlich", {"verbose"}},
      {"speichern", {"save", "speicher", "speichere"}},
      {"laden", {"restore", "load"}},
      {"info", {"credits", "information"}},
      {"tanze", {"tanz", "tanzen"}},
      {"meditiere", {"meditier", "meditieren"}},
      {"weine", {"weinen", "heul", "heule", "heulen", "flenn", "flenne", "flennen"}},
      {"ersetze", {"ersetz", "vertret", "vertrete", "vertreten"}},
      {"reite", {"reit"}},
      {"schwinge", {"schwing", "schwenk", "schwenke", "schwenken"}},
      {"trete", {"tret", "tritt", "kicke", "kick", "kicken"}},
      {"probiere",
       {"schmecke", "schmeck", "schmecken", "kost", "koste", "kosten", "probier", "probieren", "versuch", "versuche",
        "versuchen"}},
      {"werfe",
       {"werf", "wirf", "schleuder", "schleudere", "schleudern", "schmeiss", "schmeisse", "schmeissen", "schmeiß",
        "schmeiße", "schmeißen"}},
      {"biege", {"knick", "knicke", "knicken", "bieg"}},
      {"drehe", {"dreh", "wende", "wend", "wenden"}},
      {"rolle", {"roll"}},
      {"stelle", {"stell", "platzier", "platziere", "platzieren", "plazier", "plaziere", "plazieren"}},
      {"benutze",
       {"benutz", "benütz", "benütze", "benützen", "verwende", "verwend", "verwenden", "gebrauche", "gebrauch",
        "gebrauchen"}},
      {"rede", {"red", "sprech", "spreche", "sprechen", "sprich"}},
      {"schalte", {"schalt"}},
      {"klopfe", {"klopf", "poch", "poche", "pochen"}},
      {"mache", {"mach"}},
      {"gehe",
       {"geh", "lauf", "laufe", "laufen", "spazier", "spaziere", "spazieren", "wander", "wandere", "wandern",
        "schreite", "schreit", "schreiten", "schleich", "schleiche", "schleichen", "renn", "renne", "rennen"}},
      {"springe",
       {"hüpfen", "hüpfe", "spring", "springen", "hüpf", "hopple", "hoppel", "hoppeln", "jump", "jumpe", "jumpen",
        "hops", "hopse", "hopsen"}},
      {"krieche", {"kriech"}},
      {"quit", {"q"}},
      {"zeige", {"zeig", "präsentier", "präsentiere", "präsentieren"}},
      {"gebe",
       {"gib", "reich", "reiche", "reichen", "offerier", "offeriere", "offerieren", "überreich", "überreiche",
        "überreichen"}},
      {"schlafe",
       {"schlaf", "schlafen", "schlummer", "schlummere", "schlummern", "dös", "döse", "dösen", "penn", "penne",
        "pennen", "ratz", "ratze", "ratzen"}},
      {"schäle", {"schäl"}},
      {"esse",
       {"ess", "iss", "iß", "verzehr", "verzehre", "verzehren", "vertilg", "vertilge", "vertilgen", "verspeis",
        "verspeise", "verspeisen", "verspachtel", "verspachtle", "verspachteln", "friss", "fress", "fresse",
        "fressen"}},
      {"trinke",
       {"trink", "sauf", "saufe", "saufen", "schlürf", "schlürfe", "schlürfen", "schluck", "schlucke", "schlucken"}},
      {"ziehe", {"zieh", "zerr", "zerre", "zerren", "rupf", "rupfe", "rupfen"}},
      {"lausche", {"lausch", "hör", "höre", "hören", "horch", "horche", "horchen"}},
      {"repariere", {"reparier"}},
      {"lache", {"lach", "lachen", "jubel", "juble", "jubeln", "prust", "pruste", "prusten"}},
      {"lächle",
       {"lächel", "lächeln", "grien", "griene", "grienen", "grins", "grinse", "grinsen", "schmunzel", "schmunzle",
        "schmunzeln"}},
      {"bete", {"bet", "beten"}},
      {"lese", {"les", "lies"}},
      {"rauche", {"rauch"}},
      {"singe", {"sing", "singen", "träller", "trällere", "trällern"}},
      {"blöke", {"blök", "blöken"}},
      {"fluche", {"fluch", "fluchen", "geifer", "geifere", "geifern"}},
      {"schrubbe", {"schrubb"}},
      {"fütter", {"füttere"}},
      {"wasche", {"wasch"}},
      {"atme", {"schnauf", "schnaufe", "schnaufen", "atmen"}},
      {"rieche",
       {"riech", "beschnüffel", "beschnüffele", "beschnüffl", "beschnüffle", "beschnüffeln", "schnüffel", "schnüffle",
        "schnüffeln", "beschnupper", "beschnuppere", "beschnuppern", "schnupper", "schnuppere", "schnuppern"}},
      {"durchschreite", {"durchschreit", "durchquer", "durchquere", "durchqueren"}},
      {"zerstöre",
       {"zerstör", "demolier", "demoliere", "demolieren", "ruinier", "ruiniere", "ruinieren", "verwüst", "verwüste",
        "verwüsten"}},
      {"bewege", {"beweg", "verrück", "verrücke", "verrücken"}},
      {"betrete", {"betret", "betritt", "betreten"}},
      {"durchsuche",
       {"durchsuch", "durchstöber", "durchstöbere", "durchstöbern", "durchforsch", "durchforsche", "durchforschen",
        "durchwühl", "durchwühle", "durchwühlen"}},
      {"löse", {"lös", "locker", "lockere", "lockern"}},
      {"küsse", {"küss", "küß", "küße", "küßen"}},
      {"zeit", {"time", "uhrzeit"}},
      {"hilfe", {"help", "hint", "hints", "tip", "tipp"}},
      {"träume", {"träum", "träumen"}},
      {"clear", {"c", "refresh"}},
      {"dich", {"mich", "mir", "dir"}},
      {"schließe",
       {"schließ", "schliess", "schliesse", "schliessen", "sperr", "sperre", "sperren", "verschließ", "verschließe",
        "verschliess", "verschliesse", "verschließen", "verschliessen"}},
      {"grabe", {"grab", "buddel", "buddle", "buddeln", "schaufl", "schaufle", "schaufeln"}},
      {"drücke", {"drück"}},
      {"stehe", {"steh"}},
      {"untersuche",
       {"u", "x", "b", "prüf", "prüfe", "prüfen", "betracht", "betrachte", "betrachten", "untersuch", "beschreib",
        "beschreibe", "beschreiben", "check", "checke", "checken", "begutacht", "begutachte", "begutachten"}},
      {"schiebe", {"schieb", "stosse", "stossen", "stoße", "stoß", "stoßen", "verschieb", "verschiebe", "verschieben"}},
      {"frage", {"frag"}},
      {"inventory", {"i", "inv", "invent", "inventar", "besitz"}},
      {"schaue",
       {"schau", "l", "lage", "beobacht", "beobachte", "beobachten", "guck", "gucke", "gucken", "sieh", "seh", "sehe",
        "sehen", "blick", "blicke", "blicken", "glotz", "glotze", "glotzen"}},
      {"fange", {"fang"}},
      {"stecke", {"steck"}},
      {"lege", {"leg"}},
      {"arsch",
       {"depp",        "drecksack",  "blödmann",     "vollidiot", "schwachkopf", "dummkopf",   "hohlkopf", "narr",
        "arschloch",   "trottel",    "idiot",        "pisser",    "penner",      "sau",        "schwein",  "esel",
        "volltrottel", "arschgeige", "arschgesicht", "spinner",   "drecksau",    "sackgesicht"}},
      {"diagnose", {"verfassung"}},
      {"nehme",
       {"nimm", "nehm", "heb", "hebe", "heben", "trag", "trage", "tragen", "halt", "halte", "halten", "hol", "besorg",
        "besorge", "besorgen", "holen", "hole"}},
      {"pflücke", {"pflück"}},
      {"gutschein", {"honiggutschein", "schein"}},
      {"wiese", {"blumenwiese", "bienenwiese"}},
      {"grashüpfer", {"hüpfer"}},
      // "honigstand" in room 6, "schlüsseldienst" in room 8, else unchanged
      {"", {"stand"}, SynonymRule::kStandByRoom},
      // "hosenanzug" in room 8 while the beaver is there, else unchanged
      {"", {"anzug"}, SynonymRule::kAnzugWhileBeaverThere},
      {"bären", {"bär", "braunbär", "waldemar"}},
      {"honig", {"bienenhonig"}},
      {"brunnen", {"steinbrunnen"}},
      {"gesumme", {"summen"}},
      {"blumenstrauß", {"strauß", "strauss", "blumenstrauss"}},
      {"folge", {"folg"}},
      {"überquere", {"überquer", "überschreite", "überschreit", "überschreiten"}},
      {"sonnenbrille", {"brille"}},
      {"schafherde", {"herde"}},
      {"weinflasche", {"flasche"}},
      {"locke", {"lock"}},
      {"flussufer", {"ufer"}},
      {"hasen", {"hase"}},
      {"brücke", {"holzbrücke"}},
      {"korb", {"weidenkorb"}},
      {"bienen", {"honigbienen"}},
      {"geplätscher", {"geplätschere", "plätschern"}},
  };
  std::vector<SynonymRow> rows;
  rows.reserve(source.size());
  for (const SourceRow& row : source) {
    SynonymRow converted{Cp850(row.canonical), {}, row.rule};
    for (std::string_view form : row.input_forms) converted.input_forms.push_back(Cp850(form));
    rows.push_back(std::move(converted));
  }
  return rows;
}

// Input form -> index of its row.
const std::unordered_map<std::string, std::size_t>& SynonymIndex() {
  static const std::unordered_map<std::string, std::size_t> index = [] {
    std::unordered_map<std::string, std::size_t> map;
    const std::vector<SynonymRow>& rows = SynonymRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      for (const std::string& form : rows[i].input_forms) map.emplace(form, i);
    }
    return map;
  }();
  return index;
}

constexpr std::size_t kListCount = static_cast<std::size_t>(WordList::kInfinitiveParticles) + 1;

struct StoredList {
  std::vector<std::string> words;
  std::string text;  // " word word ... word "
};

struct SourceList {
  WordList list;
  std::vector<std::string_view> words;
};

std::array<StoredList, kListCount> BuildWordLists() {
  // Each list in its stored order.
  const std::vector<SourceList> source = {
      {WordList::kPrepositions, {"richtung", "durch",  "im",       "nach",    "um",    "von",      "vom",  "auf", "hin",
                                 "hinter",   "unter",  "in",       "ins",     "an",    "gegen",    "zu",   "aus", "ab",
                                 "darunter", "hinein", "dahinter", "dagegen", "daran", "hindurch", "über", "ein"}},
      {WordList::kVerbs1, {"mache",  "gehe",   "durchschreite", "bewache", "benutze",    "rieche",  "lese",  "entferne",
                           "stelle", "klopfe", "streichle",     "gebe",    "schließe",   "schlage", "töte",  "finde",
                           "esse",   "trinke", "erzähle",       "drücke",  "untersuche", "schaue",  "nehme", "öffne",
                           "lege",   "frage",  "erschieße",     "rauche",  "kitzle",     "bezahle"}},
      {WordList::kVerbs2,
       {"drehe",    "berühre", "bewege",   "durchsuche", "zerstöre", "schneide", "schalte",  "werfe",
        "kehre",    "schiebe", "betrete",  "lausche",    "ziehe",    "trete",    "küsse",    "grabe",
        "probiere", "steige",  "reite",    "löse",       "ersetze",  "stehe",    "zeige",    "rufe",
        "verlasse", "wasche",  "schrubbe", "fütter",     "fange",    "entsorge", "zerreiße", "stecke"}},
      {WordList::kVerbs3,
       {"grüße", "umarme",    "biege",     "hole",    "setze",    "wecke",       "schwinge",  "zertrete",
        "rede",  "quäle",     "denke",     "zünde",   "entzünde", "krieche",     "lösche",    "schäle",
        "kaufe", "rolle",     "vernasche", "putze",   "reinige",  "zerschneide", "pflücke",   "verscheuche",
        "folge", "überquere", "locke",     "springe", "sitze",    "repariere",   "verseuche", "verschmutze"}},
      {WordList::kSpecialCommands1,
       {"huch",  "clear",   "ende",  "quit",  "punkte",  "score",  "i",      "inventory", "z",      "warte",  "info",
        "hilfe", "schlafe", "singe", "blöke", "objekte", "träume", "fluche", "züge",      "lösung", "meldung"}},
      {WordList::kSpecialCommands2, {"neustart", "hinweise",  "befehle", "g",     "again",       "nochmal", "tanze",
                                     "kotze",    "stöhne",    "seufze",  "knapp", "ausführlich", "lächle",  "lache",
                                     "bete",     "speichern", "laden",   "weine", "pinkle",      "atme",    "sterbe"}},
      {WordList::kSpecialCommands3,
       {"diagnose", "niese", "huste", "karte", "ausgänge", "version", "hintergrund", "meditiere", "erwache", "zeit",
        "maus", "klingeln", "läute", "läuten"}},
      {WordList::kCommentWords,
       {"danke", "okay", "ok", "hallo", "doch", "ja", "nein", "arsch", "deshalb", "darum", "warum", "weshalb",
        "weswegen", "wieso", "entschuldigung", "jein", "toll", "mist"}},
      {WordList::kDirections,
       {"nord", "süd", "west", "ost", "nordwest", "nordost", "südwest", "südost", "raus", "hoch", "runter"}},
      {WordList::kMasculineNouns1,
       {"dich",   "boden",      "baum",   "weg",          "wald", "besen",      "waldeingang",   "gutschein",
        "rasen",  "grashüpfer", "hut",    "bären",        "bär",  "honigstand", "fluss",         "honig",
        "deckel", "brunnen",    "frosch", "blumenstrauß", "wolf", "anzug",      "biberbaumarkt", "spielzeugladen",
        "biber",  "korb",       "mund",   "kuchen",       "wein", "schlüssel",  "wegesrand"}},
      {WordList::kMasculineNouns2,
       {"papa",   "papi",      "vati",   "vater",       "malkasten",    "koffer",          "schatten",
        "fuchs",  "schneider", "hasen",  "wind",        "stand",        "schlüsseldienst", "hosenanzug",
        "specht", "turm",      "himmel", "regenschirm", "honigautomat", "münzeinwurf",     "taler"}},
      {WordList::kFeminineNouns,
       {"sonne",    "landschaft",   "bank",        "zeitung", "wiese", "kugel",      "kröte",         "brücke",
        "krawatte", "sonnenbrille", "brille",      "zigarre", "oma",   "großmutter", "omi",           "schafherde",
        "tür",      "haube",        "weinflasche", "gans",    "mama",  "mutter",     "mutti",         "mami",
        "kappe",    "fliege",       "mücke",       "lampe",   "hexe",  "lichtung",   "rückgabetaste", "münzausgabe"}},
      {WordList::kNeuterNouns,
       {"licht",    "gestrüpp", "gebüsch", "grünzeug", "messer",    "gesumme",     "honigglas",   "brot",
        "gras",     "schaf",    "haus",    "bett",     "flussufer", "geplätscher", "schweinchen", "geißlein",
        "käppchen", "schild",   "wasser",  "fell",     "schloss",   "fenster",     "ausgabefach"}},
      {WordList::kSieNouns, {"bäume", "sträucher", "blumen", "bienen", "schafe", "matte", "klingel", "strickleiter"}},
      {WordList::kAdjectives,
       {"schmale",   "alte",       "heutige",  "emsige",   "riesige",  "braune",        "saftige",    "dichte",
        "böse",      "rote",       "schöne",   "zahllose", "leckere",  "steinerne",     "grüne",      "eklige",
        "goldene",   "dicke",      "graue",    "dunkle",   "kleine",   "ratlose",       "trockene",   "hohe",
        "verbogene", "zerrissene", "schwarze", "orange",   "orangene", "orangefarbene", "dunkelgraue"}},
      {WordList::kFillerWords, {"dann", "danach", "nun", "bitte", "jetzt", "ich", "sofort", "gleich"}},
      {WordList::kInfinitiveParticles,
       {"zu", "an", "ab", "um", "auf", "hin", "aus", "nach", "hinein", "hindurch", "ein", "durch"}},
  };
  std::array<StoredList, kListCount> lists;
  for (const SourceList& entry : source) {
    StoredList& stored = lists[static_cast<std::size_t>(entry.list)];
    stored.text.assign(1, ' ');
    for (std::string_view word : entry.words) {
      stored.words.push_back(Cp850(word));
      stored.text += stored.words.back() + " ";
    }
  }
  return lists;
}

const StoredList& Stored(WordList list) {
  static const std::array<StoredList, kListCount> lists = BuildWordLists();
  return lists[static_cast<std::size_t>(list)];
}

bool InList(WordList list, std::string_view word) {
  if (word.empty()) return false;
  std::string needle = " ";
  needle += word;
  needle += ' ';
  return Stored(list).text.find(needle) != std::string::npos;
}

struct CommentAnswer {
  std::string word;
  std::string reply;
};

const std::vector<CommentAnswer>& CommentAnswers() {
  static const std::vector<CommentAnswer> answers = [] {
    const std::vector<std::pair<std::vector<std::string_view>, std::string_view>> source = {
        {{"jein"}, "Genau! Oder auch nicht!"},
        {{"entschuldigung"}, "Macht nichts."},
        {{"danke"}, "Gern geschehen!"},
        {{"okay", "ok"}, "Okay."},
        {{"mist"}, "Kein Kommentar hierzu."},
        {{"toll"}, "Danke."},
        {{"hallo"}, "Ja, hallo!"},
        {{"ja"}, "Schön, dass du zustimmst!"},
        {{"nein"}, "Dann nicht."},
        {{"weshalb", "warum", "wieso", "weswegen", "deshalb", "darum"}, "Sprichst du wieder mit dir selbst?"},
        {{"arsch"}, "Beschimpfungen helfen dir nicht weiter."},
        {{"doch"}, "Nein, ehrlich nicht!"},
    };
    std::vector<CommentAnswer> converted;
    for (const auto& [words, reply] : source) {
      for (std::string_view word : words) converted.push_back({Cp850(word), Cp850(reply)});
    }
    return converted;
  }();
  return answers;
}

}  // namespace

const std::vector<SynonymRow>& SynonymRows() {
  static const std::vector<SynonymRow> rows = BuildSynonymRows();
  return rows;
}

std::string CanonicalWord(std::string_view word, const GameSession& session) {
  const auto& index = SynonymIndex();
  const auto found = index.find(std::string(word));
  if (found == index.end()) return std::string(word);
  const SynonymRow& row = SynonymRows()[found->second];
  switch (row.rule) {
    case SynonymRule::kFixed:
      return row.canonical;
    case SynonymRule::kStandByRoom:
      if (session.current_room == kHoneyStand) return Cp850("honigstand");
      if (session.current_room == kBeaverMarket) return Cp850("schlüsseldienst");
      return std::string(word);
    case SynonymRule::kAnzugWhileBeaverThere:
      if (session.current_room == kBeaverMarket && session.beaver_present) return Cp850("hosenanzug");
      return std::string(word);
  }
  return std::string(word);
}

bool IsPreposition(std::string_view word) { return InList(WordList::kPrepositions, word); }

bool IsVerb(std::string_view word) {
  return InList(WordList::kVerbs1, word) || InList(WordList::kVerbs2, word) || InList(WordList::kVerbs3, word);
}

bool IsSpecialCommand(std::string_view word) {
  return InList(WordList::kSpecialCommands1, word) || InList(WordList::kSpecialCommands2, word) ||
         InList(WordList::kSpecialCommands3, word);
}

bool IsCommentWord(std::string_view word) { return InList(WordList::kCommentWords, word); }

bool IsDirection(std::string_view word) { return InList(WordList::kDirections, word); }

int NounGender(std::string_view word) {
  if (InList(WordList::kMasculineNouns1, word) || InList(WordList::kMasculineNouns2, word)) {
    return 1;
  }
  if (InList(WordList::kFeminineNouns, word)) return 2;
  if (InList(WordList::kNeuterNouns, word)) return 3;
  if (InList(WordList::kSieNouns, word)) return 2;
  return 0;
}

bool IsSieNoun(std::string_view word) { return InList(WordList::kSieNouns, word); }

std::string AdjectiveBase(std::string_view word) {
  // The longest base form the word begins with; it may be followed by one
  // ending letter at most.
  std::string_view longest;
  for (const std::string& base : Stored(WordList::kAdjectives).words) {
    if (word.starts_with(base) && base.size() > longest.size()) longest = base;
  }
  if (longest.empty()) return "";
  if (word.size() == longest.size()) return std::string(longest);
  if (word.size() == longest.size() + 1 && std::string_view("snmr").find(word.back()) != std::string_view::npos) {
    return std::string(longest);
  }
  return "";
}

bool IsFillerWord(std::string_view word) { return InList(WordList::kFillerWords, word); }

bool IsPluralNoun(std::string_view word) { return OneOf(word, {"bienen", "blumen", "bäume", "sträucher", "schafe"}); }

bool IsRepeatWord(std::string_view word) { return word == "nochmal" || word == "again" || word == "g"; }

bool HoldsRepeatWord(std::string_view line) {
  while (!line.empty()) {
    const size_t blank = line.find(' ');
    if (IsRepeatWord(line.substr(0, blank))) return true;
    if (blank == std::string_view::npos) break;
    line.remove_prefix(blank + 1);
  }
  return false;
}

bool IsInfinitiveParticle(std::string_view word) { return InList(WordList::kInfinitiveParticles, word); }

std::string_view CommentReply(std::string_view comment_word) {
  for (const CommentAnswer& answer : CommentAnswers()) {
    if (answer.word == comment_word) return answer.reply;
  }
  return {};
}

bool CommentReplyCountsMove(std::string_view comment_word) {
  return !CommentReply(comment_word).empty() && comment_word != "jein";
}

const std::vector<std::string>& WordListWords(WordList list) { return Stored(list).words; }

const std::string& WordListString(WordList list) { return Stored(list).text; }
