// Taking and putting down single objects, everything at once, and the
// inventory: exact answers, the state they leave, and the move counter.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "console/encoding.h"
#include "play_helpers.h"
#include "world/objects.h"

namespace {

using Fields = std::vector<std::pair<int GameSession::*, int>>;
using G = GameSession;  // keeps the field names in the tables short

void Set(GameSession& g, const Fields& fields) {
  for (const auto& [field, value] : fields) g.*field = value;
}

// Fields set in a new game, lines typed with the exact answer to each, the
// fields they must leave behind and the moves they count.
struct Script {
  const char* label;  // names the case in the test name and in failures
  Fields before;
  std::vector<std::pair<std::string, std::string>> typed_and_answer;
  Fields after;
  int moves;
};

void PrintTo(const Script& script, std::ostream* os) { *os << script.label; }

class TakeDropScript : public WorldGameTest, public ::testing::WithParamInterface<Script> {};

TEST_P(TakeDropScript, AnswersStateAndMoves) {
  const Script& c = GetParam();
  Set(s(), c.before);
  std::vector<std::string> lines;
  for (const auto& [typed, answer] : c.typed_and_answer) lines.push_back(typed);
  Play(lines);
  std::map<std::string, int> seen;  // a repeated line is matched to its next occurrence
  for (const auto& [typed, answer] : c.typed_and_answer) {
    EXPECT_EQ(AnswerTo(typed, ++seen[typed]), answer) << c.label << ": " << typed;
  }
  for (const auto& [field, value] : c.after) EXPECT_EQ(s().*field, value) << c.label;
  EXPECT_EQ(s().move_count, c.moves) << c.label;
}

std::string LabelOf(const ::testing::TestParamInfo<Script>& info) { return info.param.label; }

// --- Taking the portable objects, and taking them again ----------------------------

const Script kTaking[] = {
    {"Basket", {{&G::basket_carried, 0}, {&G::basket_room, 1}},
     {{"nimm den korb", "Du nimmst den Korb."}, {"nimm korb", "Der Korb ist bereits in deinem Besitz."}},
     {{&G::basket_carried, 1}}, 2},
    {"NewspaperVoucherAndBouquet",
     {{&G::current_room, 2}, {&G::voucher_found, 1}, {&G::bouquet_picked, 1}, {&G::bouquet_room, 2}},
     {{"nimm zeitung", "Du nimmst die Zeitung."},
      {"nimm gutschein", "Du nimmst den Gutschein."},
      {"nimm blumenstrauß", "Du nimmst den Blumenstrauß."},
      {"nimm zeitung", "Die Zeitung ist bereits in deinem Besitz."},
      {"nimm gutschein", "Der Gutschein ist bereits in deinem Besitz."},
      {"nimm blumenstrauß", "Der Blumenstrauß ist bereits in deinem Besitz."}},
     {{&G::newspaper_carried, 1}, {&G::voucher_carried, 1}, {&G::bouquet_carried, 1}}, 6},
    {"FoundKeyFromUnderTheMat", {{&G::current_room, 11}, {&G::spare_key_found, 1}},
     {{"nimm schlüssel", "Du nimmst den Schlüssel."},
      {"nimm schlüssel", "Der Schlüssel ist bereits in deinem Besitz."}},
     {{&G::key_holder, 1}, {&G::key_under_mat, 0}}, 2},
    {"KeyUnderTheMatNotYetFound", {{&G::current_room, 11}},
     {{"nimm schlüssel", "Du siehst hier keinen Schlüssel."}},
     {{&G::key_holder, 0}, {&G::key_under_mat, 1}}, 0},
    {"KeyBackFromTheBeaver",
     {{&G::current_room, 8}, {&G::spare_key_found, 1}, {&G::key_under_mat, 0}, {&G::key_holder, 5}},
     {{"nimm schlüssel", "Du nimmst den Schlüssel."}},
     {{&G::key_holder, 1}}, 1},
    {"UmbrellaAndCoin", {{&G::umbrella_room, 1}, {&G::coin_room, 1}},
     {{"nimm regenschirm", "Du nimmst den Regenschirm."},
      {"nimm taler", "Du nimmst den Taler."},
      {"nimm regenschirm", "Der Regenschirm ist bereits in deinem Besitz."},
      {"nimm taler", "Der Taler ist bereits in deinem Besitz."}},
     {{&G::umbrella_carried, 1}, {&G::coin_state, 1}}, 4},
    {"CoinFromTheCoinReturn", {{&G::current_room, 6}, {&G::coin_state, 5}, {&G::coin_returned, 1}},
     {{"nimm taler", "Du nimmst den Taler."}},
     {{&G::coin_state, 1}}, 1},
    {"BallFromTheWellOnceTheFrogIsAToad", {{&G::current_room, 5}, {&G::frog_state, 3}},
     {{"nimm die goldene kugel", "Du nimmst die Kugel."}, {"nimm kugel", "Die Kugel ist bereits in deinem Besitz."}},
     {{&G::ball_state, 1}}, 2},
    {"BallFromTheGround", {{&G::frog_state, 3}, {&G::ball_state, 0}, {&G::ball_room, 1}},
     {{"nimm kugel", "Du nimmst die Kugel."}},
     {{&G::ball_state, 1}}, 1},
    {"LooseLid", {{&G::voucher_redeemed, 1}, {&G::honey_jar_carried, 1}, {&G::honey_jar_state, 0}, {&G::lid_room, 1}},
     {{"nimm deckel", "Du nimmst den Deckel."}, {"nimm deckel", "Der Deckel ist bereits in deinem Besitz."}},
     {{&G::honey_jar_state, 1}}, 2},
    {"BouquetPickedOnce", {{&G::current_room, 4}, {&G::bees_at_jar, 1}},
     {{"nimm blumen", "Du pflückst für die Oma einen hübschen Blumenstrauß."},
      {"pflücke blumen", "Du hast doch schon einen Strauß gepflückt!"}},
     {{&G::bouquet_picked, 1}, {&G::bouquet_carried, 1}}, 2},
    {"GrassFromTheMeadow", {{&G::current_room, 4}},
     {{"nimm gras", "Du nimmst etwas Gras."}, {"nimm gras", "Das Gras ist bereits in deinem Besitz."}},
     {{&G::grass_carried, 1}}, 2},
    {"PickingUpIsTaking", {{&G::current_room, 2}},
     {{"lies die zeitung auf", "Du nimmst die Zeitung."}},
     {{&G::newspaper_carried, 1}}, 1},
    // Only a thing without a branch of its own gets the "mit" refusal; the
    // newspaper's own branch comes first and takes it.
    {"WithSomethingOnlyWithoutABranch", {{&G::current_room, 2}},
     {{"nimm die bank mit dem korb", "Du kannst die Bank nicht mit dem Korb nehmen."},
      {"nimm die zeitung mit dem korb", "Du nimmst die Zeitung."}},
     {}, 2},
};

INSTANTIATE_TEST_SUITE_P(Taking, TakeDropScript, ::testing::ValuesIn(kTaking), LabelOf);

// --- What cannot be taken, and what is not here --------------------------------------

const Script kNotTaken[] = {
    {"BeesDefendTheirJar",
     {{&G::current_room, 4}, {&G::voucher_redeemed, 1}, {&G::honey_jar_room, 4}, {&G::honey_jar_state, 0},
      {&G::lid_room, 2}, {&G::bees_at_jar, 1}},
     {{"nimm honigglas",
       "Sofort fliegen die Bienen auf dich zu und verteidigen ihr Honigglas. So kannst du es nicht nehmen."},
      {"nimm bienen", "Ganz sicher würden sie dich stechen!"}},
     {{&G::honey_jar_carried, 0}}, 2},
    {"FixedOrHeavyOrForGrandma", {{&G::current_room, 8}},
     {{"nimm schild", "Das Schild ist fest mit dem Stand verbunden."},
      {"nimm klingel", "Die Klingel ist fest mit dem Stand verbunden."},
      {"nimm wasser", "Das Wasser rinnt dir aus den Händen."},
      {"nimm baum", "Dafür fehlt es dir an der nötigen Kraft."},
      {"nimm landschaft", "Auch noch andere wollen sich an der Landschaft erfreuen."},
      {"nimm kappe", "Du trägst die Kappe bereits auf deinem Kopf."},
      {"nimm wein", "Du solltest die Sachen für deine Oma besser im Korb lassen!"},
      {"nimm kuchen", "Du solltest die Sachen für deine Oma besser im Korb lassen!"}},
     {}, 8},
    {"RiverOutOfReachFromTheBridge", {{&G::current_room, 10}},
     {{"nimm wasser", "Von hier aus kommst du nicht an das Wasser heran."}},
     {}, 1},
    {"Sheep", {{&G::current_room, 9}},
     {{"nimm schaf", "Leider bist du nicht in der Lage, ein Schaf zu tragen."},
      {"nimm herde", "Leider bist du nicht in der Lage, ein Schaf zu tragen."}},
     {}, 2},
    {"FrogHopsAside", {{&G::current_room, 5}},
     {{"nimm frosch", "'Was fällt dir ein? Lass mich hier sitzen', ruft der Frosch und hüpft zur Seite."}},
     {{&G::frog_state, 0}}, 1},
    {"OtherThingsCannotBeTakenOff", {},
     {{"nimm den korb ab", "Du kannst den Korb nicht abnehmen."}},
     {{&G::basket_carried, 1}}, 1},
    {"Herself", {}, {{"nimm dich", "Das ist nicht möglich."}}, {}, 1},
    // Things not here are left alone and count no move.
    {"NotHere", {},
     {{"nimm zeitung", "Du siehst hier keine Zeitung."},
      {"nimm kugel", "Du siehst hier keine Kugel."},
      {"nimm taler", "Du siehst hier keinen Taler."}},
     {{&G::newspaper_carried, 0}, {&G::ball_state, 3}, {&G::coin_state, 0}}, 0},
    {"LostForGood",
     {{&G::basket_carried, 0}, {&G::basket_room, 20}, {&G::frog_state, 3}, {&G::ball_state, 0}, {&G::ball_room, 20},
      {&G::bouquet_picked, 1}, {&G::bouquet_room, 20}, {&G::current_room, 5}},
     {{"nimm korb", "Du siehst hier keinen Korb."},
      {"nimm kugel", "Du siehst hier keine Kugel."},
      {"nimm blumenstrauß", "Du siehst hier keinen Blumenstrauß."},
      {"nimm alles", "Es ist nichts hier, was du nehmen kannst."},
      {"lege alles hin", "Du hast nichts, was du hinlegen kannst."}},
     {{&G::basket_room, 20}, {&G::ball_room, 20}, {&G::bouquet_room, 20}, {&G::basket_carried, 0}, {&G::ball_state, 0},
      {&G::bouquet_carried, 0}}, 2},
};

INSTANTIATE_TEST_SUITE_P(NotTaken, TakeDropScript, ::testing::ValuesIn(kNotTaken), LabelOf);

// --- Putting single objects down ---------------------------------------------------

const Script kDropping[] = {
    {"EachCarriedObjectStaysInTheRoom",
     {{&G::current_room, 3}, {&G::newspaper_carried, 1}, {&G::voucher_found, 1}, {&G::voucher_carried, 1},
      {&G::frog_state, 3}, {&G::ball_state, 1}, {&G::bouquet_picked, 1}, {&G::bouquet_carried, 1},
      {&G::spare_key_found, 1}, {&G::key_under_mat, 0}, {&G::key_holder, 1}, {&G::umbrella_carried, 1},
      {&G::coin_state, 1}},
     {{"lege den korb hin", "Du legst den Korb hin."},
      {"lege zeitung hin", "Du legst die Zeitung hin."},
      {"lege gutschein hin", "Du legst den Gutschein hin."},
      {"lege kugel hin", "Du legst die Kugel hin."},
      {"lege blumenstrauß hin", "Du legst den Blumenstrauß hin."},
      {"lege schlüssel hin", "Du legst den Schlüssel hin."},
      {"lege regenschirm hin", "Du legst den Regenschirm hin."},
      {"lege taler hin", "Du legst den Taler hin."}},
     {{&G::basket_carried, 0}, {&G::basket_room, 3}, {&G::newspaper_carried, 0}, {&G::newspaper_room, 3},
      {&G::voucher_carried, 0}, {&G::voucher_room, 3}, {&G::ball_state, 0}, {&G::ball_room, 3},
      {&G::bouquet_carried, 0}, {&G::bouquet_room, 3}, {&G::key_holder, 0}, {&G::key_room, 3},
      {&G::umbrella_carried, 0}, {&G::umbrella_room, 3}, {&G::coin_state, 0}, {&G::coin_room, 3}}, 8},
    {"LooseLidOnItsOwn",
     {{&G::current_room, 2}, {&G::voucher_redeemed, 1}, {&G::honey_jar_carried, 1}, {&G::honey_jar_state, 1}},
     {{"stelle deckel hin", "Du legst den Deckel hin."}},
     {{&G::honey_jar_state, 0}, {&G::lid_room, 2}, {&G::honey_jar_carried, 1}}, 1},
    {"OnTheGroundIsDown", {{&G::current_room, 2}},
     {{"lege den korb auf den boden", "Du legst den Korb hin."}},
     {{&G::basket_carried, 0}, {&G::basket_room, 2}}, 1},
    {"GrassWithoutSheepCanBeTakenAgain", {{&G::grass_carried, 1}},
     {{"lege gras hin", "Du legst das Gras hin."}, {"nimm gras", "Du nimmst etwas Gras."}},
     {{&G::grass_carried, 1}, {&G::grass_room, 1}}, 2},
    // The herd eats it even without a following sheep.
    {"GrassAtTheHerd", {{&G::current_room, 9}, {&G::grass_carried, 1}},
     {{"lege gras hin", "Du legst das Gras hin und die Schafe fressen es genüsslich auf."}},
     {{&G::grass_carried, 0}, {&G::grass_room, 0}, {&G::sheep_state, 0}, {&G::sheep_room, 9}}, 1},
    {"GrassBeforeTheFollowingSheep",
     {{&G::current_room, 8}, {&G::grass_carried, 1}, {&G::sheep_state, 1}, {&G::sheep_room, 8}},
     {{"lege gras hin",
       "Du legst das Gras hin. Das Schaf frisst es genüsslich auf, verliert das Interesse an dir und läuft nach "
       "Westen zurück zur Schafherde."}},
     {{&G::grass_carried, 0}, {&G::grass_room, 0}, {&G::sheep_state, 0}, {&G::sheep_room, 9}}, 1},
    {"TheCapAndThePlayerHerself", {},
     {{"lege die kappe hin", "Auf deinem Kopf ist die Kappe am besten aufgehoben."},
      {"lege dich hin", "Dafür gibt es keinen Grund."},
      {"stelle dich hin", "Du stehst bereits."}},
     {}, 3},
};

INSTANTIATE_TEST_SUITE_P(Dropping, TakeDropScript, ::testing::ValuesIn(kDropping), LabelOf);

// --- Everything at once ------------------------------------------------------------

const Script kAll[] = {
    {"TakeWhereNothingLies", {}, {{"nimm alles", "Es ist nichts hier, was du nehmen kannst."}}, {}, 1},
    {"TakeEveryObjectInItsOrder",
     {{&G::current_room, 3}, {&G::basket_carried, 0}, {&G::basket_room, 3}, {&G::newspaper_room, 3},
      {&G::voucher_found, 1}, {&G::voucher_room, 3}, {&G::voucher_redeemed, 1}, {&G::honey_jar_room, 3},
      {&G::honey_jar_state, 3}, {&G::lid_room, 3}, {&G::frog_state, 3}, {&G::ball_state, 0}, {&G::ball_room, 3},
      {&G::bouquet_picked, 1}, {&G::bouquet_room, 3}, {&G::spare_key_found, 1}, {&G::key_under_mat, 0},
      {&G::key_room, 3}, {&G::umbrella_room, 3}, {&G::coin_room, 3}, {&G::grass_room, 3}},
     {{"nimm alles",
       "Du nimmst den Regenschirm, den Korb, die Zeitung, den Gutschein, das Honigglas, die Kugel, den "
       "Blumenstrauß, den Schlüssel, den Taler und etwas Gras."}},
     {{&G::umbrella_carried, 1}, {&G::basket_carried, 1}, {&G::newspaper_carried, 1}, {&G::voucher_carried, 1},
      {&G::honey_jar_carried, 1}, {&G::honey_jar_state, 2}, {&G::ball_state, 1}, {&G::bouquet_carried, 1},
      {&G::key_holder, 1}, {&G::coin_state, 1}, {&G::grass_carried, 1}}, 1},
    {"TakeTwoJoinedByUnd",
     {{&G::basket_carried, 0}, {&G::basket_room, 1}, {&G::voucher_redeemed, 1}, {&G::honey_jar_carried, 1},
      {&G::honey_jar_state, 0}, {&G::lid_room, 1}},
     {{"nimm alles", "Du nimmst den Korb und den Deckel."}},
     {{&G::honey_jar_state, 1}}, 1},
    {"BallOnTheWellNotFromTheFrog", {{&G::current_room, 5}},
     {{"nimm alles", "Es ist nichts hier, was du nehmen kannst."}},
     {{&G::ball_state, 3}}, 1},
    {"BallOnTheWellFromTheToad", {{&G::current_room, 5}, {&G::frog_state, 3}},
     {{"nimm alles", "Du nimmst die Kugel."}},
     {{&G::ball_state, 1}}, 1},
    {"KeyBackFromTheBeaver",
     {{&G::current_room, 8}, {&G::spare_key_found, 1}, {&G::key_under_mat, 0}, {&G::key_holder, 5}},
     {{"nimm alles", "Du nimmst den Schlüssel."}},
     {{&G::key_holder, 1}}, 1},
    {"ReturnedCoin", {{&G::current_room, 6}, {&G::coin_state, 5}},
     {{"nimm alles", "Du nimmst den Taler."}},
     {{&G::coin_state, 1}}, 1},
    {"JarLeftToTheBees",
     {{&G::current_room, 4}, {&G::voucher_redeemed, 1}, {&G::honey_jar_room, 4}, {&G::bees_at_jar, 1}},
     {{"nimm alles", "Es ist nichts hier, was du nehmen kannst."}},
     {{&G::honey_jar_carried, 0}}, 1},
    {"DropWithNothingCarried", {{&G::basket_carried, 0}, {&G::basket_room, 1}},
     {{"lege alles hin", "Du hast nichts, was du hinlegen kannst."}},
     {}, 1},
    {"DropTheOpenJarAndItsLidBesideIt",
     {{&G::basket_carried, 0}, {&G::basket_room, 1}, {&G::voucher_redeemed, 1}, {&G::honey_jar_carried, 1},
      {&G::honey_jar_state, 1}},
     {{"lege alles hin", "Du legst das Honigglas und den Deckel hin."}},
     {{&G::honey_jar_state, 0}, {&G::lid_room, 1}, {&G::honey_jar_room, 1}}, 1},
    {"DropAndTakeTheClosedJar",
     {{&G::current_room, 2}, {&G::voucher_redeemed, 1}, {&G::honey_jar_carried, 1}, {&G::honey_jar_state, 2},
      {&G::newspaper_room, 1}},
     {{"lege alles hin", "Du legst den Korb und das Honigglas hin."},
      {"nimm alles", "Du nimmst den Korb und das Honigglas."}},
     {{&G::honey_jar_state, 2}, {&G::honey_jar_carried, 1}, {&G::basket_carried, 1}}, 2},
    {"DropBeforeTheFollowingSheep",
     {{&G::current_room, 8}, {&G::grass_carried, 1}, {&G::sheep_state, 1}, {&G::sheep_room, 8}},
     {{"lege alles hin",
       "Du legst den Korb und das Gras hin. Kaum hast du das Gras hingelegt, frisst das Schaf es genüsslich auf, "
       "verliert das Interesse an dir und läuft nach Westen zurück zur Schafherde."}},
     {{&G::grass_room, 0}, {&G::sheep_state, 0}, {&G::sheep_room, 9}}, 1},
};

INSTANTIATE_TEST_SUITE_P(All, TakeDropScript, ::testing::ValuesIn(kAll), LabelOf);

// --- Answers checked only in part, or row by row -----------------------------------

class TakeTest : public WorldGameTest {};

TEST_F(TakeTest, TheFrogWantsAKissForTheBall) {
  s().current_room = 5;
  Play({"nimm kugel"});
  EXPECT_EQ(AnswerTo("nimm kugel").rfind("'So, du möchtest also diese Kugel', sagt der Frosch.", 0), 0u);
  EXPECT_EQ(s().ball_state, 3);
  EXPECT_EQ(s().move_count, 1);
}

TEST_F(TakeTest, TakingTheJarWithItsLidAndTheHoneyInIt) {
  s().voucher_redeemed = 1;
  s().voucher_room = 500;
  s().honey_jar_room = 1;
  s().honey_jar_state = 3;
  s().lid_room = 1;
  Play({"nimm deckel", "nimm honig", "nimm honigglas", "nimm honig", "nimm deckel"});
  EXPECT_EQ(AnswerTo("nimm deckel"), "Der Deckel ist auf dem Glas. Du solltest zuerst das Glas nehmen.");
  EXPECT_EQ(RowsAfter("nimm honig"), (std::vector<std::string>{"(das honigglas)", "Du nimmst das Honigglas."}));
  EXPECT_EQ(AnswerTo("nimm honigglas"), "Das Honigglas ist bereits in deinem Besitz.");
  EXPECT_EQ(AnswerTo("nimm honig", 2), "Der Honig ist bereits in deinem Besitz.");
  EXPECT_EQ(AnswerTo("nimm deckel", 2), "Der Deckel ist bereits in deinem Besitz.");
  EXPECT_EQ(s().honey_jar_carried, 1);
  EXPECT_EQ(s().honey_jar_state, 2);
  EXPECT_EQ(s().move_count, 5);
}

TEST_F(TakeTest, TheBeesKeepThePlayerFromTheFlowers) {
  s().current_room = 4;
  Play({"nimm blumen"});
  const std::string answer = AnswerTo("nimm blumen");
  const std::string last = "Unter diesen Umständen ist es völlig unmöglich, Blumen zu pflücken.";
  ASSERT_GT(answer.size(), last.size());
  EXPECT_EQ(answer.substr(answer.size() - last.size()), last);
  EXPECT_EQ(s().bouquet_picked, 0);
  EXPECT_EQ(s().bouquet_carried, 0);
}

TEST_F(TakeTest, GrandmasDoorMatStays) {
  s().current_room = 11;
  Play({"nimm matte"});
  EXPECT_EQ(AnswerTo("nimm matte").rfind("Deine Oma wäre nicht begeistert, wenn du ihre Fußmatte wegträgst. ", 0),
            0u);
}

TEST_F(TakeTest, TakingOffTheCapOrTheLid) {
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 2;
  Play({"nimm die kappe ab", "nimm den deckel ab"});
  EXPECT_EQ(AnswerTo("nimm die kappe ab"), "Auf deinem Kopf ist die Kappe am besten aufgehoben.");
  const std::vector<std::string> rows = RowsAfter("nimm den deckel ab");
  ASSERT_FALSE(rows.empty());
  EXPECT_EQ(rows[0], "(öffne das Glas)");
}

class DropTest : public WorldGameTest {};

TEST_F(DropTest, TheClosedJarKeepsItsLidWhereItLies) {
  s().current_room = 2;
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 2;
  Play({"lege honig hin", "nimm honigglas"});
  EXPECT_EQ(RowsAfter("lege honig hin"), (std::vector<std::string>{"(das honigglas)", "Du legst das Honigglas hin."}));
  EXPECT_EQ(AnswerTo("nimm honigglas"), "Du nimmst das Honigglas.");
  EXPECT_EQ(s().honey_jar_carried, 1);
  EXPECT_EQ(s().honey_jar_room, 2);
  EXPECT_EQ(s().honey_jar_state, 2);
  EXPECT_EQ(s().lid_room, 2);
}

TEST_F(DropTest, SomethingNotCarriedIsLeftWhereItIs) {
  s().current_room = 2;  // the newspaper lies here
  const GameSession before = s();
  Play({"lege zeitung hin", "lege kugel hin"});
  EXPECT_EQ(AnswerTo("lege kugel hin"), "Du siehst hier keine Kugel.");
  EXPECT_EQ(s().newspaper_carried, before.newspaper_carried);
  EXPECT_EQ(s().newspaper_room, before.newspaper_room);
  EXPECT_EQ(s().ball_state, before.ball_state);
  EXPECT_EQ(s().move_count, 1);  // only the newspaper is here to be named
}

class AllTest : public WorldGameTest {};

TEST_F(AllTest, DroppingAllPutsDownEveryObjectInItsOrder) {
  GameSession& g = s();
  Set(g, {{&G::current_room, 2}, {&G::newspaper_carried, 1}, {&G::voucher_found, 1}, {&G::voucher_carried, 1},
          {&G::voucher_redeemed, 1}, {&G::honey_jar_carried, 1}, {&G::honey_jar_state, 2}, {&G::frog_state, 3},
          {&G::ball_state, 1}, {&G::bouquet_picked, 1}, {&G::bouquet_carried, 1}, {&G::grass_carried, 1},
          {&G::spare_key_found, 1}, {&G::key_under_mat, 0}, {&G::key_holder, 1}, {&G::coin_state, 1},
          {&G::umbrella_carried, 1}});
  Play({"lege alles hin"});
  EXPECT_EQ(AnswerTo("lege alles hin"),
            "Du legst den Korb, die Zeitung, den Gutschein, das Honigglas, die Kugel, den Blumenstrauß, das Gras, "
            "den Schlüssel, den Taler und den Regenschirm hin.");
  EXPECT_EQ(g.basket_room, 2);
  EXPECT_EQ(g.newspaper_room, 2);
  EXPECT_EQ(g.voucher_room, 2);
  EXPECT_EQ(g.honey_jar_room, 2);
  EXPECT_EQ(g.honey_jar_state, 3);
  EXPECT_EQ(g.lid_room, 2);
  EXPECT_EQ(g.ball_state, 0);
  EXPECT_EQ(g.ball_room, 2);
  EXPECT_EQ(g.bouquet_room, 2);
  EXPECT_EQ(g.grass_room, 2);
  EXPECT_EQ(g.key_room, 2);
  EXPECT_EQ(g.coin_room, 2);
  EXPECT_EQ(g.umbrella_room, 2);
  EXPECT_TRUE(CarriedObjects(g).empty());
  EXPECT_EQ(g.move_count, 1);
}

TEST_F(AllTest, DroppingAllAtTheHerdFeedsTheGrassToTheSheep) {
  s().current_room = 9;
  s().grass_carried = 1;
  Play({"lege alles hin"});
  EXPECT_EQ(RowsAfter("lege alles hin"),
            (std::vector<std::string>{"Du legst den Korb und das Gras hin.",
                                      "Kaum hast du das Gras hingelegt, fressen die Schafe es genüsslich auf."}));
  EXPECT_EQ(s().grass_carried, 0);
  EXPECT_EQ(s().grass_room, 0);
  EXPECT_EQ(s().basket_room, 9);
}

// --- Lists and the inventory -------------------------------------------------------

TEST(JoinNamesTest, OneTwoAndMoreNames) {
  EXPECT_EQ(JoinNames({}), "");
  EXPECT_EQ(JoinNames({"ein Korb"}), "ein Korb");
  EXPECT_EQ(JoinNames({"ein Korb", "eine Kugel"}), "ein Korb und eine Kugel");
  EXPECT_EQ(JoinNames({"A", "B", "C", "D"}), "A, B, C und D");
}

class InventoryTest : public WorldGameTest {};

TEST_F(InventoryTest, TheAnswerNamesEveryCarriedObjectAndCountsAMove) {
  struct Case {
    const char* label;
    Fields before;
    const char* answer;
  };
  const Case cases[] = {
      {"only the basket", {}, "Du hast einen Korb."},
      {"torn and bent",
       {{&G::newspaper_carried, 1}, {&G::newspaper_torn, 1}, {&G::spare_key_found, 1}, {&G::key_holder, 1}},
       "Du hast einen Korb, eine zerrissene Zeitung und einen verbogenen Schlüssel."},
      {"whole and straight",
       {{&G::newspaper_carried, 1}, {&G::spare_key_found, 1}, {&G::key_holder, 1}, {&G::key_bent, 0}},
       "Du hast einen Korb, eine Zeitung und einen Schlüssel."},
      {"nothing", {{&G::basket_carried, 0}}, "Du trägst nichts bei dir."},
  };
  for (const Case& c : cases) {
    GameSession g = s();
    Set(g, c.before);
    EXPECT_EQ(ShowInventory(g), TurnEnd::kEndOfTurn) << c.label;
    EXPECT_EQ(g.message_line, Cp850(c.answer)) << c.label;
    EXPECT_EQ(g.move_count, 1) << c.label;
  }
}

TEST_F(InventoryTest, EveryCarriedObjectInItsOrder) {
  GameSession& g = s();
  Set(g, {{&G::newspaper_carried, 1}, {&G::voucher_carried, 1}, {&G::honey_jar_carried, 1}, {&G::honey_jar_state, 1},
          {&G::ball_state, 1}, {&G::bouquet_carried, 1}, {&G::grass_carried, 1}, {&G::key_holder, 1},
          {&G::key_bent, 0}, {&G::umbrella_carried, 1}, {&G::coin_state, 1}});
  EXPECT_EQ(CarriedObjects(g),
            (std::vector<std::string>{"einen Korb", "eine Zeitung", "einen Gutschein", "ein Honigglas", "einen Deckel",
                                      "eine Kugel", Cp850("einen Blumenstrauß"), "etwas Gras", Cp850("einen Schlüssel"),
                                      "einen Regenschirm", "einen Taler"}));
  g.honey_jar_state = 2;  // the lid on the jar is not listed on its own
  g.ball_state = 4;
  g.coin_state = 99;
  g.key_holder = 5;
  EXPECT_EQ(CarriedObjects(g),
            (std::vector<std::string>{"einen Korb", "eine Zeitung", "einen Gutschein", "ein Honigglas",
                                      Cp850("einen Blumenstrauß"), "etwas Gras", "einen Regenschirm"}));
}

TEST_F(InventoryTest, TheRoomListLeavesOutTheHiddenKeyAndTheHerd) {
  GameSession& g = s();
  g.current_room = 11;
  g.spare_key_found = 1;  // found, but still under the mat
  EXPECT_TRUE(ObjectsLyingHere(g).empty());
  g.key_under_mat = 0;
  g.basket_carried = 0;
  g.basket_room = 11;
  EXPECT_EQ(ObjectsLyingHere(g), (std::vector<std::string>{"ein Korb", Cp850("ein Schlüssel")}));
  g.current_room = 9;
  g.sheep_room = 9;
  EXPECT_TRUE(ObjectsLyingHere(g).empty());
  g.current_room = 8;
  g.sheep_room = 8;
  EXPECT_EQ(ObjectsLyingHere(g), (std::vector<std::string>{"ein Schaf"}));
}

}  // namespace
