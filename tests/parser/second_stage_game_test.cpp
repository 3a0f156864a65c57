// The second-stage checks in the running game: typed lines through the whole
// parser, their answers and the move counter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/game_harness.h"

namespace {

class SecondStageGameTest : public ::testing::Test {
 protected:
  SecondStageGameTest() { h.StartUp(); }

  // Types the lines and plays until the script is used up; returns the
  // non-empty rows from the first echoed command on.
  std::vector<std::string> Play(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) h.frontend.Line(line);
    const size_t before = h.Lines().size();
    h.Play();
    std::vector<std::string> out;
    for (size_t i = before; i < h.Lines().size(); ++i) {
      const std::string& row = h.Lines()[i];
      if (out.empty() && row.rfind(">", 0) != 0) continue;  // the room shown before the first prompt
      if (!row.empty()) out.push_back(row);
    }
    return out;
  }

  GameHarness h;
};

TEST_F(SecondStageGameTest, AnAnswerWithoutVerbIsCompletedWithTheVerbOfTheQuestion) {
  const auto rows = Play({"nimm", "korb"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm", "[Was willst du nehmen?]", ">korb",
                                            "Der Korb ist bereits in deinem Besitz."}));
  EXPECT_EQ(h.session().move_count, 1);
  EXPECT_TRUE(h.session().context_verb.empty());
}

TEST_F(SecondStageGameTest, ALaterSentenceWithoutVerbTakesTheVerbOfTheFirst) {
  const auto rows = Play({"nimm korb und zeitung"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm korb und zeitung", "Der Korb ist bereits in deinem Besitz.",
                                            "Du siehst hier keine Zeitung."}));
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(SecondStageGameTest, RefusalsCountNoMove) {
  const auto rows = Play({"nimm den goldenen korb", "nimm kugel", "gehe"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm den goldenen korb", "Du siehst hier keinen goldenen Korb.",
                                            ">nimm kugel", "Du siehst hier keine Kugel.", ">gehe",
                                            "[Wohin willst du gehen?]"}));
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SecondStageGameTest, SittingDownWithoutObjectShowsWhatIsMeant) {
  const auto rows = Play({"setze"});
  EXPECT_EQ(rows, (std::vector<std::string>{">setze", "(setze dich)"}));
}

TEST_F(SecondStageGameTest, AnIntangibleThingCountsTheMoveAndDropsTheRestOfTheLine) {
  const auto rows = Play({"nimm den wind und nimm die sonne"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm den wind und nimm die sonne",
                                            "Das ist mit dem Wind nicht möglich."}));
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(SecondStageGameTest, ASentenceWithoutVerbAndNoVerbToCarry) {
  const auto rows = Play({"korb und nimm zeitung", "korb"});
  EXPECT_EQ(rows, (std::vector<std::string>{">korb und nimm zeitung",
                                            "[Der zuerst zu bearbeitende Satzteil enthält kein Verb.]", ">korb",
                                            "[Die Eingabe enthält kein Verb.]"}));
  EXPECT_EQ(h.session().move_count, 0);
}

// "frage biber nach korb und nach wolf" asks the beaver about both: the
// person spoken to stays object 1 of the later sentence.
TEST_F(SecondStageGameTest, LaterSentencesKeepThePersonSpokenTo) {
  h.session().current_room = 8;
  h.session().beaver_present = 1;
  h.session().spare_key_found = 1;
  h.session().key_holder = 1;
  const auto rows = Play({"frage den biber nach dem korb und nach dem schlüssel",
                          "gib dem biber den korb und den schlüssel"});
  EXPECT_EQ(rows, (std::vector<std::string>{">frage den biber nach dem korb und nach dem schlüssel",
                                            ">gib dem biber den korb und den schlüssel"}));
  EXPECT_EQ(h.session().move_count, 4);
  EXPECT_EQ(h.session().addressed_person, "biber");
}

// With two articles the person's own is an accusative and the topic's a
// dative; a lone article in front of the person is taken as the topic's.
TEST_F(SecondStageGameTest, TheArticlesOfAQuestionAboutSomething) {
  h.session().current_room = 9;
  const auto rows = Play({"frage das schaf nach dem gras", "frage dem schaf nach dem gras", "frage dem schaf nach gras",
                          "frage das schaf nach gras", "frage nach dem gras"});
  EXPECT_EQ(rows, (std::vector<std::string>{">frage das schaf nach dem gras", ">frage dem schaf nach dem gras",
                                            "[Hier ergibt 'dem' keinen Sinn.]", ">frage dem schaf nach gras",
                                            ">frage das schaf nach gras", "[Hier ergibt 'das' keinen Sinn.]",
                                            ">frage nach dem gras", "[Hier ergibt 'dem' keinen Sinn.]"}));
  EXPECT_EQ(h.session().move_count, 2);
}

// A plural topic takes the dative plural "den", like any topic a dative.
TEST_F(SecondStageGameTest, AskingAboutAPluralTopic) {
  h.session().current_room = 6;
  const auto rows = Play({"frage den bären nach den bienen", "frage den bären nach die bienen"});
  EXPECT_EQ(rows, (std::vector<std::string>{">frage den bären nach den bienen", ">frage den bären nach die bienen",
                                            "[Hier ergibt 'die' keinen Sinn.]"}));
  EXPECT_EQ(h.session().move_count, 1);
}

TEST_F(SecondStageGameTest, LookingUnderSomethingWantsTheAccusative) {
  const auto rows = Play({"schaue unter dem bett", "schaue unter das bett", "schaue unter dem korb", "schaue unter den korb"});
  EXPECT_EQ(rows, (std::vector<std::string>{">schaue unter dem bett",
                                            "[In diesem Zusammenhang ergibt 'dem' für mich keinen Sinn.]",
                                            ">schaue unter das bett", "Du siehst hier kein Bett.",
                                            ">schaue unter dem korb",
                                            "[In diesem Zusammenhang ergibt 'dem' für mich keinen Sinn.]",
                                            ">schaue unter den korb"}));
  EXPECT_EQ(h.session().move_count, 1);
}

// Grandmother's names take no article; a missing person named first in a
// two-object sentence is refused like a missing single object.
TEST_F(SecondStageGameTest, MissingPeople) {
  const auto rows = Play({"nimm omi", "nimm oma", "gib dem biber den korb", "frage die oma nach dem korb"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm omi", "Du siehst Omi hier nicht.", ">nimm oma",
                                            "Du siehst deine Oma hier nicht.", ">gib dem biber den korb",
                                            "Du siehst hier keinen Biber.", ">frage die oma nach dem korb",
                                            "Du siehst deine Oma hier nicht."}));
  EXPECT_EQ(h.session().move_count, 0);
}

// An adjective and a lone article go with the noun they stand before,
// wherever the instrument is named.
TEST_F(SecondStageGameTest, AdjectivesAndArticlesStayWithTheirNouns) {
  h.session().current_room = 11;
  h.session().spare_key_found = 1;
  h.session().key_holder = 1;
  const auto rows = Play({"öffne die tür mit dem verbogenen schlüssel", "öffne mit dem verbogenen schlüssel die tür",
                          "öffne die verbogene tür mit dem schlüssel", "öffne mit schlüssel die tür",
                          "öffne mit schlüssel der tür"});
  EXPECT_EQ(rows, (std::vector<std::string>{">öffne die tür mit dem verbogenen schlüssel",
                                            ">öffne mit dem verbogenen schlüssel die tür",
                                            ">öffne die verbogene tür mit dem schlüssel",
                                            "Du siehst hier keine verbogene Tür.", ">öffne mit schlüssel die tür",
                                            ">öffne mit schlüssel der tür", "[Hier ergibt 'der' keinen Sinn.]"}));
  EXPECT_EQ(h.session().move_count, 3);
}

TEST_F(SecondStageGameTest, APluralInstrumentNamedFirstTakesTheDative) {
  h.session().current_room = 4;
  const auto rows = Play({"öffne mit den bienen den korb", "öffne mit die bienen den korb"});
  EXPECT_EQ(rows, (std::vector<std::string>{">öffne mit den bienen den korb", ">öffne mit die bienen den korb",
                                            "[Hier ergibt 'die' keinen Sinn.]"}));
  EXPECT_EQ(h.session().move_count, 1);
}

// An adjective without object, after "alles", behind its object or two of
// them for one thing: the answers of these checks, not the spare table texts.
TEST_F(SecondStageGameTest, AdjectivesWithoutAFittingObject) {
  const auto rows = Play({"nimm goldenes", "nimm alles grüne", "nimm den alten roten korb", "nimm korb goldenen"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm goldenes",
                                            "[Hier fehlt das Objekt, so dass dieser Satz keinen Sinn ergibt.]",
                                            ">nimm alles grüne",
                                            "['Alles' kann nicht in Verbindung mit 'grüne' verwendet werden.]",
                                            ">nimm den alten roten korb", "Du siehst hier keinen alten Korb.",
                                            ">nimm korb goldenen", "Du siehst hier keinen goldenen Korb."}));
  EXPECT_EQ(h.session().move_count, 0);
}

TEST_F(SecondStageGameTest, TakingSomethingOutOfWhatDoesNotHoldIt) {
  const auto rows = Play({"nimm den korb aus den bäumen", "nimm den korb aus dem wald", "nimm mich aus mir"});
  EXPECT_EQ(rows, (std::vector<std::string>{">nimm den korb aus den bäumen", "Aber der Korb ist nicht in den Bäumen.",
                                            ">nimm den korb aus dem wald", "Aber der Korb ist nicht in dem Wald.",
                                            ">nimm mich aus mir", "Das ist unmöglich."}));
  EXPECT_EQ(h.session().move_count, 0);
}

}  // namespace
