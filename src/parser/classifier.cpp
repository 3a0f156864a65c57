#include "parser/classifier.h"

#include <string_view>

#include "parser/sentences.h"
#include "parser/vocabulary.h"
#include "world/encoding.h"

namespace {

bool IsArticle(std::string_view word) {
  return word == "die" || word == "den" || word == "das" || word == "der" || word == "dem";
}

bool IsAccusativePronoun(std::string_view word) { return word == "sie" || word == "ihn" || word == "es"; }

void RecordVerb(ParsedCommand& c, const std::string& verb, int pos) {
  c.verb = verb;
  ++c.verb_count;
  c.verb_pos = pos;
}

void RecordNoun(GameSession& session, const std::string& word, int gender, int pos) {
  ParsedCommand& c = session.command;
  if (c.object_count == 0) {
    c.object1 = word;
    c.object1_gender = gender;
    c.object1_pos = pos;
    c.object_count = 1;
    if (word != "dich") {
      session.last_named_object = word;
      session.last_named_gender = gender;
      if (gender == kMasculine) session.referent_masc = word;
      if (gender == kFeminine && !IsPluralNoun(word)) session.referent_fem = word;
    }
  } else if (c.object_count == 1) {
    c.object2 = word;
    c.object2_gender = gender;
    c.object2_pos = pos;
    c.object_count = 2;
  } else {
    ++c.object_count;
  }
}

// A separable infinitive such as "aufschließen": particle and verb.
bool SplitInfinitive(std::string_view word, std::string& particle, std::string& verb) {
  if (!word.ends_with('n')) return false;
  const std::string_view stem = word.substr(0, word.size() - 1);
  for (size_t length = 2; length <= 8 && length < stem.size(); ++length) {
    const std::string_view front = stem.substr(0, length);
    const std::string_view rest = stem.substr(length);
    if (IsInfinitiveParticle(front) && IsVerb(rest)) {
      particle = std::string(front);
      verb = std::string(rest);
      return true;
    }
  }
  return false;
}

}  // namespace

ParseStep ReadSentenceWords(GameSession& session, Console& console) {
  const std::string text = session.sentence_text + " ";
  ParsedCommand& c = session.command;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != ' ') continue;
    const std::string word = text.substr(start, i - start);
    start = i + 1;
    if (word.empty()) continue;
    const int pos = static_cast<int>(i) + 1;
    if (IsArticle(word)) {
      ++c.article_count;
      if (c.article_count == 1) {
        c.first_article = word;
        c.first_article_pos = pos;
      } else if (c.article_count == 2) {
        c.second_article = word;
        c.second_article_pos = pos;
      }
      continue;
    }
    std::string canonical = CanonicalWord(word, session);
    if (ParseStep stop = ResolveDativePronoun(session, canonical)) return stop;
    if (ParseStep stop = ClassifyWord(session, console, canonical, pos)) return stop;
  }
  return std::nullopt;
}

ParseStep ClassifyWord(GameSession& session, Console& console, std::string word, int pos) {
  ParsedCommand& c = session.command;
  bool known = false;

  if (word == "nicht") return Reject(session, "[Nicht getan. Sage mir besser die Dinge, die ich tun soll.]");

  if (const std::string base = AdjectiveBase(word); !base.empty()) {
    word = base;
    known = true;
    ++c.adjective_count;
    if (c.adjective_count == 1) {
      c.adjective1 = word;
      c.adjective1_pos = pos;
    } else if (c.adjective_count == 2) {
      c.adjective2 = word;
      c.adjective2_pos = pos;
    } else {
      return Reject(session, "[Pro Satz sind nur zwei Adjektive möglich.]");
    }
  }

  if (IsCommentWord(word)) {
    known = true;
    ++c.comment_count;
    c.comment_word = word;
  }

  if (IsDirection(word)) {
    known = true;
    ++c.direction_count;
    c.direction = word;
  }

  if (IsSpecialCommand(word)) {
    known = true;
    ++c.special_count;
    c.special_command = word;
    if (c.special_count > 1 && session.unknown_word_countdown == 0) {
      return Reject(session, "[Bitte nur einen Sonderbefehl pro Eingabe verwenden.]");
    }
  }

  if (IsPreposition(word)) {
    known = true;
    ++c.preposition_count;
    c.preposition = word;
    c.preposition_pos = pos;
    if (c.preposition_count > 1) {
      if (word == "hinein") return Reject(session, "[In diesem Zusammenhang verstehe ich 'hinein' nicht.]");
      return Reject(session, "[Bitte nur eine Präposition pro Eingabe verwenden.]");
    }
  }

  if (IsFillerWord(word)) known = true;

  if (IsVerb(word)) {
    known = true;
    RecordVerb(c, word, pos);
  } else if (word.ends_with('n') && IsVerb(std::string_view(word).substr(0, word.size() - 1))) {
    known = true;
    RecordVerb(c, word.substr(0, word.size() - 1), pos);
  } else if (std::string particle, verb; SplitInfinitive(word, particle, verb)) {
    known = true;
    RecordVerb(c, verb, pos);
    c.preposition = particle;
    c.preposition_pos = pos;
    ++c.preposition_count;
    session.context_verb.clear();
    session.context_verb_turns = 0;
    if (c.preposition_count > 1) {
      return Reject(session, "[Es ist bereits eine Präposition oder ein Infinitiv vorhanden.]");
    }
  }

  if (IsAccusativePronoun(word)) {
    known = true;
    if (ParseStep stop = ResolveAccusativePronoun(session, console, word)) return stop;
  }

  if (const int gender = NounGender(word); gender != 0) {
    known = true;
    RecordNoun(session, word, gender, pos);
  }

  if (word == "alles") {
    known = true;
    ++c.alles_count;
  }

  if (word == "mit") {
    known = true;
    ++c.mit_count;
    c.mit_pos = pos;
  }

  if (word == "und" || word == ",") {
    known = true;
    ++c.und_count;
  }

  if (!known) {
    session.unknown_word = word;
    session.unknown_word_line = session.input_line;
    session.unknown_word_countdown = 2;
    return Reject(session, "[Ich kenne das Wort '" + word + "' nicht.]");
  }
  return std::nullopt;
}
