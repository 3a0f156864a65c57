// Talking: telling, asking, calling.
#include <initializer_list>
#include <string>
#include <string_view>

#include "parser/parser_messages.h"
#include "story/verbs/handlers.h"
#include "story/verbs/verb_support.h"
#include "world/text_case.h"

namespace {

// "erzähle von der kugel": the preposition stands between the verb and the
// only object, which is then the topic and nobody is named.
bool NamesOnlyTheTopic(const ParsedCommand& c, std::initializer_list<std::string_view> prepositions) {
  return c.object_count == 1 && OneOf(c.preposition, prepositions) && c.preposition_pos > c.verb_pos &&
         c.preposition_pos < c.object1_pos;
}

// The topic becomes object 2 and the listener object 1, whom the note names.
void SpeakTo(GameSession& s, Console& console, const char* person, int gender, const char* note) {
  PutInFront(s, Cp850(person), gender);
  PrintMessage(s, console, note);
}

// A second object that is empty counts as none.
void DropEmptySecondObject(ParsedCommand& c) {
  if (c.object_count >= 2 && c.object2.empty()) c.object_count = 1;
}

// --- telling ------------------------------------------------------------------

TurnEnd TellAbout(GameSession& s, Console& console) {
  const ParsedCommand& c = s.command;
  const std::string& listener = c.object1;
  const std::string& topic = c.object2;
  if (listener == "dich") return Answer(s, "Redest du wieder mit dir selbst?");
  if (listener == "schaf") {
    return Answer(s, Paragraph("Das Schaf schaut dich nur dämlich an und versteht offensichtlich kein Wort von dem, "
                               "was du sagst."));
  }
  if (IsSheep(listener)) {
    return Answer(s, Paragraph("Die Schafe schauen dich nur dämlich an und verstehen offensichtlich kein Wort von "
                               "dem, was du sagst."));
  }
  if (listener == "wolf" && topic == "zeitung" && s.newspaper_read) {
    return Answer(s, Paragraph("'Ach, du hast über mich gelesen? Du siehst, ich bin eine Berühmtheit und doch so "
                               "bescheiden!'"));
  }
  if (listener == "wolf" && topic == "kugel" && s.ball_state == kBallCarried) {
    return WolfGrabsTheBall(s, console,
                            Paragraph("Kaum hast du dem Wolf erzählt, dass du die goldene Kugel hast, reißt er sie "
                                      "gierig an sich und lässt sie in seinem Anzug verschwinden."));
  }
  return Answer(s, Cp850("Du weißt nicht, was du ") + DativeName(s, 1) + " von " + DativeName(s, 2) +
                       Cp850(" erzählen solltest."));
}

// Who hears what is told when only the topic is named.
TurnStep TellWhoeverIsHere(GameSession& s, Console& console) {
  switch (s.current_room) {
    case kHoneyStand:
      if (!s.spare_key_found) {
        SpeakTo(s, console, "bären", kMasculine, "(dem Bären)");
        return TellAbout(s, console);
      }
      break;
    case kWell:
      if (s.frog_state < kFrogIsToad) {
        SpeakTo(s, console, "frosch", kMasculine, "(dem Frosch)");
        return TellAbout(s, console);
      }
      break;
    case kBridgeApproach:
      if (!s.wolf_gone) {
        SpeakTo(s, console, "wolf", kMasculine, "(dem Wolf)");
        return TellAbout(s, console);
      }
      break;
    case kHouseFront:
    case kHouseInside:
      // Oma hears her granddaughter through the open door.
      if (s.current_room == kHouseInside || s.door_open) {
        SpeakTo(s, console, "oma", kFeminine, "(der Oma)");
        return TellAbout(s, console);
      }
      break;
    default:
      break;
  }
  return Answer(s, "Hier ist niemand, dem du etwas erzählen kannst.");
}

// --- asking -------------------------------------------------------------------

const char* const kNothingToSay = "'Darüber kann ich dir nichts sagen.'";

// Whether the key the beaver would look at is at hand: his, carried, or lying here.
bool KeyAtHand(const GameSession& s) {
  if (s.key_holder == kKeyWithBeaver || s.key_holder == kKeyCarried) return true;
  return s.spare_key_found && !s.key_under_mat && s.key_room == s.current_room;
}

TurnEnd BeaverOnTheDoor(GameSession& s) {
  if (!s.door_locked) return Answer(s, "Du weißt nicht, was genau du den Biber zu der Tür fragen solltest.");
  if (!s.visited_house_front) {
    return Answer(s, "Du weißt nicht, welche Frage du dem Biber zu einer Tür stellen solltest.");
  }
  if (!s.spare_key_found) {
    return Answer(s, Paragraph("'Abgeschlossene Türen öffnet man am besten mit einem passenden Schlüssel', sagt der "
                               "Biber."));
  }
  if (s.key_bent) {
    s.repair_offered = 1;
    return Answer(s, Paragraph("'Für jede Tür brauchst du den passenden Schlüssel. Für einen Taler repariere ich "
                               "verbogene Schlüssel', sagt der Biber."));
  }
  return Answer(s, Paragraph("'Mit deinem Schlüssel sollte es ja jetzt kein Problem mehr sein, die Tür "
                             "aufzuschließen.'"));
}

TurnEnd AskTheBeaver(GameSession& s) {
  const std::string& t = s.command.object2;
  if (Is(t, "schlüssel")) {
    if (!s.key_bent) {
      return Answer(s, Paragraph("'Er ist wieder voll und ganz in Ordnung, dein Schlüssel. Schön, dass ich ihn dir "
                                 "repariert habe!'"));
    }
    if (KeyAtHand(s)) {
      s.repair_offered = 1;
      return Answer(s, "'Dein Schlüssel ist ganz schön verbogen. Für einen Taler repariere ich ihn dir.'");
    }
    return Answer(s, Paragraph("'Du hast ja offenbar keinen Schlüssel dabei. Bring ihn beim nächsten Mal mit, dann "
                               "schaue ich ihn mir gerne an.'"));
  }
  if (t == "dich") return Answer(s, "'Du bist doch die Enkelin deiner Oma!'");
  if (Is(t, "bären")) {
    return Answer(s, Paragraph("'Waldemar ist der Beste und ein guter Freund von mir, aber seinen Honig mag ich "
                               "nicht!'"));
  }
  if (t == "honig") return Answer(s, "'Honig finde ich eklig!'");
  if (t == "honigstand") return Answer(s, "'Waldemar hat ihn selbst gebaut und ist sehr stolz darauf!'");
  if (t == "honigglas") return Answer(s, "'Da ist ekliger Honig drin. Ich hasse Honig!'");
  if (t == "wolf") {
    return Answer(s, Paragraph("'Der Wolf ist ein guter Freund von mir und hat seinen schlechten Ruf zu Unrecht.'"));
  }
  if (t == "frosch") {
    return Answer(s, Paragraph("'Der Frosch ist ein guter Freund von mir. Er lebt mehr oder weniger glücklich in "
                               "seinem Brunnen, aber so richtig wohl fühlt er sich nicht in seiner Haut.'"));
  }
  if (IsSheep(t)) return Answer(s, "'Die Schafe sind gute Freunde von mir und äußerst intelligente Tiere.'");
  if (t == "biberbaumarkt") {
    return Answer(s, Paragraph("'Im Moment hat der Baumarkt leider geschlossen. Aber morgen ist große "
                               "Wiedereröffnung, mit Rabatten auf das ganze Sortiment! Und Waldemar sorgt für "
                               "reichlich Honig.'"));
  }
  if (Is(t, "schlüsseldienst")) {
    return Answer(s, "'Mein Schlüsseldienst ist der beste im ganzen Wald. Und der einzige.'");
  }
  if (t == "hosenanzug") {
    return Answer(s, Paragraph("'Er harmoniert prächtig mit meinem orangefarbenen Fell und ist gut für die "
                               "Werbung.'"));
  }
  if (IsOma(t)) {
    return Answer(s, Paragraph("'Deine Oma? Die sieht man hier nur selten, eine Heimwerkerin ist sie nun wirklich "
                               "nicht. Aber Waldemar repariert ihr öfter mal etwas.'"));
  }
  if (t == "biber") {
    return Answer(s, Paragraph("'Mir gehören der Baumarkt und der Schlüsseldienst, aber am meisten liegt mir die "
                               "Zahngesundheit am Herzen. Bald will ich mich vergrößern, vielleicht hänge ich dann "
                               "den Hosenanzug an den Nagel', sagt der Biber mit nachdenklicher Stimme."));
  }
  if (Is(t, "tür")) return BeaverOnTheDoor(s);
  return Answer(s, kNothingToSay);
}

TurnEnd AskTheBear(GameSession& s) {
  const std::string& t = s.command.object2;
  if (Is(t, "schlüssel")) {
    // The bent key in her hand: he sends her to the beaver, as when she gives it to him.
    if (s.key_bent && s.key_holder == kKeyCarried) {
      return Answer(s, Paragraph("'Mit deinem verbogenen Schlüssel kann ich dir leider nicht weiterhelfen. Am "
                                 "besten gehst du damit zum Schlüsseldienst des Bibers.'"));
    }
    return Answer(s, "'Damit kann ich dir nicht weiterhelfen.'");
  }
  if (t == "biber") return Answer(s, "'Der Biber betreibt den Baumarkt und einen Schlüsseldienst.'");
  if (t == "dich") return Answer(s, "'Du scheinst ein freundliches Mädchen zu sein.'");
  if (Is(t, "bären")) {
    return Answer(s, Paragraph("'Waldemar Braunbär, sehr angenehm. Verkaufe den besten Honig, den es gibt!'"));
  }
  if (t == "honig") {
    return Answer(s, Paragraph("'Mhmm, leckerer Honig. Bei mir bekommst du den besten Honig überhaupt!'"));
  }
  if (t == "gutschein") {
    return Answer(s, Paragraph("'Mein ganz spezielles Angebot. Nur jetzt und nur für ganz kurze Zeit gibt es dafür "
                               "ein Glas Honig für umsonst!'"));
  }
  if (t == "honigstand") return Answer(s, "'Habe ihn selbst gebaut und bin sehr stolz darauf!'");
  if (t == "honigautomat") {
    return Answer(s, Paragraph("'Der wird gerne benutzt, wenn ich nicht hier bin. Leider funktioniert er nicht ganz "
                               "zuverlässig.'"));
  }
  if (t == "honigglas") return Answer(s, "'Das ist sehr guter Honig!'");
  if (t == "wolf") {
    return Answer(s, Paragraph("'Wie ich gehört habe, treibt der Wolf seit heute wieder sein Unwesen in diesem "
                               "Wald.'"));
  }
  if (t == "frosch") return Answer(s, "'Er lebt südwestlich der Bienenwiese in seinem Brunnen.'");
  if (IsSheep(t)) return Answer(s, "'Am westlichen Flussufer weidet gerade eine Schafherde, glaube ich.'");
  if (IsOma(t)) {
    return Answer(s, Paragraph("'Deine Oma ist eine sehr freundliche Dame mit einer angenehm tiefen Stimme. Grüß sie "
                               "schön von mir!'"));
  }
  return Answer(s, kNothingToSay);
}

TurnEnd AskTheFrog(GameSession& s) {
  const std::string& t = s.command.object2;
  if (t == "kugel") {
    return Answer(s, Paragraph("'Die Kugel gehörte einer echten Königstochter, die hier früher immer gespielt hat. "
                               "Eines Tages ist sie in den Brunnen gefallen und jämmerlich ertrunken. Die Kugel, "
                               "meine ich.'"));
  }
  if (t == "frosch") {
    return Answer(s, Paragraph("'Eigentlich bin ich gar kein Frosch, sondern eine verzauberte Schönheit der Natur. "
                               "Du hättest mich früher sehen sollen: einfach umwerfend!'"));
  }
  if (t == "brunnen") {
    return Answer(s, Paragraph("'Tja, Heidi, das ist quasi mein Zuhause. Ab und zu fällt jemand rein, das sorgt für "
                               "Abwechslung.'"));
  }
  return Answer(s, kNothingToSay);
}

TurnEnd AskTheWolf(GameSession& s) {
  const std::string& t = s.command.object2;
  if (t == "kugel") {
    return Answer(s, Paragraph("'Es ist die goldene Kugel einer Königstochter. Der Frosch hat sie im Brunnen "
                               "gefunden.'"));
  }
  if (IsSheep(t)) {
    if (s.sheep_state < kSheepShorn) {
      return Answer(s, Paragraph("'Am westlichen Flussufer weidet eine Schafherde. Hole mir eines der Schafe "
                                 "hierher!'"));
    }
    return Answer(s, "'Am westlichen Flussufer weidet eine Schafherde.'");
  }
  if (t == "fuchs") {
    return Answer(s, Paragraph("'Sie haben den Richtigen eingesperrt! Jeder weiß, dass der Fuchs die Gans gestohlen "
                               "hat!'"));
  }
  if (t == "gans") return Answer(s, "'Mit der Gans habe ich auch noch ein Hühnchen zu rupfen!'");
  if (t == "schweinchen") return Answer(s, "'Sie haben eine wirklich schöne Hütte, die drei kleinen Schweinchen.'");
  if (Is(t, "geißlein")) {
    return Answer(s, Paragraph("'Den Geißlein habe ich nie etwas getan! Eines steckte im Uhrenkasten fest, und ich "
                               "wollte es doch nur befreien.'"));
  }
  if (t == "wolf") return Answer(s, "'Was soll ich sagen? Mein Leben ist Geschichte!'");
  if (t == "frosch") {
    return Answer(s, Paragraph("'Die Spatzen pfeifen es von den Bäumen: Der Frosch hat in seinem Brunnen die goldene "
                               "Kugel einer Königstochter gefunden.'"));
  }
  if (IsOma(t)) {
    return Answer(s, Paragraph("'Dein Omilein hat heute Geburtstag, nicht wahr? Da solltest du zusehen, dass du "
                               "nicht zu spät kommst!'"));
  }
  if (t == "brunnen") {
    return Answer(s, Paragraph("'Geh von hier aus nach Süden, dann nach Westen auf die Blumenwiese und von dort nach "
                               "Südwesten. Du kannst ihn gar nicht verfehlen.'"));
  }
  return Answer(s, kNothingToSay);
}

TurnStep AskPerson(GameSession& s) {
  const std::string& person = s.command.object1;
  if (person.empty()) {
    return Answer(s, Paragraph("[Gib bitte noch einmal den vollständigen Satz ein, ich verstehe den Bezug nicht.]"));
  }
  if (person == "dich") return Answer(s, ParserMessage(ParserText::kYouBrood));
  if (Is(person, "bären")) return AskTheBear(s);
  if (person == "biber") return AskTheBeaver(s);
  if (person == "frosch") return AskTheFrog(s);
  if (person == "wolf") return AskTheWolf(s);
  if (IsOma(person) || person == "rapunzel") return std::nullopt;
  return Answer(s, ParserMessage(ParserText::kOnlyTalkingBeings));
}

// Who is asked when only the topic is named.
TurnStep AskWhoeverIsHere(GameSession& s, Console& console) {
  switch (s.current_room) {
    case kHoneyStand:
      if (!s.spare_key_found) {
        SpeakTo(s, console, "bären", kMasculine, "(den Bären)");
        return AskPerson(s);
      }
      break;
    case kWell:
      if (s.frog_state < kFrogIsToad) {
        SpeakTo(s, console, "frosch", kMasculine, "(den Frosch)");
        return AskPerson(s);
      }
      break;
    case kBridgeApproach:
      if (!s.wolf_gone) {
        SpeakTo(s, console, "wolf", kMasculine, "(den Wolf)");
        return AskPerson(s);
      }
      break;
    case kBeaverMarket:
      if (s.bell_rung) {
        SpeakTo(s, console, "biber", kMasculine, "(den Biber)");
        return AskPerson(s);
      }
      break;
    default:
      break;
  }
  return Answer(s, "Hier ist niemand, den du fragen kannst.");
}

}  // namespace

TurnStep Call(GameSession& s, Console&) {
  const ParsedCommand& c = s.command;
  if (c.verb != "rufe") return std::nullopt;
  const std::string& o = c.object1;
  const int room = s.current_room;
  if (o == "dich") return Answer(s, "Du musst nicht nach dir rufen.");
  if (o == "wolf" && room == kBridgeApproach && s.ball_state < kBallWithWolf) {
    return Answer(s, "'Warum schreist du hier herum? Ich bin doch hier!'");
  }
  if (OneOf(o, {"frosch", "kröte"}) && room == kWell) {
    if (s.frog_state < kFrogIsToad) return Answer(s, "'Ich bin doch hier', sagt der Frosch.");
    return Answer(s, Paragraph("'Lass mich in Ruhe, ich brauche meinen Schönheitsschlaf', ruft die Kröte aus den "
                               "Tiefen des Brunnens."));
  }
  if (Is(o, "bären") && room == kHoneyStand && !s.spare_key_found) {
    return Answer(s, "'Ich bin doch hier', sagt der Bär.");
  }
  if (o == "biber" && room == kBeaverMarket && s.beaver_present) {
    return Answer(s, "'Wenn ich nicht hier bin, kannst du klingeln. Du brauchst nicht zu rufen.'");
  }
  if (IsSheep(o)) return Answer(s, "Kein Schaf reagiert auf dein Rufen.");
  if (IsOma(o) && room == kHouseFront) {
    if (s.door_open) return Answer(s, "'Komm herein!', ruft die Oma mit tiefer Stimme.");
    return Answer(s, "Deine Oma reagiert nicht. Sie kann dein Rufen wohl einfach nicht hören.");
  }
  return Answer(s, "Du erhältst keine Antwort.");
}

TurnStep Talk(GameSession& s, Console&) {
  if (s.command.verb != "rede") return std::nullopt;
  return Answer(s, ParserMessage(ParserText::kUseAskAndTell));
}

TurnStep Tell(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (!Is(c.verb, "erzähle")) return std::nullopt;
  DropEmptySecondObject(c);
  if (NamesOnlyTheTopic(c, {"von", "vom"})) return TellWhoeverIsHere(s, console);
  if (c.object_count == 1) {
    std::string question;
    if (c.object1 == "dich") {
      question = "Von was willst du dir " + c.verb + "n?";
    } else {
      question = "Von was willst du " + DativeName(s, 1) + Cp850(" erzählen?");
    }
    Ask(s, question, c.verb + " " + c.object1 + " ");
    return TurnEnd::kEndOfTurn;
  }
  return TellAbout(s, console);
}

TurnStep AskAbout(GameSession& s, Console& console) {
  ParsedCommand& c = s.command;
  if (c.verb != "frage") return std::nullopt;
  DropEmptySecondObject(c);
  if (c.object_count == 1 && s.more_sentences_pending) {
    s.more_sentences_pending = 0;
    s.pending_completion.clear();
    s.pending_mode = 0;
    --s.move_count;  // as for telling: an enumeration is refused like a parser message
    return Answer(s, Cp850("[Auf diese Weise sind Aufzählungen nicht möglich.]"));
  }
  if (NamesOnlyTheTopic(c, {"nach"})) return AskWhoeverIsHere(s, console);
  if (c.object_count == 1) {
    std::string question;
    if (c.object1 == "dich") {
      question = "[Nach was willst du dich " + c.verb + "n?]";
    } else {
      question = "[Nach was willst du " + ObjectPhrase(s) + "fragen?]";
    }
    Ask(s, question, c.verb + " " + c.object1 + " ");
    return TurnEnd::kEndOfTurn;
  }
  return AskPerson(s);
}
