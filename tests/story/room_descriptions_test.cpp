// Room descriptions as the player reads them: titles, brief and full forms,
// the arrival events, the meadow's scenes and the things lying about.
#include "story/room_descriptions.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/scripted_frontend.h"
#include "world/rooms.h"

namespace {

using Lines = std::vector<std::string>;

class RoomDescriptionTest : public ::testing::Test {
 protected:
  RoomDescriptionTest() : console(frontend) {
    SetInitialValues(s);
    s.first_prompt_done = 1;
    frontend.set_shows_pages(false);
    console.SetCursor(4, 1);
  }

  // Describes the room and gives the text rows it printed.
  Lines Describe(int room) {
    const size_t before = frontend.Lines().size();
    s.current_room = room;
    DescribeRoom(s, console);
    frontend.Flush(console);
    return Lines(frontend.Lines().begin() + static_cast<long>(before), frontend.Lines().end());
  }
  Lines Revisit(int room) {
    VisitedFlag(s, room) = 1;
    return Describe(room);
  }
  std::string Row(int row) const {
    std::string text = Utf8FromCp850(console.ShownRow(row));
    return text.erase(text.find_last_not_of(' ') + 1);
  }
  static bool Contains(const Lines& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  static bool AnyStartsWith(const Lines& lines, const std::string& start) {
    for (const std::string& line : lines) {
      if (line.rfind(start, 0) == 0) return true;
    }
    return false;
  }

  ScriptedFrontend frontend;
  Console console;
  GameSession s;
};

const Lines kPathFullForm = {
    "Auf einem Waldweg",
    "",
    "Überall stehen Bäume herum, und dazwischen wuchert dichtes Unterholz, in dem es",
    "verdächtig raschelt. Irgendwer wohnt hier bestimmt. Hoffentlich ist er klein",
    "und hat keine Zähne.",
    "",
    "Direkt am Wegesrand steht eine alte Holzbank.",
    "",
    "Der Weg führt von Süden nach Norden, weiter in den Wald hinein.",
    "",
    "Hier ist eine Zeitung.",
};

// --- Titles, brief and full forms --------------------------------------------

TEST_F(RoomDescriptionTest, FirstVisitPrintsTheTitleInTheAccentColourAndTheFullForm) {
  EXPECT_EQ(Describe(2), kPathFullForm);
  EXPECT_EQ(console.ShownCell(4, 1).fg, kGreen);
  EXPECT_EQ(console.ShownCell(4, 17).fg, kGreen);
  EXPECT_EQ(console.ShownCell(6, 1).fg, kLightGrey);
  EXPECT_EQ(s.place_name, "Auf einem Waldweg");
  EXPECT_EQ(s.visited_path, 1);
  // Title, three empty messages, five prose rows and the list.
  EXPECT_EQ(s.lines_since_pause, 10);
}

TEST_F(RoomDescriptionTest, BriefRevisitPrintsOnlyTheTitleAndTheThingsLyingThere) {
  Describe(2);
  EXPECT_EQ(Describe(2), (Lines{"Auf einem Waldweg", "", "Hier ist eine Zeitung."}));
}

TEST_F(RoomDescriptionTest, SchaueAndVerboseModeAlwaysGiveTheFullForm) {
  s.command.verb = "schaue";
  EXPECT_EQ(Revisit(2), kPathFullForm);
  s.command.verb = "";
  s.brief_mode = 0;
  EXPECT_EQ(Revisit(2), kPathFullForm);
}

TEST_F(RoomDescriptionTest, TheFirstDescriptionOfAGameLeavesTheCursorOnRow22) {
  s.first_prompt_done = 0;
  Describe(1);
  EXPECT_EQ(console.CursorRow(), 22);
  EXPECT_EQ(console.CursorCol(), 1);
  EXPECT_EQ(Row(4), "Am Waldeingang");
  EXPECT_EQ(Row(9), "Ein schmaler Weg führt in den Wald hinein. Um zu deiner Oma zu gelangen, musst");
}

TEST_F(RoomDescriptionTest, ShortFormsOfEveryRoomAndStateUnderTheRoomsTitle) {
  struct Case {
    const char* name;
    int room;
    void (*set_up)(GameSession&);
    Lines expected;  // the title first; it is also the place name
  };
  const Case cases[] = {
      {"forest entrance", 1, [](GameSession&) {}, {"Am Waldeingang"}},
      {"deep forest", 3, [](GameSession&) {}, {"Tiefer im Wald"}},
      {"meadow", 4, [](GameSession& g) { g.grasshopper_seen = 1; },
       {"Auf einer Bienenwiese", "", "Dutzende Bienen sammeln fleißig Honig."}},
      {"meadow with the jar", 4,
       [](GameSession& g) {
         g.grasshopper_seen = 1;
         g.bees_at_jar = 1;
         g.voucher_redeemed = 1;
         g.honey_jar_room = 4;
       },
       {"Auf einer Bienenwiese", "", "Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht."}},
      {"well with the frog", 5, [](GameSession& g) { g.frog_state = 2; },
       {"An einem Brunnen", "", "Ein Frosch sitzt auf dem Brunnen. Neben dem Frosch liegt eine goldene Kugel."}},
      {"well with the ball", 5, [](GameSession& g) { g.frog_state = 3; },
       {"An einem Brunnen", "", "Auf dem Brunnen liegt eine goldene Kugel."}},
      {"empty well", 5,
       [](GameSession& g) {
         g.frog_state = 3;
         g.ball_state = 1;
       },
       {"An einem Brunnen"}},
      {"honey stand", 6, [](GameSession&) {},
       {"Am Honigstand", "", "Ein riesiger brauner Bär steht in seinem Honigstand."}},
      {"closed honey stand", 6, [](GameSession& g) { g.spare_key_found = 1; },
       {"Am Honigstand", "", "Der Honigstand hat mittlerweile geschlossen und der riesige Bär ist nirgends",
        "mehr zu sehen."}},
      {"bridge approach after the wolf", 7, [](GameSession& g) { g.wolf_gone = 1; }, {"Vor einer Brücke"}},
      {"market", 8, [](GameSession&) {}, {"Am Biberbaumarkt"}},
      {"market after the bell", 8, [](GameSession& g) { g.bell_rung = 1; },
       {"Am Biberbaumarkt", "", "Der Biber steht in seinem Stand."}},
      {"river bank", 9, [](GameSession&) {},
       {"Am westlichen Flussufer", "", "Eine kleine Schafherde steht am Flussufer."}},
      {"bridge", 10, [](GameSession&) {}, {"Auf der Brücke"}},
      {"house", 11, [](GameSession&) {}, {"Vor dem Haus deiner Oma"}},
      {"clearing", 13, [](GameSession&) {}, {"Auf einer Lichtung"}},
  };
  for (const Case& c : cases) {
    s = GameSession{};
    SetInitialValues(s);
    s.first_prompt_done = 1;
    c.set_up(s);
    EXPECT_EQ(Revisit(c.room), c.expected) << c.name;
    EXPECT_EQ(Utf8FromCp850(s.place_name), c.expected.at(0)) << c.name;
  }
}

TEST_F(RoomDescriptionTest, DeepForestTellsOfNaturesWonderOnlyOnTheFirstVisit) {
  const Lines first = Describe(3);
  EXPECT_EQ(first.at(2), "Das ganze Grünzeug scheint immer dichter zu werden, ein Baum neben dem anderen.");
  EXPECT_EQ(first.at(3), "Papa hat dir ja das Wunder der Natur versprochen, das hier auf dich wartet.");

  s.command.verb = "schaue";
  EXPECT_EQ(Describe(3), (Lines{
                             "Tiefer im Wald",
                             "",
                             "Das ganze Grünzeug scheint immer dichter zu werden, ein Baum neben dem anderen.",
                             "",
                             "Westlich von dir stehen die Bäume etwas lichter, und von dort dringt ein",
                             "emsiges Summen herüber. Außerdem zweigen schmale Pfade nach Nordosten und nach",
                             "Südosten ab.",
                             "",
                             "Von Süden nach Norden führt der Weg noch weiter in den Wald hinein.",
                         }));
}

TEST_F(RoomDescriptionTest, TheMeadowChangesOnceTheBeesHaveTheJar) {
  const Lines before = Describe(4);
  EXPECT_TRUE(Contains(before, "Auch die Bienen scheinen Gefallen an den Blumen zu finden, so emsig summen sie"));
  EXPECT_TRUE(Contains(before, "du die Wiese verlassen. Allerdings wimmelt es dort von Bienen."));
  EXPECT_TRUE(AnyStartsWith(before, "Bienen sind nützliche und friedliche Tierchen, sagt Mama."));

  s.bees_at_jar = 1;
  s.command.verb = "schaue";
  EXPECT_EQ(Describe(4), (Lines{
                             "Auf einer Bienenwiese",
                             "",
                             "Ganz schön beeindruckend, diese Wiese: Blumen in allen Farben, die du kennst,",
                             "und in ein paar Farben, von denen du nicht einmal wusstest, dass es sie gibt.",
                             "",
                             "Nach Osten gelangst du zurück auf den Waldweg, aber auch nach Südwesten kannst",
                             "du die Wiese verlassen.",
                             "",
                             "Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht.",
                         }));
}

TEST_F(RoomDescriptionTest, TheWellShowsTheFrogOrTheBall) {
  const Lines frog = Describe(5);
  EXPECT_EQ(frog.at(2), "Ein steinerner Brunnen steht hier mitten im Wald herum. Tief unten im Schacht");
  EXPECT_EQ(frog.at(6), "Ein sehr grüner Frosch sitzt auf dem Brunnen und starrt dich unverwandt an,");
  EXPECT_EQ(frog.back(), "Nach Nordosten gelangst du zurück zur Blumenwiese.");

  s.command.verb = "schaue";
  s.frog_state = 3;
  const Lines ball = Describe(5);
  EXPECT_EQ(ball.at(6), "Auf dem Brunnen liegt eine goldene Kugel.");
  EXPECT_EQ(ball.size(), 9u);

  s.ball_state = 1;
  const Lines neither = Describe(5);
  EXPECT_EQ(neither.size(), 7u);
  EXPECT_EQ(neither.at(6), "Nach Nordosten gelangst du zurück zur Blumenwiese.");
}

TEST_F(RoomDescriptionTest, TheBearGreetsOnTheFirstVisitAndLeavesOnceTheKeyIsFound) {
  const Lines first = Describe(6);
  EXPECT_EQ(first.at(6), "Im Honigstand steht ein riesiger brauner Bär.");
  EXPECT_EQ(first.at(8), "Direkt neben dem Stand ist ein Honigautomat angebracht.");
  EXPECT_EQ(first.at(13), "Nach Südwesten gelangst du zurück zum Waldweg.");
  EXPECT_EQ(first.back(), "'Guten Tag, junge Dame', grüßt dich der Bär.");

  s.command.verb = "schaue";
  s.spare_key_found = 1;
  const Lines later = Describe(6);
  EXPECT_EQ(later.at(6), "Der Honigstand ist offenbar gerade geschlossen und der riesige Bär ist nirgends");
  EXPECT_EQ(later.at(7), "zu sehen.");
  EXPECT_EQ(later.back(), "Nach Südwesten gelangst du zurück zum Waldweg.");
}

TEST_F(RoomDescriptionTest, TheMarketShowsTheBeaverAndTheKeyHeHolds) {
  const Lines closed = Describe(8);
  EXPECT_EQ(closed.at(6), "Zum Glück ist hier wohl aber gerade geschlossen, und auch der Biber ist");
  EXPECT_EQ(closed.at(9), "Direkt am Biberbaumarkt befindet sich ein kleiner Stand mit einem");
  EXPECT_EQ(closed.at(10), "Schlüsseldienst.");
  EXPECT_EQ(closed.back(), "Du kannst am Fluss entlang nach Westen und Osten gehen.");

  s.command.verb = "schaue";
  s.beaver_present = 1;
  s.key_holder = 5;
  const Lines open = Describe(8);
  EXPECT_EQ(open.at(6), "Zum Glück ist hier wohl aber gerade geschlossen.");
  EXPECT_EQ(open.at(8), "Direkt am Biberbaumarkt befindet sich ein kleiner Stand mit einem");
  EXPECT_EQ(open.at(9), "Schlüsseldienst. In dem Stand steht der Biber und lächelt dich mit einem");
  EXPECT_EQ(open.at(10), "falschen Lächeln an. Der Biber hat den verbogenen Schlüssel.");
}

TEST_F(RoomDescriptionTest, RoomsWithoutEmptyMessagesCountOnlyTheirProse) {
  s.brief_mode = 0;
  EXPECT_EQ(Describe(10), (Lines{
                              "Auf der Brücke",
                              "",
                              "Du befindest dich auf der schmalen Holzbrücke, die über den Fluss führt.",
                              "",
                              "Nach Süden gelangst du zurück in den Wald, nach Norden zu deiner Oma.",
                          }));
  EXPECT_EQ(s.lines_since_pause, 3);
}

TEST_F(RoomDescriptionTest, TheOtherRoomsEndWithTheirWayOut) {
  EXPECT_EQ(Describe(9).back(), "aus gehen.");
  EXPECT_EQ(Describe(11).back(), "Nach Süden gelangst du zurück zur Brücke.");
  EXPECT_EQ(Describe(13).back(), "Nach Nordwesten gelangst du zurück auf deinen ursprünglichen Weg.");
  EXPECT_EQ(s.visited_river_bank + s.visited_house_front + s.visited_clearing, 3);
}

// --- The bridge and the wolf -------------------------------------------------

TEST_F(RoomDescriptionTest, TheWolfArrivesOnTheFirstVisitToTheBridge) {
  const Lines lines = Describe(7);
  ASSERT_EQ(lines.size(), 26u);
  EXPECT_EQ(lines.at(2), "Nun musst du eigentlich nur noch nach Norden über die Brücke gehen, und schon");
  EXPECT_EQ(lines.at(3), "bist du bei deiner Oma. Jetzt freust du dich doch ein bisschen, sie bald");
  EXPECT_EQ(lines.at(6), "Ach du Schreck! Von Norden kommt der Wolf über die Brücke! Er trägt einen");
  EXPECT_EQ(lines.at(10), "'Hallo, kleines Mädchen', sagt er mit seiner tiefen Stimme. 'Du willst bestimmt");
  EXPECT_EQ(lines.at(14), "Aber ich schlage dir ein Geschäft vor! Am Brunnen im Wald sitzt ein Frosch, und");
  EXPECT_EQ(lines.at(18), "Wie du dir sicher denken kannst, flüchten sie in heller Panik, sobald sie mich");
  EXPECT_EQ(lines.at(22), "Nach Süden gelangst du zurück in Richtung Waldeingang, am Fluss entlang kannst");
  EXPECT_EQ(lines.at(23), "du nach Westen gehen.");
  EXPECT_EQ(lines.at(24), "");
  EXPECT_EQ(lines.at(25), "Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden.");
}

TEST_F(RoomDescriptionTest, TheWolfBlocksTheBridgeUntilHeHasBallAndSheep) {
  EXPECT_EQ(Revisit(7), (Lines{"Vor einer Brücke", "", "Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden."}));
  s.wolf_grabbed_ball = 1;
  EXPECT_EQ(Revisit(7).size(), 3u);  // only one of the two: he still waits
  s.sheep_points_given = 1;
  EXPECT_EQ(Revisit(7), (Lines{"Vor einer Brücke"}));
}

TEST_F(RoomDescriptionTest, OnceTheWolfIsGoneTheWayNorthIsOpen) {
  s.wolf_gone = 1;
  s.ball_state = 5;
  s.sheep_state = 5;
  s.command.verb = "schaue";
  const Lines lines = Revisit(7);
  EXPECT_EQ(lines, (Lines{
                       "Vor einer Brücke",
                       "",
                       "Nun musst du eigentlich nur noch nach Norden über die Brücke gehen, und schon",
                       "bist du bei deiner Oma.",
                       "",
                       "Nach Süden gelangst du zurück in Richtung Waldeingang, am Fluss entlang kannst",
                       "du nach Westen gehen. Und über die Brücke geht es nun endlich nach Norden zu",
                       "deiner Oma.",
                   }));
}

TEST_F(RoomDescriptionTest, TheWolfShearsTheSheepThatFollowedTheGirl) {
  s.sheep_state = 1;
  s.sheep_room = 7;
  s.grass_carried = 1;
  const Lines lines = Revisit(7);
  EXPECT_EQ(lines, (Lines{
                       "Vor einer Brücke",
                       "",
                       "Blitzartig stürzt sich der Wolf mit einer Schere bewaffnet auf das Schaf und",
                       "schert es. Ehe du auch nur 'Mäh' sagen kannst, hält er einen dicken Ballen",
                       "Wolle in den Pfoten und betrachtet ihn sehr zufrieden.",
                       "",
                       "Das Schaf schaut noch einen Moment belämmert in die Runde und läuft schließlich",
                       "nach Süden in den Wald hinein.",
                       "",
                       "[Deine Punktzahl hat sich um 4 Punkte erhöht.]",
                       "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]",
                       "",
                       "Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden.",
                   }));
  EXPECT_EQ(s.sheep_state, 4);
  EXPECT_EQ(s.sheep_room, 111);
  EXPECT_EQ(s.wolf_has_sheep, 1);
  EXPECT_EQ(s.sheep_points_given, 1);
  EXPECT_EQ(s.score, 4);
  // Brief mode: the two directly printed sentences are not counted ahead.
  EXPECT_EQ(s.lines_since_pause, 1 + 3 + 2 + 1);
}

TEST_F(RoomDescriptionTest, AShearingInFullModeIsCountedAheadAndPaysOnlyOnce) {
  s.brief_mode = 0;
  s.sheep_state = 1;
  s.sheep_room = 7;
  s.sheep_points_given = 1;
  s.wolf_grabbed_ball = 1;
  s.ball_state = 4;
  const int before = s.lines_since_pause;
  const Lines lines = Revisit(7);
  EXPECT_EQ(s.score, 0);
  EXPECT_EQ(s.sheep_state, 4);
  // Title, two paragraphs of two rows each with an empty message before each,
  // the scene's five rows and the five counted ahead; no wolf in the way.
  EXPECT_EQ(s.lines_since_pause - before, 1 + 6 + 5 + 5);
  EXPECT_FALSE(Contains(lines, "Vor der Brücke steht der Wolf und versperrt dir den Weg nach Norden."));
}

// --- Other arrival events ----------------------------------------------------

TEST_F(RoomDescriptionTest, CigarSmokeOnTheBridgeOnceTheKeyIsStraight) {
  EXPECT_EQ(Revisit(10), (Lines{"Auf der Brücke"}));
  s.key_bent = 0;
  s.lines_since_pause = 0;
  EXPECT_EQ(Revisit(10), (Lines{"Auf der Brücke", "",
                                "Für einen ganz kurzen Moment steigt dir der Duft von Zigarrenrauch in die Nase.",
                                "Der Wolf scheint ganz in der Nähe zu sein."}));
  EXPECT_EQ(s.cigar_smoke_noticed, 1);
  EXPECT_EQ(s.lines_since_pause, 1 + 2);  // brief: nothing counted ahead
  EXPECT_EQ(Revisit(10), (Lines{"Auf der Brücke"}));
}

TEST_F(RoomDescriptionTest, CigarSmokeInFullModeIsCountedAhead) {
  s.brief_mode = 0;
  s.key_bent = 0;
  Describe(10);
  EXPECT_EQ(s.lines_since_pause, 3 + 2 + 2);
}

TEST_F(RoomDescriptionTest, TheLittleBearPassesOnceAfterTheKeyIsFound) {
  EXPECT_EQ(Revisit(3), (Lines{"Tiefer im Wald"}));
  s.spare_key_found = 1;
  EXPECT_EQ(Revisit(3), (Lines{
                            "Tiefer im Wald",
                            "",
                            "Ein kleiner gelber Bär mit einem zu kurzen roten Pullover kommt kopfschüttelnd",
                            "aus Richtung Nordosten angetappst.",
                            "",
                            "'Hat einfach nicht geklappt', brummelt er vor sich hin, 'dabei war es so ein",
                            "schöner Plan.' Ohne dich zu beachten, tappt er weiter nach Norden und ist im",
                            "nächsten Moment zwischen den Bäumen verschwunden.",
                        }));
  EXPECT_EQ(s.little_bear_seen, 1);
  EXPECT_EQ(Revisit(3), (Lines{"Tiefer im Wald"}));
}

// --- The meadow's scenes -----------------------------------------------------

TEST_F(RoomDescriptionTest, TheGrasshopperIsSeenOnlyOnce) {
  const Lines first = Revisit(4);
  EXPECT_EQ(first, (Lines{
                       "Auf einer Bienenwiese",
                       "",
                       "Dutzende Bienen sammeln fleißig Honig.",
                       "",
                       "Im Augenwinkel siehst du einen grünen Grashüpfer mit einem braunen Hut, der",
                       "eilig zwischen den Blumen verschwindet. Hatte er da etwa eine Geige unter dem",
                       "Arm?",
                   }));
  EXPECT_EQ(s.grasshopper_seen, 1);
  EXPECT_EQ(Revisit(4).size(), 3u);
}

TEST_F(RoomDescriptionTest, BeesTakeTheOpenJarAwardOnceAndEndTheDescription) {
  s.voucher_redeemed = 1;
  s.honey_jar_carried = 1;
  s.honey_jar_state = 1;  // the lid in the other hand
  s.grass_room = 4;
  const Lines lines = Revisit(4);
  EXPECT_EQ(lines, (Lines{
                       "Auf einer Bienenwiese",
                       "",
                       "Dutzende Bienen sammeln fleißig Honig.",
                       "",
                       "Sofort bist du umzingelt von Dutzenden Bienen, die im Sturzflug auf das offene",
                       "Honigglas zuschießen. Vor Schreck stellst du es auf den Boden. Die Bienen",
                       "machen sich begeistert darüber her und haben für den Rest der Wiese kein Auge",
                       "mehr übrig.",
                       "",
                       "[Deine Punktzahl hat sich um 3 Punkte erhöht.]",
                       "[Du kannst diese Benachrichtigung mit 'Meldung' an- und ausschalten.]",
                   }));
  EXPECT_EQ(s.bees_at_jar, 1);
  EXPECT_EQ(s.honey_jar_carried, 0);
  EXPECT_EQ(s.honey_jar_room, 4);
  EXPECT_EQ(s.honey_jar_state, 1);
  EXPECT_EQ(s.bees_points_given, 1);
  EXPECT_EQ(s.score, 3);
  EXPECT_EQ(s.grasshopper_seen, 0);

  // Next time: the grasshopper and the grass, no second award, no jar listed.
  const Lines again = Revisit(4);
  EXPECT_EQ(again.at(2), "Dutzende Bienen umschwirren das offene Honigglas, das auf dem Boden steht.");
  EXPECT_EQ(again.back(), "Hier ist etwas Gras.");
  EXPECT_EQ(s.score, 3);
}

TEST_F(RoomDescriptionTest, TheBeesIgnoreAClosedJarAndOneWhoseAwardIsGiven) {
  s.voucher_redeemed = 1;
  s.honey_jar_carried = 1;
  s.honey_jar_state = 2;
  s.grasshopper_seen = 1;
  EXPECT_EQ(Revisit(4).size(), 3u);
  EXPECT_EQ(s.bees_at_jar, 0);
  EXPECT_EQ(s.honey_jar_carried, 1);

  s.honey_jar_state = 0;
  s.lid_room = 3;
  s.bees_points_given = 1;
  const Lines lines = Revisit(4);
  EXPECT_EQ(lines.back(), "mehr übrig.");
  EXPECT_EQ(s.bees_at_jar, 1);
  EXPECT_EQ(s.score, 0);
}

// --- Things lying here -------------------------------------------------------

TEST_F(RoomDescriptionTest, OneTwoAndThreeThingsAreListedInTableOrder) {
  s.basket_carried = 0;
  s.basket_room = 13;
  EXPECT_EQ(Revisit(13), (Lines{"Auf einer Lichtung", "", "Hier ist ein Korb."}));
  EXPECT_EQ(Revisit(2).back(), "Hier ist eine Zeitung.");
  s.basket_carried = 0;
  s.basket_room = 2;
  EXPECT_EQ(Revisit(2).back(), "Hier sind ein Korb und eine Zeitung.");
  s.grass_room = 2;
  s.lines_since_pause = 0;
  EXPECT_EQ(Revisit(2).back(), "Hier sind ein Korb, eine Zeitung und etwas Gras.");
  EXPECT_EQ(console.ShownCell(console.CursorRow() - 1, 1).fg, kLightGrey);
  EXPECT_EQ(s.lines_since_pause, 1 + 1);  // title and list; the line end before it is not counted
}

TEST_F(RoomDescriptionTest, ALongListIsOneLineThatTheConsoleWraps) {
  s.basket_carried = 0;
  s.basket_room = 2;
  s.voucher_found = 1;
  s.voucher_room = 2;
  s.voucher_redeemed = 1;
  s.honey_jar_room = 2;
  s.lid_room = 2;
  s.ball_state = 0;
  s.ball_room = 2;
  s.bouquet_room = 2;
  s.grass_room = 2;
  s.sheep_room = 2;
  s.spare_key_found = 1;
  s.key_under_mat = 0;
  s.key_room = 2;
  s.umbrella_room = 2;
  s.coin_room = 2;
  s.lines_since_pause = 0;
  // Cut at column 80, mid-word if need be; no word wrap.
  EXPECT_EQ(Revisit(2), (Lines{
                            "Auf einem Waldweg",
                            "",
                            "Hier sind ein Korb, eine Zeitung, ein Gutschein, ein Honigglas, ein Deckel, eine",
                            " Kugel, ein Blumenstrauß, etwas Gras, ein Schaf, ein Schlüssel, ein Regenschirm",
                            "und ein Taler.",
                        }));
  EXPECT_EQ(s.lines_since_pause, 1 + 1);  // still one counted line
}

TEST_F(RoomDescriptionTest, ThingsOnlyCountWhenTheyAreReallyHere) {
  s.grasshopper_seen = 1;
  s.honey_jar_room = 2;  // no jar before the voucher is redeemed
  s.lid_room = 2;
  s.honey_jar_state = 2;  // the lid is on the jar
  s.ball_room = 2;        // ball_state 3: on the well
  s.key_room = 2;         // not found yet
  s.voucher_room = 2;     // still inside the newspaper
  s.newspaper_carried = 1;
  s.coin_room = 2;
  s.coin_state = 5;  // in the machine's coin return
  EXPECT_EQ(Revisit(2), (Lines{"Auf einem Waldweg"}));
}

TEST_F(RoomDescriptionTest, TheSheepAtTheHerdIsNeverListed) {
  s.sheep_room = 9;
  EXPECT_EQ(Revisit(9), (Lines{"Am westlichen Flussufer", "", "Eine kleine Schafherde steht am Flussufer."}));
  s.sheep_room = 8;
  EXPECT_EQ(Revisit(8).back(), "Hier ist ein Schaf.");
  s.wolf_has_sheep = 1;
  EXPECT_EQ(Revisit(8), (Lines{"Am Biberbaumarkt"}));
}

TEST_F(RoomDescriptionTest, DescribingTheHouseRunsTheEnding) {
  frontend.Key(' ');
  frontend.Key('e');
  EXPECT_THROW(Describe(12), ProgramExit);
  EXPECT_EQ(s.place_name, "Im Haus deiner Oma");
  EXPECT_EQ(s.visited_house_inside, 0);
}

}  // namespace
