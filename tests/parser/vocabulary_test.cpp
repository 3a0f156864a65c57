#include "parser/vocabulary.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "console/encoding.h"
#include "world/game_session.h"

namespace {

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

constexpr int kRowCount = 181;  // with the two rows that depend on the game's state
constexpr int kInputFormCount = 732;

TEST(VocabularySynonyms, HoldAllRowsAndInputForms) {
  const std::vector<SynonymRow>& rows = SynonymRows();
  EXPECT_EQ(rows.size(), static_cast<std::size_t>(kRowCount));
  int forms = 0;
  for (const SynonymRow& row : rows) forms += static_cast<int>(row.input_forms.size());
  EXPECT_EQ(forms, kInputFormCount);
}

// Spellings without umlauts or "ß", short forms and whole phrases of one
// meaning all reach the word the game knows.
TEST(VocabularySynonyms, SpellingVariantsReachTheirCanonicalWord) {
  const std::pair<const char*, const char*> forms[] = {
      {"quäl", "quäle"},          {"muenzrueckgabetaste", "rückgabetaste"}, {"taste", "rückgabetaste"},
      {"rein", "hinein"},         {"drunter", "darunter"},                  {"begrüssen", "grüße"},
      {"grüss", "grüße"},         {"waldweg", "weg"},                       {"gelände", "landschaft"},
      {"klingle", "klingeln"},    {"münze", "taler"},                       {"fach", "ausgabefach"},
      {"münzrückgabe", "münzausgabe"}, {"haustür", "tür"},                  {"herde", "schafherde"},
      {"ufer", "flussufer"},      {"hase", "hasen"},                        {"weidenkorb", "korb"},
      {"honigbienen", "bienen"},  {"plätschern", "geplätscher"},
  };
  for (const auto& [form, canonical] : forms) EXPECT_EQ(Canonical(form), canonical) << form;
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
};

const ExpectedList kExpectedLists[] = {
    {WordList::kPrepositions, 26},
    {WordList::kVerbs1, 30},
    {WordList::kVerbs2, 32},
    {WordList::kVerbs3, 32},
    {WordList::kSpecialCommands1, 21},
    {WordList::kSpecialCommands2, 21},
    {WordList::kSpecialCommands3, 14},
    {WordList::kCommentWords, 18},
    {WordList::kDirections, 11},
    {WordList::kMasculineNouns1, 31},
    {WordList::kMasculineNouns2, 21},
    {WordList::kFeminineNouns, 32},
    {WordList::kNeuterNouns, 23},
    {WordList::kSieNouns, 8},
    {WordList::kAdjectives, 31},
    {WordList::kFillerWords, 8},
    {WordList::kInfinitiveParticles, 12},
};

TEST(VocabularyWordLists, HoldTheWordsOfTheGame) {
  for (const ExpectedList& want : kExpectedLists) {
    EXPECT_EQ(WordListWords(want.list).size(), want.size) << "list " << static_cast<int>(want.list);
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
