// Every word the parser knows: the synonym table that maps each accepted input
// form to one canonical word, and the word-class lists the classifier tests a
// canonical word against. All words are lower-case CP850, as the parser sees
// them after folding the line to lower case.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct GameSession;

// --- Synonyms ---

// The canonical word for `word`: one exact lookup among the input forms of
// the synonym table. A word that is already canonical, or in no row, comes
// back unchanged; the result is not looked up again. "stand" and "anzug"
// depend on where the player is (and on the beaver).
std::string CanonicalWord(std::string_view word, const GameSession& session);

// How a row of the synonym table chooses its canonical word.
enum class SynonymRule {
  kFixed,                 // always `canonical`
  kStandByRoom,           // "honigstand" in room 6, "schlüsseldienst" in room 8
  kAnzugWhileBeaverThere  // "hosenanzug" in room 8 while the beaver is there
};

struct SynonymRow {
  std::string canonical;  // empty for the state-dependent rows
  std::vector<std::string> input_forms;
  SynonymRule rule = SynonymRule::kFixed;
};

// The synonym table in its order, for checks and listings.
const std::vector<SynonymRow>& SynonymRows();

// --- Word classes ---
// Membership is by whole word, exactly as finding " word " in a list of words
// separated by single blanks with a blank at each end; the empty word is in
// no list.

bool IsPreposition(std::string_view word);  // prepositions and verb particles
bool IsVerb(std::string_view word);         // any of the three verb lists
bool IsSpecialCommand(std::string_view word);
bool IsCommentWord(std::string_view word);
bool IsDirection(std::string_view word);

// 1 masculine, 2 feminine, 3 neuter, 0 not a noun. The lists are searched
// masculine, feminine, neuter, then the nouns taken up by "sie", which also
// count as 2.
int NounGender(std::string_view word);

// The nouns taken up by "sie": plurals and three feminine nouns.
bool IsSieNoun(std::string_view word);
// The plurals among them ("matte", "klingel", "strickleiter" are feminine).
bool IsPluralNoun(std::string_view word);

// The base form of an adjective, which may carry one of the endings "s", "n",
// "m", "r" ("alten" -> "alte"); empty when the word is no adjective.
std::string AdjectiveBase(std::string_view word);

// Words accepted and ignored ("bitte", "jetzt", ...).
bool IsFillerWord(std::string_view word);

// The three words that repeat the last line: "nochmal", "again", "g".
bool IsRepeatWord(std::string_view word);
// Whether a line holds a repeat word as one of its words.
bool HoldsRepeatWord(std::string_view line);

// Particles that may begin a separable infinitive ("auf" in "aufschließen").
bool IsInfinitiveParticle(std::string_view word);

// The fixed reply to a comment word (CP850), empty for any other word.
std::string_view CommentReply(std::string_view comment_word);

// Whether answering the comment word counts a move: every reply but the one
// to "jein" does.
bool CommentReplyCountsMove(std::string_view comment_word);

// The stored lists, one per list of the game (a class too long for one list
// is split over several, searched in turn).
enum class WordList {
  kPrepositions,
  kVerbs1,
  kVerbs2,
  kVerbs3,
  kSpecialCommands1,
  kSpecialCommands2,
  kSpecialCommands3,
  kCommentWords,
  kDirections,
  kMasculineNouns1,
  kMasculineNouns2,
  kFeminineNouns,
  kNeuterNouns,
  kSieNouns,
  kAdjectives,
  kFillerWords,
  kInfinitiveParticles,
};

// The words of one list in their stored order.
const std::vector<std::string>& WordListWords(WordList list);

// The list as it is stored: " word word ... word ".
const std::string& WordListString(WordList list);
