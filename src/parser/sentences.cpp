#include "parser/sentences.h"

#include <string_view>

#include "console/text_output.h"
#include "parser/name_forms.h"
#include "parser/normalisation.h"
#include "parser/vocabulary.h"
#include "world/encoding.h"
#include "world/text_case.h"

namespace {

std::string LastWord(std::string_view text) {
  const std::string trimmed = TrimBlanks(text);
  const size_t blank = trimmed.rfind(' ');
  return blank == std::string::npos ? trimmed : trimmed.substr(blank + 1);
}

void Remember(GameSession& session, const std::string& object, int gender, int plural, bool allow_feminine) {
  switch (gender) {
    case kMasculine:
      if (!IsPlayer(object)) session.referent_masc = object;
      break;
    case kFeminine:
      if (!allow_feminine) break;
      if (plural) {
        session.referent_plural = object;
      } else {
        session.referent_fem = object;
      }
      break;
    case kNeuter:
      session.referent_neuter = object;
      break;
    default:
      break;
  }
  session.referent_last = object;
  session.referent_last_gender = gender;
}

std::string DativeMessage(std::string_view word) {
  return Cp850("[Ich weiß nicht, auf was du '") + std::string(word) + "' beziehst.]";
}

}  // namespace

ParseStep SplitSentence(GameSession& session, bool from_program) {
  std::string line = LowerCase(session.input_line);
  const std::string padded = " " + line + " ";
  std::string sentence = line;
  std::string rest;
  bool split = false;

  // " und " at padded index `hit` starts at line index hit - 1.
  size_t end = std::string::npos;
  size_t rest_start = 0;
  const size_t hit = padded.find(" und ");
  if (hit != std::string::npos) {
    end = hit == 0 ? 0 : hit - 1;
    rest_start = hit + 4;  // just past "und" and its blank, in line indices
  }
  // A line the game put together itself skipped the clean-up and may still
  // hold a mark; the mark then ends the sentence, and a "!" wins over a ".".
  if (from_program) {
    size_t mark = line.find('.');
    if (line.find('!') != std::string::npos) mark = line.find('!');
    if (mark != std::string::npos) {
      line[mark] = ' ';
      end = mark;
      rest_start = mark + 1;
    }
  }
  if (end != std::string::npos) {
    split = true;
    sentence = line.substr(0, end);
    rest = rest_start < line.size() ? line.substr(rest_start) : std::string();
  }

  session.sentence_text = sentence;
  // Even an empty rest is queued: it runs as a sentence of its own.
  session.more_sentences_pending = split ? 1 : 0;
  if (split) session.pending_sentences = rest;
  session.input_line = line;
  if (split && TrimBlanks(line) == "und") return Reject(session, "[Dein Satz ergibt keinen Sinn.]");
  return std::nullopt;
}

void UpdateReferents(GameSession& session) {
  if (session.pending_mode != 0 || session.context_verb_turns != 0) return;
  const std::string last = LastWord(session.sentence_text);
  if (last == "ihm" || last == "ihr") return;
  const ParsedCommand& c = session.command;
  if (c.object_count == 1) {
    Remember(session, c.object1, c.object1_gender, c.object1_plural, true);
  } else if (c.object_count == 2) {
    const bool says_sie = session.sentence_text.find("sie") != std::string::npos;
    Remember(session, c.object2, c.object2_gender, c.object2_plural, !says_sie);
  }
}

void MarkPlurals(ParsedCommand& command) {
  const auto mark = [](const std::string& object, int& plural, std::string& name) {
    if (!IsPluralNoun(object)) return;
    plural = 1;
    // The dative plural of the answers: "den Bienen", "den Bäumen".
    name = Capitalise(object) + (object.ends_with('n') ? "" : "n");
  };
  mark(command.object1, command.object1_plural, command.object1_dative_name);
  mark(command.object2, command.object2_plural, command.object2_dative_name);
}

ParseStep ResolveDativePronoun(GameSession& session, std::string& word) {
  if (word != "ihm" && word != "ihr" && word != "ihnen") return std::nullopt;
  const ParsedCommand& c = session.command;
  const auto speaks_to = [&](std::string_view verb) { return Is(c.verb, verb) || Is(session.context_verb, verb); };
  if (c.object1.empty() && (speaks_to("erzähle") || speaks_to("frage"))) {
    if (word == "ihr" && session.last_named_gender == kFeminine) word = session.last_named_object;
    if (word == "ihm" && (session.last_named_gender == kMasculine || session.last_named_gender == kNeuter)) {
      word = session.last_named_object;
    }
  }
  // Even a person already found needs something remembered from an earlier
  // command; the message then names the person.
  if (session.referent_last.empty()) return Reject(session, DativeMessage(word));
  if (word != "ihm" && word != "ihr" && word != "ihnen") return std::nullopt;
  if (word == "ihnen") {
    if (session.referent_plural.empty()) return Reject(session, DativeMessage("ihnen"));
    word = session.referent_plural;
    return std::nullopt;
  }
  if (word == "ihm") {
    if (session.referent_masc.empty() && session.referent_neuter.empty()) return Reject(session, DativeMessage(word));
    if (!session.referent_neuter.empty()) word = session.referent_neuter;
    if (!session.referent_masc.empty() && session.referent_masc == session.referent_last) {
      word = session.referent_masc;
    }
    const bool names_last = (!session.referent_masc.empty() && session.referent_masc == session.last_named_object) ||
                            (!session.referent_neuter.empty() && session.referent_neuter == session.last_named_object);
    if (names_last) {
      if (session.referent_last_gender == kFeminine) return Reject(session, DativeMessage("ihm"));
      word = session.referent_last;
    }
  } else if (word == "ihr") {
    if (session.referent_fem.empty()) return Reject(session, DativeMessage(word));
    word = session.referent_last_gender == kFeminine ? session.referent_last : session.referent_fem;
  }
  if (word == "ihm" || word == "ihr") return Reject(session, Cp850("[Ich verstehe den Bezug in diesem Satz nicht.]"));
  return std::nullopt;
}

ParseStep ResolveAccusativePronoun(GameSession& session, Console& console, std::string& word) {
  ParsedCommand& c = session.command;
  if (!c.object1.empty() && c.verb != "lege" && c.verb != "setze") {
    return Reject(session, "[Ich verstehe deinen Satz wegen der Wortstellung nicht.]");
  }
  ++c.pronoun_count;
  if (session.last_named_object.empty()) return Reject(session, Cp850("[Ich weiß nicht, auf was du dich beziehst.]"));

  const int agreeing_gender = word == "ihn" ? kMasculine : word == "sie" ? kFeminine : kNeuter;
  if (session.last_named_gender == agreeing_gender) {
    word = session.last_named_object;
    return std::nullopt;
  }

  std::string note;
  if (word == "ihn") {
    if (session.referent_masc.empty()) return RejectAtOnce(session, console, ParserMessage(ParserText::kNoReferent));
    if (!IsPlayer(c.object1) && !IsPlayer(c.object2)) {
      word = session.referent_masc;
      note = IsPlayer(word) ? std::string("(dich selbst)") : "(den " + Capitalise(word) + ")";
    }
  } else if (word == "sie") {
    if (!session.referent_fem.empty()) {
      word = session.referent_fem;
      note = "(die " + Capitalise(word) + ")";
    } else if (!session.referent_plural.empty()) {
      word = session.referent_plural;
    } else {
      return RejectAtOnce(session, console, ParserMessage(ParserText::kNoReferent));
    }
  } else {
    if (session.referent_neuter.empty()) return RejectAtOnce(session, console, ParserMessage(ParserText::kNoReferent));
    word = session.referent_neuter;
    note = "(das " + Capitalise(word) + ")";
  }
  if (!note.empty()) {
    session.pronoun_note_shown = 1;
    PrintNote(session, console, note);
  }
  if (word == "ihm" || word == "ihn" || word == "sie") {
    return Reject(session, Cp850("[Ich weiß nicht, worauf du '") + word + "' beziehst.]");
  }
  return std::nullopt;
}

ParseStep CheckAlles(GameSession& session) {
  ParsedCommand& c = session.command;
  if (c.alles_count > 1) return Reject(session, ParserText::kAllesOncePerPart);
  if (c.alles_count != 1) return std::nullopt;
  const std::string& context = session.context_verb;
  if (c.verb.empty() && context.empty() && session.unknown_word_countdown == 0) {
    return Reject(session, ParserText::kNoVerb);
  }
  // "lies alles auf" picks everything up: it is "nimm alles", so its "auf"
  // is neither refused below nor left for the take handler.
  const bool picks_up = (c.verb == "lese" || context == "lese") && c.preposition == "auf";
  if (c.object_count == 0 && c.preposition_count > 0 && c.preposition != "hin" && !picks_up) {
    return Reject(session, "[Das Spiel versteht nur die Eingabeformen 'nimm alles' und 'lege alles hin'.]");
  }
  if (c.object_count > 0) {
    if (c.verb == "nehme") return Reject(session, "[Das Spiel versteht nur die Eingabeform 'nehme alles'.]");
    if (c.verb == "lege") return Reject(session, "[Das Spiel versteht nur die Eingabeform 'lege alles hin'.]");
    return Reject(session, ParserText::kOnlyTakeAllOrDropAll);
  }
  if (picks_up) {
    c.verb = "nehme";
    c.preposition.clear();
    c.preposition_count = 0;
  }
  const bool takes_all = c.verb == "nehme" || c.verb == "lege" || context == "nehme" || context == "lege";
  if (!takes_all && session.unknown_word_countdown == 0) return Reject(session, ParserText::kOnlyTakeAllOrDropAll);
  return std::nullopt;
}
