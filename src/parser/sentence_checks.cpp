#include "parser/sentence_checks.h"

#include <initializer_list>
#include <string>
#include <string_view>

#include "console/text_output.h"
#include "parser/normalisation.h"
#include "parser/parser_messages.h"
#include "parser/second_stage.h"
#include "parser/sentences.h"
#include "parser/vocabulary.h"
#include "world/encoding.h"
#include "world/text_case.h"

namespace {

// Most checks accept the verb either in the sentence or carried over from
// the sentence before.
bool HasVerb(const GameSession& s, std::initializer_list<std::string_view> verbs) {
  return OneOf(s.command.verb, verbs) || OneOf(s.context_verb, verbs);
}

const std::string& VerbOrContext(const GameSession& s) {
  return s.command.verb.empty() ? s.context_verb : s.command.verb;
}

void SetObject1(ParsedCommand& c, const std::string& object, int gender) {
  c.object1 = object;
  c.object1_gender = gender;
}

// --- articles that later checks must not see --------------------------------

void ClearUncheckedArticles(GameSession& s) {
  ParsedCommand& c = s.command;
  const bool object1_free = c.object1 == "schweinchen" || Is(c.object1, "geißlein");
  if ((c.verb == "lausche" && c.object1_plural) || (c.verb == "steige" && c.preposition == "aus") ||
      c.verb == "folge" || c.verb == "sitze" || object1_free) {
    c.first_article.clear();
  }
  if (c.object2 == "schweinchen" || Is(c.object2, "geißlein")) c.second_article.clear();
}

// --- "reite auf dem ...", "rede mit der ..." --------------------------------

ParseStep CheckDativeArticle(GameSession& s) {
  ParsedCommand& c = s.command;
  if (!HasVerb(s, {"reite", "kehre", "rede"}) || c.object_count != 1) return std::nullopt;
  if (c.preposition != "auf" && c.mit_count == 0) return std::nullopt;
  const std::string dative = c.object1_gender == kFeminine ? "der" : "dem";
  if (c.first_article == dative) c.first_article.clear();
  if (c.preposition != "auf" || c.first_article.empty()) return std::nullopt;
  const bool fits = c.object1_plural ? c.first_article == "den" : false;
  if (!fits) return Reject(s, "[Hier ergibt '" + c.first_article + "' keinen Sinn.]");
  return std::nullopt;
}

// --- the person spoken to, carried into later sentences ---------------------

void CarryAddressedPerson(GameSession& s) {
  ParsedCommand& c = s.command;
  const auto talks = [](const std::string& verb) { return OneOf(verb, {"erzähle", "frage", "gebe", "zeige"}); };
  if (talks(c.verb)) {
    s.addressed_person = c.object1;
    s.addressed_person_gender = c.object1_gender;
    return;
  }
  if (c.verb.empty() && talks(s.context_verb) && s.sentence_from_queue) {
    c.object2 = c.object1;
    c.object2_gender = c.object1_gender;
    c.object2_pos = c.object1_pos;
    c.object1 = s.addressed_person;
    c.object1_gender = s.addressed_person_gender;
    c.object1_pos = 0;  // the person comes first, as in the sentence that named them
    c.object_count = 2;
    c.preposition_count = 1;
  }
}

// --- the answer to an open question -----------------------------------------

ParseStep TakeAnswer(GameSession& s) {
  ParsedCommand& c = s.command;
  if (s.pending_mode != 1 || s.pending_completion.empty() || !c.verb.empty()) return std::nullopt;
  std::string completion = s.pending_completion;
  std::string answer = " " + s.sentence_text + " ";
  if (Contains(completion, "frage") && !Contains(answer, "nach")) completion += " nach ";
  if (Contains(completion, "erzähle") && !Contains(answer, "von")) completion += " von ";
  if ((Contains(completion, "öffne") || Contains(completion, "schlage") || Contains(completion, "nehme")) &&
      Contains(answer, " mit ")) {
    answer = ReplaceAll(answer, " mit ", " ");
  }
  const std::string preposition = " " + c.preposition + " ";
  if (!c.preposition.empty() && Contains(answer, preposition) && TrimBlanks(answer) != c.preposition &&
      !Contains(completion, "frage") && !Contains(completion, "erzähle")) {
    answer = ReplaceAll(answer, preposition, " ");
    if (c.preposition_count > 1) --c.preposition_count;
  }
  if ((Contains(completion, "lege") || Contains(completion, "stelle")) && Contains(completion, " in ") &&
      Contains(answer, "auf")) {
    completion += " auf ";
  }
  // The completed command is parsed from the top; the rest of the typed
  // line follows it as before.
  std::string line = TrimBlanks(completion + " " + TrimBlanks(answer));
  if (s.more_sentences_pending) line += " und " + s.pending_sentences;
  ReadLineNext(s, line);
  return Route::kTopOfTurn;
}

// --- objects the game supplies ----------------------------------------------

ParseStep SupplyDefaultObjects(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object_count != 0) return std::nullopt;
  const bool house = s.current_room == kHouseFront || s.current_room == kHouseInside;
  if (c.verb == "lese" && c.preposition_count == 0) {
    if (s.voucher_carried && !s.newspaper_carried) {
      PrintNote(s, console, "(den Gutschein)");
      SetObject1(c, "gutschein", 1);
    } else if (s.newspaper_carried || s.newspaper_room == s.current_room) {
      PrintNote(s, console, "(die Zeitung)");
      SetObject1(c, "zeitung", 2);
    } else {
      return std::nullopt;
    }
    c.object_count = 1;
    return RunSecondStage(s, console);
  }
  if (Is(c.verb, "küsse") && s.current_room == kWell && s.frog_state < kFrogIsToad) {
    PrintNote(s, console, "(den Frosch)");
    SetObject1(c, "frosch", 1);
    ++c.object_count;
    return std::nullopt;
  }
  if (Is(c.verb, "öffne") && c.preposition_count == 0 && house && !s.door_open) {
    PrintNote(s, console, Cp850("(die Tür)"));
    SetObject1(c, Cp850("tür"), 2);
    c.object_count = 1;
    return RunSecondStage(s, console);
  }
  if (Is(c.verb, "schließe") && c.preposition_count == 0 && house && s.door_open) {
    PrintNote(s, console, Cp850("(die Tür)"));
    SetObject1(c, Cp850("tür"), 2);
    c.object_count = 1;
    return RunSecondStage(s, console);
  }
  return std::nullopt;
}

// --- "raus" -----------------------------------------------------------------

enum class RausOutcome { kGoOn, kStraightToDirections };

ParseStep CheckRaus(GameSession& s, RausOutcome& outcome) {
  ParsedCommand& c = s.command;
  outcome = RausOutcome::kGoOn;
  if (c.direction != "raus" || c.object_count != 0) return std::nullopt;
  if (c.verb == "steige") {
    if (s.current_room == kTower) return Reply(s, Cp850("Hinauszusteigen würde einen Sturz in die Tiefe bedeuten."));
    return Reply(s, "Du kannst gerade aus nichts hinaussteigen.");
  }
  if (c.verb == "schaue") {
    if (s.current_room == kTower) {
      return Reply(s, Cp850("Durch die Öffnung kannst du erkennen, wie weit es vor dem Turm in die Tiefe geht."));
    }
    if (s.last_named_object.empty()) return Ask(s, "[Aus was willst du hinausschauen?]", "schaue aus ");
    c.direction.clear();
    --c.direction_count;
    c.preposition = "aus";
    SetObject1(c, s.last_named_object, s.last_named_gender);
    ++c.object_count;
    return std::nullopt;
  }
  if (c.verb == "gehe") return std::nullopt;
  if (c.verb.empty() && c.preposition_count == 0) {
    outcome = RausOutcome::kStraightToDirections;
    return std::nullopt;
  }
  return Reject(s, "[Das Programm versteht 'hinaus' nur mit den Verben 'schaue' und 'gehe'.]");
}

// --- "huch": the correction of an unknown word ------------------------------

ParseStep RunCorrection(GameSession& s, Console& console) {
  if (s.command.special_command != "huch") return std::nullopt;
  if (s.unknown_word_countdown != 1) return Reject(s, "[Es ist im Moment kein Wort zu ersetzen.]");
  std::string rest = " " + s.sentence_text + " ";
  for (const char* word : {" huch ", " oops "}) {
    while (Contains(rest, word)) rest = ReplaceAll(rest, word, " ");
  }
  rest = TrimBlanks(rest);
  if (rest.empty()) return Reject(s, Cp850("[Es wurde kein einzufügendes Wort gefunden.]"));
  const std::string corrected =
      TrimBlanks(ReplaceAll(" " + s.unknown_word_line + " ", " " + s.unknown_word + " ", " " + rest + " "));
  PrintNote(s, console, "[Korrigiert: " + corrected + ".]");
  ReadLineNext(s, corrected);
  return Route::kTopOfTurn;
}

// --- prepositions -----------------------------------------------------------

void DropPreposition(ParsedCommand& c) {
  c.preposition.clear();
  c.preposition_count = 0;
}

// The adverb becomes a plain preposition; its object is the thing named last.
ParseStep SupplyAdverbObject(GameSession& s, const char* preposition) {
  ParsedCommand& c = s.command;
  c.preposition = preposition;
  if (c.object_count != 0) return std::nullopt;
  const std::string& verb = VerbOrContext(s);
  if (s.last_named_object.empty()) {
    return Ask(s, "[" + Capitalise(c.preposition) + " was willst du " + verb + "n?]", verb + " " + c.preposition + " ");
  }
  SetObject1(c, s.last_named_object, s.last_named_gender);
  ++c.object_count;
  return std::nullopt;
}

ParseStep CheckAdverbs(GameSession& s, Console& console, bool& straight_to_directions) {
  ParsedCommand& c = s.command;
  const std::string adverb = c.preposition;
  if (adverb == "darunter" || adverb == "dahinter") {
    if (!HasVerb(s, {"schaue"})) return Reject(s, "[In diesem Zusammenhang verstehe ich '" + adverb + "' nicht.]");
    return SupplyAdverbObject(s, adverb == "darunter" ? "unter" : "hinter");
  }
  if (adverb == "dagegen") {
    if (!HasVerb(s, {"klopfe", "schlage"})) return Reject(s, "[Das Spiel versteht nur 'klopfe/schlage dagegen'.]");
    return SupplyAdverbObject(s, "gegen");
  }
  if (adverb == "daran") {
    if (!HasVerb(s, {"klopfe", "lausche"})) return Reject(s, "[Das Spiel versteht nur 'klopfe/lausche daran'.]");
    return SupplyAdverbObject(s, HasVerb(s, {"klopfe"}) ? "gegen" : "an");
  }
  if (adverb == "hinein" || adverb == "hindurch") {
    // A bare "hinein" means going in; a bare "hindurch" has no such reading.
    if (adverb == "hinein" && c.verb.empty() && s.context_verb.empty()) {
      c.verb = "gehe";
      c.verb_count = 1;
    }
    if (!HasVerb(s, {"schaue", "gehe", "steige"})) {
      return Reject(s, Cp850("['") + Capitalise(adverb) +
                           Cp850("' ist nur mit 'schaue', 'gehe', 'klettere' und 'steige' möglich.]"));
    }
    if (adverb == "hinein" && c.verb == "gehe" && c.object_count == 0 &&
        (s.current_room == kHouseFront || s.current_room == kForestEntrance)) {
      if (s.current_room == kForestEntrance) PrintNote(s, console, "(gehe in den Wald)");
      c.direction = s.current_room == kHouseFront ? "west" : "nord";
      ++c.direction_count;
      DropPreposition(c);
      straight_to_directions = true;
      return std::nullopt;
    }
    return SupplyAdverbObject(s, adverb == "hinein" ? "in" : "durch");
  }
  return std::nullopt;
}

// Which verbs each preposition stands with, and what it makes of them.
ParseStep CheckVerbFrame(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  const std::string p = c.preposition;
  const auto not_here = [&] { return Reject(s, "[In diesem Zusammenhang verstehe ich '" + p + "' nicht.]"); };
  const bool no_object = c.object_count == 0;

  if (p == "in") {
    if (!HasVerb(s, {"schaue", "gehe", "grabe", "lege", "setze", "steige", "springe", "werfe", "stecke"})) {
      return not_here();
    }
  } else if (p == "ab") {
    if (!HasVerb(s, {"löse", "schließe", "nehme"})) return not_here();
    if (Is(c.verb, "löse") && no_object) return Ask(s, Cp850("[Was willst du ablösen?]"), Cp850(" löse ab "));
  } else if (p == "gegen") {
    if (!HasVerb(s, {"klopfe", "trete", "schlage"})) return not_here();
  } else if (p == "aus") {
    if (!HasVerb(s, {"gehe", "schaue", "schalte", "mache", "nehme", "ziehe", "steige"})) return not_here();
    if ((c.verb == "gehe" || c.verb == "schaue") && !c.first_article.empty() && c.object1_gender != kNoGender) {
      const bool plural = c.object1_plural;
      const std::string dative = plural ? "den" : c.object1_gender == kFeminine ? "der" : "dem";
      if (c.first_article != dative) return Reject(s, "[Hier ergibt '" + c.first_article + "' keinen Sinn.]");
      c.first_article = plural                           ? "die"
                        : c.object1_gender == kMasculine ? "den"
                        : c.object1_gender == kFeminine  ? "die"
                                                         : "das";
    }
    if (c.verb == "gehe") c.verb = "verlasse";
    if (c.verb == "mache") c.verb = "schalte";
  } else if (p == "an") {
    const bool allowed = OneOf(c.verb, {"schalte", "trete", "klopfe", "schaue", "rieche", "lausche", "ziehe", "denke",
                                        "zünde", "mache", "locke"}) ||
                         OneOf(s.context_verb, {"rieche", "trete", "klopfe", "mache", "locke"}) ||
                         (c.verb.empty() && s.context_verb == "lausche");
    if (!allowed) return not_here();
    if (c.verb == "denke" && no_object) return Ask(s, "[An was willst du denken?]", " denke an ");
    if (c.verb == "mache") {
      if (c.object1 == "dich") return Reply(s, "Komische Idee.");
      if (no_object) return Ask(s, "[Was willst du anmachen?]", " mache an ");
      c.verb = "schalte";
    }
  } else if (p == "unter" || p == "hinter") {
    if (!HasVerb(s, {"schaue", "krieche"})) return not_here();
  } else if (Is(p, "über")) {
    if (!HasVerb(s, {"gehe"})) {
      return RejectAtOnce(s, console, Cp850("[Das Spiel versteht 'über' nur in der Form 'gehe über <Objekt>'.]"));
    }
    c.verb = Cp850("überquere");
    DropPreposition(c);
  } else if (p == "durch") {
    if (!HasVerb(s, {"gehe", "schaue", "steige"})) return not_here();
  } else if (p == "zu") {
    if (HasVerb(s, {"mache"})) {
      if (c.verb == "mache") c.verb = Cp850("schließe");
      if (s.context_verb == "mache") s.context_verb = Cp850("schließe");
      DropPreposition(c);
      return std::nullopt;
    }
    if (c.verb == "nehme" && no_object) {
      ++s.move_count;
      return Reply(s, "Sehr witzig.");
    }
    if (!HasVerb(s, {"gehe", "schließe"})) return not_here();
    if (HasVerb(s, {"schließe"}) && no_object)
      return Ask(s, Cp850("[Was willst du zuschließen?]"), Cp850("schließe zu "));
  } else if (p == "richtung") {
    if (c.verb != "gehe") {
      return Reject(s, "[Das Programm versteht nur die Eingabeform 'Gehe Richtung <Himmelsrichtung>'].");
    }
  } else if (p == "nach") {
    if (!HasVerb(s, {"frage", "gehe"}) && !Contains(s.pending_completion, "frage") && c.verb != "denke") {
      return not_here();
    }
  } else if (p == "hin") {
    if (!HasVerb(s, {"lege", "stelle", "werfe"})) return Reject(s, ParserText::kHinOnlyWithLege);
  } else if (p == "ein") {
    if (!OneOf(c.verb, {"löse", "fange", "werfe"})) {
      return Reject(s, Cp850("['Ein' wird nur in der Form 'löse/fange/werfe <Gegenstand> ein' verstanden.]"));
    }
    if (no_object && Is(c.verb, "löse")) return Ask(s, Cp850("[Was willst du einlösen?]"), Cp850(" löse ein "));
    if (no_object && c.verb == "werfe") return Ask(s, "[Was willst du einwerfen?]", " werfe ein ");
  } else if (p == "auf") {
    if (HasVerb(s, {"mache"})) {
      if (c.verb == "mache") c.verb = Cp850("öffne");
      if (s.context_verb == "mache") s.context_verb = Cp850("öffne");
      DropPreposition(c);
      return std::nullopt;
    }
    if (!HasVerb(s, {"drücke", "lege", "stelle", "steige", "löse", "reite", "stehe", "gehe", "nehme", "setze", "wecke",
                     "esse", "lese", "schließe", "springe", "sitze"})) {
      return not_here();
    }
    if (no_object) {
      if (c.verb.empty()) c.verb = s.context_verb;
      if (Is(c.verb, "schließe")) return Ask(s, Cp850("[Was willst du aufschließen?]"), Cp850("schließe auf "));
      if (c.verb == "lese") {
        c.verb = "nehme";
        return Ask(s, "[Was willst du nehmen?]", "nehme ");
      }
      if (Is(c.verb, "löse")) return Ask(s, Cp850("[Was willst du auflösen?]"), Cp850("löse auf "));
    }
  } else if (p == "von" || p == "vom") {
    if (!HasVerb(s, {"erzähle"})) {
      // Only this sentence is refused; the rest of the line still runs.
      PrintNote(s, console, Cp850("['Von' kann nur in der Form erzähle <Person> von <Gegenstand> benutzt werden.]"));
      return Route::kTopOfTurn;
    }
  } else if (p == "um") {
    if (!HasVerb(s, {"schaue", "werfe", "drehe", "biege"})) return not_here();
    if (HasVerb(s, {"schaue"}) && c.object1 != "dich") {
      if (!no_object || c.adjective_count != 0 || c.article_count != 0) {
        return Reject(s, "[Diesen Satz verstehe ich nicht.]");
      }
      PrintNote(s, console, "[Interpretiert als: Schaue dich um.]");
    }
  }
  return std::nullopt;
}

ParseStep CheckPrepositions(GameSession& s, Console& console, bool& straight_to_directions) {
  ParsedCommand& c = s.command;
  if (c.preposition_count == 0) return std::nullopt;
  // The object the preposition governs is always the second one.
  if (c.object_count == 2 && c.object1_pos > c.preposition_pos) {
    SwapObjects(c, true, true);
    if (c.verb == "frage") {
      c.first_article.clear();
      c.second_article.clear();
    }
  }
  if (c.preposition == "ab") {
    if (Is(c.verb, "schließe")) c.preposition = "zu";
    if (c.verb == "schalte") c.preposition = "aus";
    if (c.verb == "putze") DropPreposition(c);
    if (c.verb == "lege") c.preposition = "hin";
  }
  if (c.preposition.empty()) return std::nullopt;
  if (ParseStep stop = CheckAdverbs(s, console, straight_to_directions)) return stop;
  if (straight_to_directions) return std::nullopt;
  return CheckVerbFrame(s, console);
}

// --- "mit" ------------------------------------------------------------------

ParseStep CheckMit(GameSession& s) {
  ParsedCommand& c = s.command;
  if (c.mit_count > 1) return Reject(s, "[Bitte pro Satz nur einmal das Wort 'mit' verwenden!]");
  if (c.und_count == 1 && !s.more_sentences_pending &&
      ((c.verb.empty() && s.context_verb.empty()) || c.object_count == 0)) {
    return Reject(s, ParserText::kIncompleteSentence);
  }
  if (c.mit_count != 1) return std::nullopt;
  for (const std::string* word : {&c.special_command, &c.comment_word, &c.direction}) {
    if (!word->empty()) return Reject(s, "[In diesem Zusammenhang verstehe ich '" + *word + "' nicht.]");
  }
  if (c.verb.empty() || c.object_count == 0) {
    if (!c.verb.empty()) {
      s.context_verb = c.verb;
    } else if (s.context_verb.empty()) {
      return Reject(s, ParserText::kIncompleteSentence);
    }
  }
  if (!HasVerb(s, {"öffne", "schlage", "nehme", "benutze", "kehre", "rede", "schließe", "locke"})) {
    return Reject(s, "[Mit dem Verb '" + VerbOrContext(s) + "' kann 'mit' nicht verwendet werden.]");
  }
  if (c.object_count == 1 && !HasVerb(s, {"öffne", "schlage", "nehme", "kehre", "rede"})) {
    return Reject(s, ParserText::kSecondObjectMissing);
  }
  return std::nullopt;
}

// --- direction sentences ----------------------------------------------------

// A direction sentence is a move, refused or not.
Route GoMoving(GameSession& s) {
  ++s.move_count;
  return Route::kMovement;
}

ParseStep CheckDirections(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.direction_count == 0) return std::nullopt;
  if (c.direction_count > 1) return Reject(s, "[Bitte nur eine Richtungsangabe pro Eingabe verwenden.]");
  const bool plain = c.alles_count == 0 && c.article_count == 0 && c.verb_count <= 1 &&
                     (c.verb.empty() || c.verb == "gehe") && c.object_count == 0 && c.mit_count == 0 &&
                     c.comment_count == 0 && c.adjective_count == 0 && c.special_count == 0;
  if (plain) return GoMoving(s);
  if (c.verb == "schaue" && c.object_count == 0) {
    if (c.direction == "hoch") return Reply(s, Cp850("Über dir siehst du nichts Besonderes."));
    if (c.direction == "runter") return Reply(s, "Unter dir siehst du nichts Besonderes.");
    return Reply(s, "Du solltest einfach in eine Richtung gehen, um zu sehen, was es dort gibt.");
  }
  if (c.verb == "steige" && c.preposition_count == 0) {
    const bool up = c.direction == "hoch";
    const bool down = c.direction == "runter";
    if (c.object_count == 0 && (up || down)) return GoMoving(s);
    if (up && OneOf(c.object1, {"turm", "strickleiter", "baum", "bäume"})) return GoMoving(s);
    if (down && OneOf(c.object1, {"turm", "brunnen"})) return GoMoving(s);
  }
  return RejectAtOnce(s, console, ParserMessage(ParserText::kDirectionOutOfPlace));
}

}  // namespace

Route ReplyToComment(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.comment_count > 1) return Reject(s, ParserText::kSeveralComments);
  if (c.direction_count != 0 || c.adjective_count != 0 || c.alles_count != 0 || c.article_count != 0 ||
      c.verb_count != 0 || c.object_count != 0 || c.mit_count != 0 || c.special_count != 0) {
    return Reject(s, ParserText::kWordsDoNotConnect);
  }
  if (CommentReplyCountsMove(c.comment_word)) ++s.move_count;
  return Reply(s, std::string(CommentReply(c.comment_word)));
}

Route RunSentenceChecks(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  MarkPlurals(c);
  if (c.comment_count != 0 || c.special_count != 0 || c.direction_count != 0) s.pending_mode = 0;
  ClearUncheckedArticles(s);
  if (ParseStep stop = CheckDativeArticle(s)) return *stop;
  CarryAddressedPerson(s);
  if (ParseStep stop = TakeAnswer(s)) return *stop;
  if (ParseStep stop = CheckAlles(s)) return *stop;
  if (ParseStep stop = SupplyDefaultObjects(s, console)) return *stop;

  RausOutcome raus = RausOutcome::kGoOn;
  if (ParseStep stop = CheckRaus(s, raus)) return *stop;
  if (raus == RausOutcome::kGoOn) {
    if (ParseStep stop = RunCorrection(s, console)) return *stop;
    bool straight_to_directions = false;
    if (ParseStep stop = CheckPrepositions(s, console, straight_to_directions)) return *stop;
    if (!straight_to_directions) {
      if (ParseStep stop = CheckMit(s)) return *stop;
    }
  }
  if (ParseStep stop = CheckDirections(s, console)) return *stop;

  if (c.special_count != 0) return Route::kSpecialCommand;
  if (c.comment_count != 0) return ReplyToComment(s);
  return RunSecondStage(s, console);
}
