// The second-stage checks in the running game: typed lines through the whole
// parser, their answers and the move counter.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "support/game_harness.h"

namespace {

using Fields = std::vector<std::pair<int GameSession::*, int>>;
using G = GameSession;  // keeps the field names in the tables short

// Fields set after the start, the moves counted in all (nullopt: not
// checked), and each typed line with the rows printed for it.
struct Script {
  const char* label;  // names the case in the test name and in failures
  Fields before;
  std::optional<int> moves;
  std::vector<std::pair<std::string, std::vector<std::string>>> typed_and_rows;
};

void PrintTo(const Script& script, std::ostream* os) { *os << script.label; }

class SecondStageGameTest : public ::testing::Test {
 protected:
  SecondStageGameTest() { h.StartUp(); }

  // Plays the script; the rows are compared from the first echoed line on,
  // after the room shown before the first prompt.
  void Expect(const Script& script) {
    for (const auto& [field, value] : script.before) h.session().*field = value;
    std::vector<std::string> expected;
    for (const auto& [typed, rows] : script.typed_and_rows) {
      h.frontend.Line(typed);
      expected.push_back(">" + typed);
      expected.insert(expected.end(), rows.begin(), rows.end());
    }
    const size_t before = h.Lines().size();
    h.Play();
    std::vector<std::string> out;
    for (size_t i = before; i < h.Lines().size(); ++i) {
      const std::string& row = h.Lines()[i];
      if (out.empty() && row.rfind(">", 0) != 0) continue;
      if (!row.empty()) out.push_back(row);
    }
    EXPECT_EQ(out, expected);
    if (script.moves) {
      EXPECT_EQ(h.session().move_count, *script.moves);
    }
  }

  GameHarness h;
};

TEST_F(SecondStageGameTest, AnAnswerWithoutVerbIsCompletedWithTheVerbOfTheQuestion) {
  Expect({"", {}, 1, {{"nimm", {"[Was willst du nehmen?]"}}, {"korb", {"Der Korb ist bereits in deinem Besitz."}}}});
  EXPECT_TRUE(h.session().context_verb.empty());
}

// "frage biber nach korb und nach wolf" asks the beaver about both: the
// person spoken to stays object 1 of the later sentence.
TEST_F(SecondStageGameTest, LaterSentencesKeepThePersonSpokenTo) {
  Expect({"", {{&G::current_room, 8}, {&G::beaver_present, 1}, {&G::spare_key_found, 1}, {&G::key_holder, 1}}, 4,
          {{"frage den biber nach dem korb und nach dem schlüssel", {}},
           {"gib dem biber den korb und den schlüssel", {}}}});
  EXPECT_EQ(h.session().addressed_person, "biber");
}

class SecondStageScript : public SecondStageGameTest, public ::testing::WithParamInterface<Script> {};

TEST_P(SecondStageScript, RowsAndMoves) { Expect(GetParam()); }

const Script kScripts[] = {
    {"ALaterSentenceWithoutVerbTakesTheVerbOfTheFirst", {}, 1,
     {{"nimm korb und zeitung", {"Der Korb ist bereits in deinem Besitz.", "Du siehst hier keine Zeitung."}}}},
    {"RefusalsCountNoMove", {}, 0,
     {{"nimm den goldenen korb", {"Du siehst hier keinen goldenen Korb."}},
      {"nimm kugel", {"Du siehst hier keine Kugel."}},
      {"gehe", {"[Wohin willst du gehen?]"}}}},
    // Whether sitting counts a move is up to its handler.
    {"SittingDownWithoutObjectShowsWhatIsMeant", {}, std::nullopt, {{"setze", {"(setze dich)"}}}},
    {"AnIntangibleThingCountsTheMoveAndDropsTheRestOfTheLine", {}, 1,
     {{"nimm den wind und nimm die sonne", {"Das ist mit dem Wind nicht möglich."}}}},
    {"ASentenceWithoutVerbAndNoVerbToCarry", {}, 0,
     {{"korb und nimm zeitung", {"[Der zuerst zu bearbeitende Satzteil enthält kein Verb.]"}},
      {"korb", {"[Die Eingabe enthält kein Verb.]"}}}},
    // With two articles the person's own is an accusative and the topic's a
    // dative; a lone article in front of the person is taken as the topic's.
    {"TheArticlesOfAQuestionAboutSomething", {{&G::current_room, 9}}, 2,
     {{"frage das schaf nach dem gras", {}},
      {"frage dem schaf nach dem gras", {"[Hier ergibt 'dem' keinen Sinn.]"}},
      {"frage dem schaf nach gras", {}},
      {"frage das schaf nach gras", {"[Hier ergibt 'das' keinen Sinn.]"}},
      {"frage nach dem gras", {"[Hier ergibt 'dem' keinen Sinn.]"}}}},
    // A plural topic takes the dative plural "den", like any topic a dative.
    {"AskingAboutAPluralTopic", {{&G::current_room, 6}}, 1,
     {{"frage den bären nach den bienen", {}},
      {"frage den bären nach die bienen", {"[Hier ergibt 'die' keinen Sinn.]"}}}},
    {"LookingUnderSomethingWantsTheAccusative", {}, 1,
     {{"schaue unter dem bett", {"[In diesem Zusammenhang ergibt 'dem' für mich keinen Sinn.]"}},
      {"schaue unter das bett", {"Du siehst hier kein Bett."}},
      {"schaue unter dem korb", {"[In diesem Zusammenhang ergibt 'dem' für mich keinen Sinn.]"}},
      {"schaue unter den korb", {}}}},
    // Grandmother's names take no article; a missing person named first in a
    // two-object sentence is refused like a missing single object.
    {"MissingPeople", {}, 0,
     {{"nimm omi", {"Du siehst Omi hier nicht."}},
      {"nimm oma", {"Du siehst deine Oma hier nicht."}},
      {"gib dem biber den korb", {"Du siehst hier keinen Biber."}},
      {"frage die oma nach dem korb", {"Du siehst deine Oma hier nicht."}}}},
    // An adjective and a lone article go with the noun they stand before,
    // wherever the instrument is named.
    {"AdjectivesAndArticlesStayWithTheirNouns",
     {{&G::current_room, 11}, {&G::spare_key_found, 1}, {&G::key_holder, 1}}, 3,
     {{"öffne die tür mit dem verbogenen schlüssel", {}},
      {"öffne mit dem verbogenen schlüssel die tür", {}},
      {"öffne die verbogene tür mit dem schlüssel", {"Du siehst hier keine verbogene Tür."}},
      {"öffne mit schlüssel die tür", {}},
      {"öffne mit schlüssel der tür", {"[Hier ergibt 'der' keinen Sinn.]"}}}},
    {"APluralInstrumentNamedFirstTakesTheDative", {{&G::current_room, 4}}, 1,
     {{"öffne mit den bienen den korb", {}},
      {"öffne mit die bienen den korb", {"[Hier ergibt 'die' keinen Sinn.]"}}}},
    // An adjective without object, after "alles", behind its object or two of
    // them for one thing: the answers of these checks, not the spare table texts.
    {"AdjectivesWithoutAFittingObject", {}, 0,
     {{"nimm goldenes", {"[Hier fehlt das Objekt, so dass dieser Satz keinen Sinn ergibt.]"}},
      {"nimm alles grüne", {"['Alles' kann nicht in Verbindung mit 'grüne' verwendet werden.]"}},
      {"nimm den alten roten korb", {"Du siehst hier keinen alten Korb."}},
      {"nimm korb goldenen", {"Du siehst hier keinen goldenen Korb."}}}},
    {"TakingSomethingOutOfWhatDoesNotHoldIt", {}, 0,
     {{"nimm den korb aus den bäumen", {"Aber der Korb ist nicht in den Bäumen."}},
      {"nimm den korb aus dem wald", {"Aber der Korb ist nicht in dem Wald."}},
      {"nimm mich aus mir", {"Das ist unmöglich."}}}},
};

INSTANTIATE_TEST_SUITE_P(Lines, SecondStageScript, ::testing::ValuesIn(kScripts),
                         [](const ::testing::TestParamInfo<Script>& info) { return std::string(info.param.label); });

}  // namespace
