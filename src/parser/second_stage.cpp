#include "parser/second_stage.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/text_output.h"
#include "parser/name_forms.h"
#include "parser/parser_messages.h"
#include "parser/shared_answers.h"
#include "parser/visible_words.h"
#include "world/encoding.h"

namespace {

bool IsLookVerb(const std::string& verb) { return verb == "schaue" || verb == "schau" || verb == "l"; }

// A question whose answer without a verb is completed with this verb.
Route AskRemembering(GameSession& s, const Text& question, const Text& completion = std::string()) {
  s.context_verb = s.command.verb;
  s.context_verb_turns = 2;
  return Ask(s, question, completion);
}

// "[Was willst du " + verb + "n?]" and the like: the verb's infinitive.
std::string Infinitive(const std::string& verb) { return verb + "n"; }

// --- the verb ---------------------------------------------------------------

// True when the classifier has put the person spoken to in front of a later
// sentence of the line ("frage biber nach korb und nach wolf").
bool CarriesAddressedPerson(const GameSession& s) {
  const ParsedCommand& c = s.command;
  return OneOf(s.context_verb, {"erzähle", "frage", "gebe", "zeige"}) && c.object_count == 2 && c.object1_pos == 0 &&
         !s.addressed_person.empty() && c.object1 == s.addressed_person;
}

// The sentence is read again from the top of the turn with the carried verb
// in front of it (and the person spoken to, who would otherwise be lost);
// the rest of the typed line follows it as before.
Route ReparseWithContextVerb(GameSession& s) {
  std::string line = s.input_line;
  if (s.more_sentences_pending && (" " + line + " ").find(" und ") == std::string::npos) {
    line += " und " + s.pending_sentences;
  }
  if (CarriesAddressedPerson(s)) line = s.addressed_person + " " + line;
  s.context_verb_turns = 1;
  ReadLineNext(s, s.context_verb + " " + line);
  return Route::kTopOfTurn;
}

ParseStep CheckVerb(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.verb_count == 0 && !IsLookVerb(c.verb)) {
    if (!s.context_verb.empty()) return ReparseWithContextVerb(s);
    s.line_from_program = 0;
    if (s.more_sentences_pending) {
      return Reject(s, Cp850("[Der zuerst zu bearbeitende Satzteil enthält kein Verb.]"));
    }
    return Reject(s, ParserText::kNoVerb);
  }
  if (c.verb_count > 1) return Reject(s, "[Bitte nur ein Verb pro Satzteil verwenden!]");
  return std::nullopt;
}

// --- throwing into, taking off and out of something -------------------------

std::string TakeOutAnswer(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.object1 == "dich" && c.object2 == "dich") return Cp850("Das ist unmöglich.");
  if (c.object1 == "bienen" && c.object2 == "honigglas" && s.bees_at_jar) {
    return "Du willst nicht riskieren, von ihnen gestochen zu werden.";
  }
  if (c.object1 == "honig" && c.object2 == "honigglas") return Cp850("Das würde dir wirklich nicht weiterhelfen.");
  if (c.object1 == "oma" && c.object2 == "bett") return "Das geht nun wirklich nicht.";
  if ((c.object1 == "wein" || c.object1 == "weinflasche") && c.object2 == "korb") {
    return Cp850("Die Weinflasche ist ein Geschenk für deine Oma und im Korb besser aufgehoben.");
  }
  if (c.object1 == "kuchen" && c.object2 == "korb") {
    return Cp850(
        "Wie du dich kennst, würde dir der Kuchen nach drei Schritten auf den Boden fallen. Im Korb ist er "
        "sicherer.");
  }
  if (c.object1 == "taler" && Is(c.object2, "münzausgabe") && s.coin_state == kCoinInReturn) {
    s.coin_state = kCoinCarried;
    return Cp850("Du nimmst den Taler aus der Münzausgabe.");
  }
  if (c.object1 == "wein" && c.object2 == "weinflasche") {
    return Cp850("Außerhalb der Flasche lässt sich der Wein nicht transportieren.");
  }

  std::string text = "Aber ";
  if (c.object1 == "dich") {
    text += "du bist nicht in ";
  } else {
    text += NominativeArticle(c.object1_gender, c.object1_plural) + " " + Capitalise(c.object1) + " ";
    text += c.object1_plural ? "sind nicht in " : "ist nicht in ";
  }
  if (c.object2 == "dich") {
    text += "dir.";
  } else if (c.object2_plural) {
    text += "den " + c.object2_dative_name + ".";
  } else {
    text += (c.object2_gender == kFeminine ? "der " : "dem ") + Capitalise(c.object2) + ".";
  }
  return text;
}

ParseStep CheckTakeOutAndThrowIn(GameSession& s) {
  const ParsedCommand& c = s.command;
  if (c.verb == "werfe" && c.preposition == "in" && c.object_count == 0) {
    return Ask(s, "[Was willst du in etwas werfen?]", " werfe in ");
  }
  if (c.verb != "nehme") return std::nullopt;
  if (c.preposition == "ab" && c.object_count == 0) {
    return Ask(s, "[Was willst du ab" + Infinitive(c.verb) + "?]", " nehme ab ");
  }
  if (c.preposition != "aus") return std::nullopt;
  if (c.object_count == 0) return Ask(s, "[Was willst du aus etwas nehmen?]", " nehme aus ");
  if (c.object_count == 1) {
    FillNameForms(s);
    return Ask(s, "[Aus was willst du " + s.object1_article + Capitalise(c.object1) + " nehmen?]",
               " nehme " + c.object1 + " aus ");
  }
  if (c.object1 == "wasser" && c.object2 == "bach") return std::nullopt;
  const int coin_state_before = s.coin_state;
  const std::string answer = TakeOutAnswer(s);
  if (s.coin_state != coin_state_before) return Reply(s, answer);
  return Reject(s, answer);
}

// --- no object --------------------------------------------------------------

// Sitting down needs no object: the player sits on the bench of the forest
// path, or just sits. The verbs' sit handler answers.
Route SitDown(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  c.verb = "setze";
  c.object1 = "dich";
  c.object1_gender = kMasculine;
  c.object_count = 1;
  if (s.current_room == kForestPath) {
    PrintNote(s, console, "(setze dich auf die Bank)");
    c.object2 = "bank";
    c.object2_gender = kFeminine;
    c.object_count = 2;
  } else {
    PrintNote(s, console, "(setze dich)");
  }
  FillNameForms(s);
  return Route::kVerbChain;
}

ParseStep CheckVerbWithoutObject(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object_count != 0 || IsLookVerb(c.verb)) return std::nullopt;

  if (c.adjective_count > 0 && c.alles_count == 0) {
    return Reject(s, "[Hier fehlt das Objekt, so dass dieser Satz keinen Sinn ergibt.]");
  }
  if (c.alles_count > 0) {
    if (c.adjective_count > 0) {
      return Reject(s, "['Alles' kann nicht in Verbindung mit '" + c.adjective1 + "' verwendet werden.]");
    }
    // Taking or putting down everything is the verbs' business.
    if (c.alles_count == 1 && (c.verb == "nehme" || c.verb == "lege")) return Route::kVerbChain;
    return Reject(s, ParserText::kOnlyTakeAllOrDropAll);
  }

  const std::string& verb = c.verb;
  const std::string& prep = c.preposition;
  const std::string infinitive = Infinitive(verb);

  if (OneOf(verb, {"zünde", "entzünde"})) {
    if (Is(verb, "zünde") && prep.empty()) PrintNote(s, console, Cp850("(zünde an)"));
    return AskRemembering(s, Cp850("[Was willst du anzünden?]"), Cp850(" zünde an "));
  }
  if (verb == "denke") return AskRemembering(s, "[An was willst du " + infinitive + "?]", " denke an ");
  if (verb == "krieche" && prep == "unter") {
    return AskRemembering(s, "[Unter was willst du " + infinitive + "?]", " krieche unter ");
  }
  if (verb == "krieche") {
    ++s.move_count;
    return Reply(s, "Kriechen hilft dir nicht weiter.");
  }
  if (Is(verb, "löse") && prep == "ein") {
    return AskRemembering(s, Cp850("[Was willst du einlösen?]"), Cp850(" löse ein "));
  }
  if (OneOf(verb, {"grüße", "umarme", "wecke", "rufe"})) {
    return AskRemembering(s, "[Wen willst du " + infinitive + "?]", verb + " ");
  }
  if (verb == "lausche" && prep == "an") {
    return AskRemembering(s, "[An was willst du " + infinitive + "?]", "lausche an ");
  }
  if (verb == "lausche") return Route::kVerbChain;  // listening needs no object
  if ((verb == "setze" && prep.empty()) || (verb == "sitze" && (prep.empty() || prep == "auf"))) {
    return SitDown(s, console);
  }
  if (verb == "setze" && (prep == "auf" || prep == "in")) return Reject(s, "[Hier fehlt das Objekt.]");
  if (verb == "rede") return Reject(s, ParserText::kUseAskAndTell);
  if (verb == "stehe") return Reject(s, "Du stehst bereits.");
  if (verb == "streichle") return AskRemembering(s, "[Was willst du streicheln?]", " streichle ");
  if (verb == "kitzle") return AskRemembering(s, "[Was willst du kitzeln?]", " kitzle ");
  if (verb == "werfe" && prep.empty()) return AskRemembering(s, "[Was willst du " + infinitive + "?]", "werfe ");
  if (verb == "werfe" && (prep == "um" || prep == "ab")) {
    return AskRemembering(s, "[Was willst du " + prep + infinitive + "?]",
                          prep == "um" ? std::string("werfe um ") : verb + " " + "ab");
  }
  if (verb == "werfe" && prep != "in") return AskRemembering(s, "[Was willst du " + infinitive + "?]");
  if (verb == "ziehe" && prep == "an") return Reject(s, "[Hier fehlt das Objekt.]");
  if (verb == "ziehe" && prep == "aus") {
    return AskRemembering(s, "[Was willst du " + prep + infinitive + "?]", "ziehe aus ");
  }
  if (verb == "ziehe") return AskRemembering(s, "[An was willst du " + infinitive + "?]", " ziehe an ");
  if (verb == "grabe") return AskRemembering(s, "[Worin?]");
  if (verb == "rieche") return AskRemembering(s, "[An was willst du " + infinitive + "?]");
  if (verb == "steige") {
    if (prep == "auf") return AskRemembering(s, "[Auf was willst du " + infinitive + "?]", "steige auf ");
    if (prep == "durch") return AskRemembering(s, "[Durch was willst du " + infinitive + "?]", "steige durch ");
    if (prep == "aus") return AskRemembering(s, "[Aus was willst du " + infinitive + "?]", "steige aus ");
    if (prep == "in") return AskRemembering(s, "[In was willst du klettern?]", "steige in ");
    return AskRemembering(s, "[Auf was willst du " + infinitive + "?]", "steige auf ");
  }
  if (verb == "schalte" && prep.empty()) {
    return AskRemembering(s, Cp850("[Was möchtest du an- oder ausschalten?]"), verb + " ");
  }
  if (verb == "schalte" && (prep == "an" || prep == "aus")) {
    return AskRemembering(s, "[Was willst du " + prep + infinitive + "?]", "schalte " + prep + " ");
  }
  if (verb == "klopfe") return AskRemembering(s, "[Gegen was willst du " + infinitive + "?]");
  if (verb == "stelle") return AskRemembering(s, "[Was willst du hin" + infinitive + "?]");
  if (verb == "gehe") {
    if (prep == "in") return AskRemembering(s, "[In was willst du " + infinitive + "?" + "]", "gehe in ");
    if (prep == "zu") return AskRemembering(s, "[Zu was willst du " + infinitive + "?" + "]", "gehe zu ");
    if (prep == "auf") return AskRemembering(s, "[Auf was willst du " + infinitive + "?" + "]", "gehe auf ");
    if (prep == "durch") {
      return AskRemembering(s, "[Durch was willst du " + infinitive + "?" + "]", "gehe durch ");
    }
    return AskRemembering(s, "[Wohin willst du " + infinitive + "?" + "]");
  }
  if (verb == "werfe" && prep == "in") {
    return AskRemembering(s, "[Was willst du in etwas " + infinitive + "?" + "]", "werfe in ");
  }
  if (verb == "stecke" && (prep == "in" || prep.empty())) {
    if (prep.empty()) PrintNote(s, console, "(stecke in)");
    return AskRemembering(s, "[Was willst du in etwas " + infinitive + "?" + "]", "stecke in ");
  }
  if (verb == "lege" && prep == "in") {
    return AskRemembering(s, "[Was willst du in etwas " + infinitive + "?" + "]", "lege in ");
  }
  if (verb == "lege" && prep == "auf") {
    return AskRemembering(s, "[Was willst du auf etwas " + infinitive + "?" + "]", "lege ");
  }
  if (verb == "lege") return AskRemembering(s, "[Was willst du hin" + infinitive + "?" + "]");
  if (OneOf(verb, {"zeige", "gebe", "erzähle"})) {
    return AskRemembering(s, "[Wem willst du etwas " + infinitive + "?]");
  }
  if (verb == "frage") return AskRemembering(s, "[Wen willst du etwas " + infinitive + "?]");
  if (verb == "springe") return std::nullopt;
  return AskRemembering(s, "[Was willst du " + infinitive + "?]");
}

// --- several objects and articles -------------------------------------------

bool MitBeforeObject1(const ParsedCommand& c) { return c.mit_count > 0 && c.mit_pos < c.object1_pos; }
bool MitAfterObject1(const ParsedCommand& c) { return c.mit_count > 0 && c.mit_pos > c.object1_pos; }

bool NamesPersonFirst(const ParsedCommand& c) {
  return OneOf(c.verb, {"frage", "erzähle", "gebe", "zeige"}) && c.verb_pos < c.object1_pos;
}

Route ArticleMakesNoSense(GameSession& s, const std::string& article) {
  return Reject(s, "[Hier ergibt '" + article + "' keinen Sinn.]");
}

// An article belongs to the object it stands before. A single article of a
// two-object sentence is put into the field of its object; a sentence that
// names the person first gives the person none, so there it is the thing's.
void AssignSingleArticle(ParsedCommand& c) {
  if (c.object_count < 2 || c.first_article.empty() == c.second_article.empty()) return;
  std::string article = c.first_article.empty() ? c.second_article : c.first_article;
  const int pos = c.first_article.empty() ? c.second_article_pos : c.first_article_pos;
  int owner = pos > c.object1_pos ? 2 : 1;
  if (pos < c.object1_pos && pos < c.object2_pos) owner = c.object1_pos < c.object2_pos ? 1 : 2;
  if (pos > c.object1_pos && pos < c.object2_pos) owner = 2;
  if (pos > c.object2_pos && pos < c.object1_pos) owner = 1;
  // "gib den korb bär": a lone accusative of the thing named first stays
  // with it, so that the person is put first below.
  const bool gives_thing_first = c.verb == "gebe" && owner == 1 && pos < c.object1_pos &&
                                 article == AccusativeArticle(c.object1_gender, c.object1_plural);
  if (NamesPersonFirst(c) && !gives_thing_first) owner = 2;
  c.first_article.clear();
  c.second_article.clear();
  c.first_article_pos = 0;
  c.second_article_pos = 0;
  if (owner == 1) {
    c.first_article = std::move(article);
    c.first_article_pos = pos;
  } else {
    c.second_article = std::move(article);
    c.second_article_pos = pos;
  }
}

ParseStep CheckArticles(GameSession& s) {
  ParsedCommand& c = s.command;
  AssignSingleArticle(c);

  const std::string& art1 = c.first_article;
  const std::string& art2 = c.second_article;
  const bool two_objects = c.object_count >= 2;

  if (two_objects && MitBeforeObject1(c) && c.object2_plural && !art2.empty() && art2 != "den") {
    return ArticleMakesNoSense(s, art2);
  }
  if (IsLookVerb(c.verb) && c.object_count >= 1 && !art1.empty() &&
      art1 != AccusativeArticle(c.object1_gender, c.object1_plural)) {
    return Reject(s, "[In diesem Zusammenhang ergibt '" + art1 + "' " + Cp850("für mich keinen Sinn.]"));
  }

  if (!two_objects || art2.empty()) return std::nullopt;
  const std::string accusative2 = AccusativeArticle(c.object2_gender, c.object2_plural);
  const std::string dative2 = DativeArticle(c.object2_gender, c.object2_plural);

  if (c.verb == "gebe" || c.verb == "zeige") {
    if (art2 != accusative2 && art2 != dative2) return Reject(s, "[Hier ergibt '" + art2 + "' keinen Sinn!]");
    return std::nullopt;
  }
  std::string needed;
  if (OneOf(c.verb, {"lege", "stelle", "setze"})) {
    needed = accusative2;
  } else if (Is(c.verb, "erzähle")) {
    needed = dative2;
  } else if (c.object2_plural) {
    if (MitBeforeObject1(c)) return std::nullopt;  // the instrument's article was checked above
    if (c.verb == "frage") return std::nullopt;    // "nach den Bienen": checked once the move is counted
    needed = MitAfterObject1(c) ? "den" : "die";
  } else if (OneOf(c.verb, {"werfe", "stecke", "frage"})) {
    return std::nullopt;
  } else {
    needed = dative2;
  }
  if (art2 != needed) return ArticleMakesNoSense(s, art2);
  return std::nullopt;
}

// "gib den Korb dem Bären": the person is always object 1 of "gebe" and
// "zeige", the thing object 2.
void PutPersonFirst(ParsedCommand& c) {
  if (c.object_count < 2 || (c.verb != "gebe" && c.verb != "zeige")) return;
  const std::string& art1 = c.first_article;
  const std::string& art2 = c.second_article;
  const std::string dative2 = DativeArticle(c.object2_gender, c.object2_plural);
  const bool thing_named_first =
      (!art2.empty() && art2 == dative2) ||
      (c.verb == "gebe" && !art1.empty() && art1 == AccusativeArticle(c.object1_gender, c.object1_plural) &&
       (art2.empty() || art2 == dative2));
  if (thing_named_first) SwapObjects(c, false, true);
}

ParseStep CheckObjectsAndArticles(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.object_count > 0 && s.more_sentences_pending) s.context_verb = c.verb;

  const auto gives_or_shows = [&](const std::string& verb) { return verb == "gebe" || verb == "zeige"; };
  if (c.object_count >= 2 &&
      (c.preposition == "um" || (c.mit_count == 0 && c.preposition_count == 0 && c.und_count == 0 &&
                                 !gives_or_shows(c.verb) && !gives_or_shows(s.context_verb)))) {
    return Reject(s, Cp850("[Mit diesem Verb können nicht mehrere Objekte verwendet werden.]"));
  }
  if (c.object_count > 2 && c.und_count == 0) return Reject(s, ParserText::kAtMostTwoObjects);
  if (c.article_count > c.object_count) PrintNote(s, console, "[Du benutzt mehr Artikel als Objekte!?]");
  if (c.pronoun_count > 1) return Reject(s, "[Jetzt verwirrst du mich dann doch... Das habe ich nicht verstanden.]");

  // The thing acted on comes first, the instrument second.
  if (c.object_count == 2 && MitBeforeObject1(c)) SwapObjects(c, true, c.adjective_count >= 2);

  if (ParseStep step = CheckArticles(s)) return step;
  PutPersonFirst(c);
  return std::nullopt;
}

// After the move has been counted: the article of object 1, and the articles
// of a question about something. A misfit takes the move back.
ParseStep CheckArticlesAfterMove(GameSession& s) {
  ParsedCommand& c = s.command;
  if (c.object_count == 0) return std::nullopt;
  const auto misfit = [&](const std::string& article) {
    --s.move_count;
    return ArticleMakesNoSense(s, article);
  };

  if (c.verb == "frage") {
    // Each article belongs to the object it stands before: the person is
    // asked in the accusative ("frage das schaf"), about something in the
    // dative ("nach dem gras").
    for (const auto& [article, pos] :
         {std::pair(c.first_article, c.first_article_pos), std::pair(c.second_article, c.second_article_pos)}) {
      if (article.empty()) continue;
      const bool of_person = pos < c.object1_pos || c.object_count < 2;
      const std::string fits = of_person ? AccusativeArticle(c.object1_gender, c.object1_plural)
                                         : DativeArticle(c.object2_gender, c.object2_plural);
      if (article != fits) return misfit(article);
    }
    return std::nullopt;
  }

  if (OneOf(c.verb, {"erzähle", "gebe", "rieche", "lausche", "ziehe", "grabe", "zeige"})) return std::nullopt;
  const std::string& art1 = c.first_article;
  if (art1.empty()) return std::nullopt;
  if (c.verb == "gehe" && c.preposition == "zu") {
    if (art1 != DativeArticle(c.object1_gender, c.object1_plural)) return misfit(art1);
  } else if (!c.object1_plural && art1 != AccusativeArticle(c.object1_gender, 0)) {
    return misfit(art1);
  }
  return std::nullopt;
}

// --- adjectives -------------------------------------------------------------

// The nouns an adjective may describe, or nullopt for an adjective that fits
// anything. Later rows of the table override earlier ones.
std::optional<std::vector<std::string>> NounsFitting(const GameSession& s, const std::string& adjective) {
  std::optional<std::vector<std::string>> nouns;
  const auto row = [&](bool applies, std::initializer_list<std::string_view> fitting) {
    if (!applies) return;
    nouns.emplace();
    for (std::string_view noun : fitting) nouns->push_back(Cp850(noun));
  };
  const auto has = [&](const char* part) { return Contains(adjective, part); };
  const int room = s.current_room;
  const bool dark_grey = has("dunkelgrau");

  if (has("verbogen")) {
    if (s.key_bent) {
      row(true, {"schlüssel"});
    } else {
      row(true, {});
    }
  }
  if (has("zerrissen")) {
    if (s.newspaper_torn) {
      row(true, {"zeitung"});
    } else {
      row(true, {});
    }
  }
  if (has("orange")) {
    if (room == kBeaverMarket) {
      row(true, {"biber", "fell"});
    } else {
      row(true, {"biber"});
    }
  }
  row(has("schwarz"), {"hosenanzug"});
  row(has("schmal"), {"weg", "brücke"});
  row(has("alt"), {"bank"});
  row(has("heutig"), {"zeitung"});
  row(has("emsig"), {"gesumme"});
  row(has("riesig") || has("braun"), {"bären"});
  row(has("saftig"), {"gras"});
  row(has("schön"), {"wiese"});
  row(has("bös"), {"wolf"});
  row(has("zahllos"), {"bienen"});
  row(has("lecker"), {"honig"});
  row(has("steinern"), {"brunnen"});
  row(has("grün"), {"frosch", "gras", "wiese", "grünzeug", "baum", "bäume"});
  row(has("eklig"), {"frosch"});
  row(has("golden"), {"kugel"});
  row(has("dick"), {"zigarre"});
  row(has("grau") && !dark_grey, {"anzug"});
  row((has("dunkel") || has("dunkle")) && !dark_grey, {"sonnenbrille", "brille", "wald"});
  if (dark_grey || has("grau")) {
    if (room == kBridgeApproach && !s.wolf_gone) row(true, {"wolf", "fell", "anzug"});
    if (room == kBeaverMarket) row(true, {});
  }
  row(has("klein"), {"schafherde", "herde", "haus", "schweinchen", "schlüsseldienst"});
  row(has("ratlos"), {"schafherde", "herde"});
  row(has("trocken"), {"wein"});
  row(has("hoh"), {"bäume"});
  row(has("dicht"), {"gestrüpp", "gebüsch"});
  row(has("rot"), {"kappe", "käppchen"});
  return nouns;
}

// "Du siehst hier keinen goldenen Korb."
std::string NoSuchThing(const std::string& adjective, const std::string& noun, int gender, int plural) {
  std::string text = "Du siehst hier ";
  if (plural == 1) {
    text += "keine " + adjective + "n ";
  } else if (gender == 1) {
    text += "keinen " + adjective + "n ";
  } else if (gender == 2) {
    text += "keine " + adjective + " ";
  } else {
    text += "kein " + adjective + "s ";
  }
  return text + (noun == "dich" ? std::string("Spieler") : Capitalise(noun)) + ".";
}

std::string BaseColourForm(const std::string& adjective) {
  if (adjective == "orange" || adjective == "orangene") return "orangefarbene";
  return adjective;
}

// The object an adjective describes: the one it stands before. An adjective
// behind every object stays with the object of its own field.
int ObjectOfAdjective(const ParsedCommand& c, int adjective_pos, int field_object) {
  int object = 0;
  int object_pos = 0;
  const auto consider = [&](int index, int pos) {
    if (index <= c.object_count && pos > adjective_pos && (object == 0 || pos < object_pos)) {
      object = index;
      object_pos = pos;
    }
  };
  consider(1, c.object1_pos);
  consider(2, c.object2_pos);
  return object != 0 ? object : field_object;
}

ParseStep CheckAdjectives(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.adjective_count == 0) return std::nullopt;
  c.adjective1 = BaseColourForm(c.adjective1);
  c.adjective2 = BaseColourForm(c.adjective2);

  const auto refuses = [&](const std::string& adjective, int object) {
    const std::string& noun = object == 1 ? c.object1 : c.object2;
    if (adjective.empty() || noun.empty()) return false;
    const auto nouns = NounsFitting(s, adjective);
    if (!nouns) return false;
    for (const std::string& fitting : *nouns) {
      if (fitting == noun) return false;
    }
    const int gender = object == 1 ? c.object1_gender : c.object2_gender;
    const int plural = object == 1 ? c.object1_plural : c.object2_plural;
    PrintMessage(s, console, NoSuchThing(adjective, noun, gender, plural));
    return true;
  };
  const int first_object = ObjectOfAdjective(c, c.adjective1_pos, 1);
  const int second_object = ObjectOfAdjective(c, c.adjective2_pos, 2);
  // The adjective of object 1 is tested first.
  const bool refused = second_object < first_object
                           ? refuses(c.adjective2, second_object) || refuses(c.adjective1, first_object)
                           : refuses(c.adjective1, first_object) || refuses(c.adjective2, second_object);
  if (refused) {
    s.more_sentences_pending = 0;
    return Route::kTopOfTurn;
  }
  return std::nullopt;
}

// --- presence ---------------------------------------------------------------

std::string NotHere(const std::string& noun, int gender) {
  const char* none = gender == 1 ? "keinen " : gender == 2 ? "keine " : "kein ";
  return "Du siehst hier " + std::string(none) + Capitalise(noun) + ".";
}

bool StandsBetweenVerbAndObject1(const ParsedCommand& c, std::string_view preposition) {
  return c.preposition == preposition && c.preposition_pos > c.verb_pos && c.preposition_pos < c.object1_pos;
}

ParseStep CheckPresence(GameSession& s) {
  BuildVisibleWords(s);
  const ParsedCommand& c = s.command;
  if (c.object_count == 0) return std::nullopt;

  if (!IsObject1Visible(s)) {
    const std::string& noun = c.object1;
    const bool passes = (Is(c.verb, "erzähle") && StandsBetweenVerbAndObject1(c, "von")) ||
                        (c.verb == "frage" && StandsBetweenVerbAndObject1(c, "nach")) || c.verb == "rufe" ||
                        c.verb == "denke";
    if (!passes) {
      if (noun == "gesumme" || Is(noun, "geplätscher")) {
        return Reject(s, Cp850("Du hörst kein ") + Capitalise(noun) + ".");
      }
      if (OneOf(noun, {"oma", "großmutter", "mama", "mutter", "mutti", "mami"})) {
        return Reject(s, "Du siehst deine " + Capitalise(noun) + " hier nicht.");
      }
      if (noun == "rapunzel" || IsPersonalName(noun)) {
        return Reject(s, "Du siehst " + Capitalise(noun) + " hier nicht.");
      }
      if (OneOf(noun, {"papa", "papi", "vater", "vati"})) {
        return Reject(s, "Du siehst deinen " + Capitalise(noun) + " hier nicht.");
      }
      return Reject(s, NotHere(noun, c.object1_gender));
    }
  }

  if (c.object_count >= 2 && !IsObject2Visible(s)) {
    const std::string& noun = c.object2;
    if (c.verb == "frage" || Is(c.verb, "erzähle")) return std::nullopt;
    if (noun == "gesumme") return Reject(s, Cp850("Du hörst kein ") + Capitalise(noun) + ".");
    if (noun == "rapunzel" || IsPersonalName(noun)) return std::nullopt;
    return Reject(s, NotHere(noun, c.object2_gender));
  }
  return std::nullopt;
}

// --- things that cannot be touched ------------------------------------------

// The dative name of the intangible thing the command is aimed at, if any.
std::string IntangibleThing(const ParsedCommand& c) {
  const auto named = [&](std::string_view noun) { return Is(c.object1, noun) || Is(c.object2, noun); };
  const std::string& verb = c.verb;
  if (named("gesumme") && verb != "lausche" && verb != "untersuche") return "dem Gesumme";
  if (named("geplätscher") && verb != "lausche" && verb != "untersuche") return Cp850("dem Geplätscher");
  if (named("licht") && verb != "untersuche") return "dem Licht";
  if (named("sonne") && verb != "untersuche") return "der Sonne";
  if (named("wind") && verb != "untersuche" && verb != "lausche") return "dem Wind";
  return {};
}

ParseStep CheckIntangible(GameSession& s) {
  const ParsedCommand& c = s.command;
  const std::string thing = IntangibleThing(c);
  if (thing.empty()) return std::nullopt;
  if (c.verb == "folge") {
    // Following the humming leads to the meadow: the verbs take it there.
    if (c.object1 == "gesumme" && s.current_room == kDeepForest) return Route::kVerbChain;
    return Ask(s, "[Wohin willst du gehen?]", " gehe ");
  }
  return RouteOf(SayNotPossibleWith(s, thing));
}

}  // namespace

ParseStep CheckCommand(GameSession& s, Console& console) {
  if (ParseStep step = CheckVerb(s)) return step;
  if (ParseStep step = CheckTakeOutAndThrowIn(s)) return step;
  if (ParseStep step = CheckVerbWithoutObject(s, console)) return step;
  if (ParseStep step = CheckObjectsAndArticles(s, console)) return step;
  if (ParseStep step = CheckAdjectives(s, console)) return step;
  if (ParseStep step = CheckPresence(s)) return step;

  FillNameForms(s);
  ++s.move_count;  // every command that gets this far counts as a move

  if (ParseStep step = CheckArticlesAfterMove(s)) return step;
  if (ParseStep step = CheckIntangible(s)) return step;

  const ParsedCommand& c = s.command;
  if (Is(c.verb, "erzähle") && c.object_count == 1 && s.more_sentences_pending) {
    --s.move_count;
    s.pending_completion.clear();
    s.pending_mode = 0;
    return Reject(s, Cp850("[Auf diese Weise sind Aufzählungen nicht möglich.]"));
  }
  return std::nullopt;
}

Route RunSecondStage(GameSession& s, Console& console) {
  if (ParseStep stop = CheckCommand(s, console)) return *stop;
  return Route::kVerbChain;
}
