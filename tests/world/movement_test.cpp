// Walking through the forest: the exit table, the refusals of every room,
// the wolf, the bees, the door, "raus", and the move counter.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "play_helpers.h"

namespace {

// --- The route from the forest entrance to the river and back to the bridge --

struct RouteStep {
  const char* typed;
  int room_after;
  const char* title;
};

const std::vector<RouteStep> kRoute = {
    {"n", 2, "Auf einem Waldweg"},   {"n", 3, "Tiefer im Wald"},          {"no", 6, "Am Honigstand"},
    {"sw", 3, "Tiefer im Wald"},     {"w", 4, "Auf einer Bienenwiese"},   {"o", 3, "Tiefer im Wald"},
    {"n", 7, "Vor einer Brücke"},    {"w", 8, "Am Biberbaumarkt"},        {"w", 9, "Am westlichen Flussufer"},
    {"o", 8, "Am Biberbaumarkt"},    {"o", 7, "Vor einer Brücke"},
};

class RouteTest : public WorldGameTest, public ::testing::WithParamInterface<size_t> {};

TEST_P(RouteTest, EachStepOfTheRouteEntersTheNextRoomAndCountsOneMove) {
  const size_t steps = GetParam();
  std::vector<std::string> lines;
  for (size_t i = 0; i < steps; ++i) lines.emplace_back(kRoute[i].typed);
  Play(lines);
  EXPECT_EQ(s().current_room, kRoute[steps - 1].room_after);
  EXPECT_EQ(Utf8FromCp850(s().place_name), kRoute[steps - 1].title);
  EXPECT_EQ(s().move_count, static_cast<int>(steps));
}

INSTANTIATE_TEST_SUITE_P(Prefixes, RouteTest, ::testing::Range<size_t>(1, kRoute.size() + 1));

class MovementTest : public WorldGameTest {};

TEST_F(MovementTest, LongDirectionFormsMoveLikeTheShortOnesAndCountOnce) {
  Play({"gehe nach norden", "norden", "gehe nach nordosten"});
  EXPECT_EQ(s().current_room, 6);
  EXPECT_EQ(s().move_count, 3);
}

TEST_F(MovementTest, TheWayBackFromTheClearingAndTheMeadow) {
  s().current_room = 13;
  Play({"nw", "w", "o", "so"});
  EXPECT_EQ(s().current_room, 13);
  EXPECT_EQ(s().move_count, 4);
}

TEST_F(MovementTest, OverTheBridgeOnceTheWolfHasGone) {
  s().current_room = 7;
  s().wolf_gone = 1;
  s().ball_state = 5;
  s().sheep_state = 5;
  Play({"n", "n", "s", "s"});
  EXPECT_EQ(s().current_room, 7);
  EXPECT_EQ(s().move_count, 4);
}

// --- Refusals, room by room ----------------------------------------------------

struct RefusalCase {
  int room;
  std::vector<std::pair<std::string, std::string>> typed_and_answer;
};

class RefusalTest : public WorldGameTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(RefusalTest, ARefusedDirectionKeepsThePlayerAndCountsAMove) {
  const RefusalCase& c = GetParam();
  s().current_room = c.room;
  std::vector<std::string> lines;
  for (const auto& [typed, answer] : c.typed_and_answer) lines.push_back(typed);
  const GameSession before = s();
  Play(lines);
  for (const auto& [typed, answer] : c.typed_and_answer) EXPECT_EQ(AnswerTo(typed), answer) << typed;
  EXPECT_EQ(s().current_room, c.room);
  EXPECT_EQ(s().move_count, static_cast<int>(lines.size()));
  EXPECT_EQ(s().sheep_room, before.sheep_room);
  EXPECT_EQ(s().key_holder, before.key_holder);
}

INSTANTIATE_TEST_SUITE_P(
    EveryRoom, RefusalTest,
    ::testing::Values(
        RefusalCase{1,
                    {{"s", "Nach Süden gelangst du nicht zu deiner Oma. Nur der Weg nach Norden führt dich dorthin."},
                     {"no", "Nach Nordosten gelangst du nicht zu deiner Oma. Nur der Weg nach Norden führt dich "
                            "dorthin."},
                     {"hoch", "Du kannst von hier aus nicht hinauf gelangen."},
                     {"runter", "Du kannst von hier aus nicht hinunter gelangen."},
                     // No single way out: "raus" asks for compass directions.
                     {"raus", "[Bitte benutze an dieser Stelle Himmelsrichtungen, um dich zu bewegen.]"}}},
        RefusalCase{2,
                    {{"w", "Im Westen ist das Gestrüpp zu dicht. Der Weg führt von Süden nach Norden."},
                     {"so", "Im Südosten ist das Gestrüpp zu dicht. Der Weg führt von Süden nach Norden."}}},
        RefusalCase{3, {{"o", "Nach Osten kannst du von hier aus nicht gehen."},
                        {"sw", "Nach Südwesten kannst du von hier aus nicht gehen."}}},
        RefusalCase{4,
                    {{"n", "Im Norden steht das Grünzeug zu dicht. Nur nach Osten und Südwesten kannst du die "
                           "Wiese verlassen."},
                     // The bees keep the player from the well until they have the jar.
                     {"sw", "Bereits nach zwei Schritten fliegen dir Dutzende dieser angriffslustigen Bienen um die "
                            "Ohren. Offensichtlich verteidigen sie ihre Wiese und machen es dir unmöglich, nach "
                            "Südwesten zu gelangen."}}},
        RefusalCase{5,
                    {{"s", "Nach Süden kannst du von hier aus nicht gehen, doch nach Nordosten gelangst du zur "
                           "Bienenwiese."},
                     {"runter", "Das wäre zu gefährlich. Du könntest stürzen und im Brunnen ertrinken!"},
                     {"hoch", "Du kannst von hier aus nicht hinauf gelangen."}}},
        RefusalCase{6, {{"n", "Nach Norden kannst du von hier aus nicht gehen, doch nach Südwesten gelangst du "
                              "zurück auf den Waldweg."}}},
        RefusalCase{7,
                    {{"no", "Der Fluss macht es dir unmöglich, nach Nordosten zu gelangen. Aber nach Norden, Süden "
                            "und Westen kannst du gehen."},
                     {"nw", "Der Fluss macht es dir unmöglich, nach Nordwesten zu gelangen. Aber nach Norden, Süden "
                            "und Westen kannst du gehen."},
                     {"o", "Im Osten steht das Grünzeug zu dicht. Aber nach Norden, Süden und Westen kannst du "
                           "gehen."}}},
        RefusalCase{8,
                    {{"n", "Im Norden versperrt dir der Fluss den Weg. Nur nach Westen und Osten kannst du gehen."},
                     {"no", "Im Nordosten versperrt dir der Fluss den Weg. Nur nach Westen und Osten kannst du "
                            "gehen."},
                     {"s", "Im Süden steht das Grünzeug zu dicht. Nur nach Westen und Osten kannst du gehen."}}},
        RefusalCase{9,
                    {{"w", "Im Westen ist das Gelände zu unwegsam. Nur nach Osten kannst du von hier aus gehen."},
                     {"nw", "Im Nordwesten versperrt dir der Fluss den Weg. Nur nach Osten kannst du von hier aus "
                            "gehen."},
                     {"so", "Im Südosten stehen die Bäume zu dicht. Nur nach Osten kannst du von hier aus gehen."}}},
        RefusalCase{10, {{"o", "Nach Osten gelangst du von hier aus nicht. Die Brücke führt von Süden nach "
                               "Norden."}}},
        RefusalCase{11,
                    {{"n", "Im Norden stehen die Bäume zu dicht. Nach Süden gelangst du zurück zur Brücke, nach "
                           "Westen kannst du das Haus deiner Oma betreten."},
                     {"w", "Die geschlossene Tür versperrt dir den Weg."}}},  // locked in a new game
        RefusalCase{13, {{"s", "Du kannst von hier aus nicht nach Süden gehen."},
                         {"n", "Du kannst von hier aus nicht nach Norden gehen."}}}));

// --- "raus" where there is one way out -------------------------------------------------

struct OutCase {
  int room;
  const char* note;
  int room_after;
};

class OutTest : public WorldGameTest, public ::testing::WithParamInterface<OutCase> {};

TEST_P(OutTest, OutBecomesTheOneCompassDirectionAndCountsTwoMoves) {
  const OutCase& c = GetParam();
  s().current_room = c.room;
  s().bees_at_jar = 1;  // the way between meadow and well is open
  Play({"raus"});
  const std::vector<std::string> rows = RowsAfter("raus");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], c.note);
  EXPECT_EQ(s().current_room, c.room_after);
  EXPECT_EQ(s().move_count, 2);
}

INSTANTIATE_TEST_SUITE_P(FourRooms, OutTest,
                         ::testing::Values(OutCase{5, "(gehe nach Nordosten)", 4},
                                           OutCase{6, "(gehe nach Südwesten)", 3},
                                           OutCase{9, "(gehe nach Osten)", 8},
                                           OutCase{13, "(gehe nach Nordwesten)", 3}));

// --- The wolf, the bees and the door --------------------------------------------------

struct WolfCase {
  int ball_state;
  int wolf_has_sheep;
  const char* demand;
};

class WolfTest : public WorldGameTest, public ::testing::WithParamInterface<WolfCase> {};

TEST_P(WolfTest, TheWolfBlocksTheBridgeAndNamesWhatHeStillWants) {
  const WolfCase& c = GetParam();
  s().current_room = 7;
  s().ball_state = c.ball_state;
  s().ball_room = 5;
  s().wolf_has_sheep = c.wolf_has_sheep;
  if (c.wolf_has_sheep == 1) {
    s().sheep_state = 4;
    s().sheep_room = 111;
  }
  Play({"n"});
  EXPECT_EQ(RowsAfter("n"), (std::vector<std::string>{"Der Wolf stellt sich dir in den Weg und sagt:",
                                                      std::string("'Besorge mir ") + c.demand +
                                                          " und dein Weg ist frei!'"}));
  EXPECT_EQ(s().current_room, 7);
  EXPECT_EQ(s().move_count, 1);
}

INSTANTIATE_TEST_SUITE_P(WhatIsMissing, WolfTest,
                         ::testing::Values(WolfCase{3, 0, "die goldene Kugel und ein Schaf"},
                                           WolfCase{1, 0, "die goldene Kugel und ein Schaf"},
                                           WolfCase{4, 0, "ein Schaf"},
                                           WolfCase{1, 1, "die goldene Kugel"}));

TEST_F(MovementTest, WithTheBeesAtTheJarTheWayToTheWellIsFree) {
  s().current_room = 4;
  s().bees_at_jar = 1;
  Play({"sw", "no"});
  EXPECT_EQ(s().current_room, 4);
  EXPECT_EQ(s().move_count, 2);
}

TEST_F(MovementTest, AnUnlockedClosedDoorIsOpenedOnTheWayIn) {
  s().current_room = 11;
  s().door_locked = 0;
  s().door_open = 0;
  h.frontend.Line("w");
  h.frontend.Key(' ');  // the ending pauses before the house
  Play({});
  const std::vector<std::string> rows = RowsAfter("w");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], "(Du öffnest zunächst die Tür.)");
  EXPECT_EQ(s().current_room, 12);
}

TEST_F(MovementTest, AnOpenDoorLetsThePlayerStraightIn) {
  s().current_room = 11;
  s().door_locked = 0;
  s().door_open = 1;
  h.frontend.Line("w");
  h.frontend.Key(' ');
  Play({});
  EXPECT_EQ(AnswerTo("w").rfind("Bevor du das Haus betrittst, wirfst du mit einem Lächeln einen letzten Blick", 0),
            0u);
  EXPECT_EQ(s().current_room, 12);
}

// --- The beaver's key and the following sheep ------------------------------------------

TEST_F(MovementTest, LeavingTheMarketEastTheBeaverHandsBackTheKey) {
  s().current_room = 8;
  s().key_holder = 5;
  s().spare_key_found = 1;
  Play({"o"});
  const std::vector<std::string> rows = RowsAfter("o");
  ASSERT_GE(rows.size(), 3u);
  EXPECT_EQ(rows[0], "");
  EXPECT_EQ(rows[1] + " " + rows[2],
            "'Hier hast du deinen Schlüssel zurück', sagt der Biber und gibt dir den Schlüssel.");
  if (rows.size() > 3) {
    EXPECT_EQ(rows[3], "");  // before the new room's title
  }
  EXPECT_EQ(s().key_holder, 1);
  EXPECT_EQ(s().current_room, 7);
}

TEST_F(MovementTest, LeavingTheMarketWestTheKeyComesBackFirstThenTheSheepFollows) {
  s().current_room = 8;
  s().key_holder = 5;
  s().spare_key_found = 1;
  s().sheep_state = 1;
  s().sheep_room = 8;
  s().grass_carried = 1;
  Play({"w"});
  const std::string answer = AnswerTo("w");
  EXPECT_EQ(answer.rfind("'Hier hast du deinen Schlüssel zurück', sagt der Biber und gibt dir den Schlüssel. "
                         "Das Schaf folgt dir.",
                         0),
            0u)
      << answer;
  EXPECT_EQ(s().key_holder, 1);
  EXPECT_EQ(s().sheep_room, 9);
  EXPECT_EQ(s().current_room, 9);
}

TEST_F(MovementTest, OneOfTheSheepFollowsFromTheHerdToTheMarket) {
  s().current_room = 9;
  s().sheep_state = 1;
  s().sheep_room = 9;
  s().grass_carried = 1;
  Play({"o"});
  const std::vector<std::string> rows = RowsAfter("o");
  ASSERT_GE(rows.size(), 1u);
  EXPECT_EQ(rows[0], "Eines der Schafe folgt dir.");
  if (rows.size() > 1) {
    EXPECT_EQ(rows[1], "");  // before the new room's title
  }
  EXPECT_EQ(s().sheep_room, 8);
  EXPECT_EQ(s().current_room, 8);
}

TEST_F(MovementTest, WithoutAFollowingSheepNothingFollows) {
  s().current_room = 9;
  s().sheep_room = 9;
  Play({"o", "w"});
  EXPECT_EQ(AnswerTo("o").find("folgt dir"), std::string::npos);
  EXPECT_EQ(AnswerTo("w").find("folgt dir"), std::string::npos);
  EXPECT_EQ(s().sheep_room, 9);
  EXPECT_EQ(s().sheep_state, 0);
}

}  // namespace
