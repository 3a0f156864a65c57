// Taking and putting down single objects, everything at once, and the
// inventory: exact answers, the state they leave, and the move counter.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/encoding.h"
#include "play_helpers.h"
#include "world/objects.h"

namespace {

class TakeTest : public WorldGameTest {};

// --- Taking the portable objects -------------------------------------------------------

TEST_F(TakeTest, TakingTheBasketAndThenAgain) {
  s().basket_carried = 0;
  s().basket_room = 1;
  Play({"nimm den korb", "nimm korb"});
  EXPECT_EQ(AnswerTo("nimm den korb"), "Du nimmst den Korb.");
  EXPECT_EQ(AnswerTo("nimm korb"), "Der Korb ist bereits in deinem Besitz.");
  EXPECT_EQ(s().basket_carried, 1);
  EXPECT_EQ(s().move_count, 2);
}

TEST_F(TakeTest, TakingTheNewspaperVoucherAndBouquet) {
  s().current_room = 2;
  s().voucher_found = 1;
  s().bouquet_picked = 1;
  s().bouquet_room = 2;
  Play({"nimm zeitung", "nimm gutschein", "nimm blumenstrauß", "nimm zeitung", "nimm gutschein",
        "nimm blumenstrauß"});
  EXPECT_EQ(AnswerTo("nimm zeitung"), "Du nimmst die Zeitung.");
  EXPECT_EQ(AnswerTo("nimm gutschein"), "Du nimmst den Gutschein.");
  EXPECT_EQ(AnswerTo("nimm blumenstrauß"), "Du nimmst den Blumenstrauß.");
  EXPECT_EQ(AnswerTo("nimm zeitung", 2), "Die Zeitung ist bereits in deinem Besitz.");
  EXPECT_EQ(AnswerTo("nimm gutschein", 2), "Der Gutschein ist bereits in deinem Besitz.");
  EXPECT_EQ(AnswerTo("nimm blumenstrauß", 2), "Der Blumenstrauß ist bereits in deinem Besitz.");
  EXPECT_EQ(s().newspaper_carried, 1);
  EXPECT_EQ(s().voucher_carried, 1);
  EXPECT_EQ(s().bouquet_carried, 1);
  EXPECT_EQ(s().move_count, 6);
}

TEST_F(TakeTest, TakingTheFoundKeyFromUnderTheMat) {
  s().current_room = 11;
  s().spare_key_found = 1;
  Play({"nimm schlüssel", "nimm schlüssel"});
  EXPECT_EQ(AnswerTo("nimm schlüssel"), "Du nimmst den Schlüssel.");
  EXPECT_EQ(AnswerTo("nimm schlüssel", 2), "Der Schlüssel ist bereits in deinem Besitz.");
  EXPECT_EQ(s().key_holder, 1);
  EXPECT_EQ(s().key_under_mat, 0);
}

TEST_F(TakeTest, TheKeyUnderTheMatCannotBeTakenBeforeItIsFound) {
  s().current_room = 11;
  Play({"nimm schlüssel"});
  EXPECT_EQ(AnswerTo("nimm schlüssel"), "Du siehst hier keinen Schlüssel.");
  EXPECT_EQ(s().key_holder, 0);
  EXPECT_EQ(s().key_under_mat, 1);
  EXPECT_EQ(s().move_count, 0);
}

TEST_F(TakeTest, TakingTheKeyBackFromTheBeaver) {
  s().current_room = 8;
  s().spare_key_found = 1;
  s().key_under_mat = 0;
  s().key_holder = 5;
  Play({"nimm schlüssel"});
  EXPECT_EQ(AnswerTo("nimm schlüssel"), "Du nimmst den Schlüssel.");
  EXPECT_EQ(s().key_holder, 1);
}

TEST_F(TakeTest, TakingTheUmbrellaAndTheCoin) {
  s().umbrella_room = 1;
  s().coin_room = 1;
  Play({"nimm regenschirm", "nimm taler", "nimm regenschirm", "nimm taler"});
  EXPECT_EQ(AnswerTo("nimm regenschirm"), "Du nimmst den Regenschirm.");
  EXPECT_EQ(AnswerTo("nimm taler"), "Du nimmst den Taler.");
  EXPECT_EQ(AnswerTo("nimm regenschirm", 2), "Der Regenschirm ist bereits in deinem Besitz.");
  EXPECT_EQ(AnswerTo("nimm taler", 2), "Der Taler ist bereits in deinem Besitz.");
  EXPECT_EQ(s().umbrella_carried, 1);
  EXPECT_EQ(s().coin_state, 1);
}

TEST_F(TakeTest, TakingTheCoinFromTheCoinReturn) {
  s().current_room = 6;
  s().coin_state = 5;
  s().coin_returned = 1;
  Play({"nimm taler"});
  EXPECT_EQ(AnswerTo("nimm taler"), "Du nimmst den Taler.");
  EXPECT_EQ(s().coin_state, 1);
}

TEST_F(TakeTest, TheFrogWantsAKissForTheBall) {
  s().current_room = 5;
  Play({"nimm kugel"});
  EXPECT_EQ(AnswerTo("nimm kugel").rfind("'So, du möchtest also diese Kugel', sagt der Frosch.", 0), 0u);
  EXPECT_EQ(s().ball_state, 3);
  EXPECT_EQ(s().move_count, 1);
}

TEST_F(TakeTest, TakingTheBallFromTheWellOnceTheFrogIsAToad) {
  s().current_room = 5;
  s().frog_state = 3;
  Play({"nimm die goldene kugel", "nimm kugel"});
  EXPECT_EQ(AnswerTo("nimm die goldene kugel"), "Du nimmst die Kugel.");
  EXPECT_EQ(AnswerTo("nimm kugel"), "Die Kugel ist bereits in deinem Besitz.");
  EXPECT_EQ(s().ball_state, 1);
}

TEST_F(TakeTest, TakingTheBallFromTheGround) {
  s().frog_state = 3;
  s().ball_state = 0;
  s().ball_room = 1;
  Play({"nimm kugel"});
  EXPECT_EQ(AnswerTo("nimm kugel"), "Du nimmst die Kugel.");
  EXPECT_EQ(s().ball_state, 1);
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

TEST_F(TakeTest, TakingTheLooseLid) {
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 0;
  s().lid_room = 1;
  Play({"nimm deckel", "nimm deckel"});
  EXPECT_EQ(AnswerTo("nimm deckel"), "Du nimmst den Deckel.");
  EXPECT_EQ(AnswerTo("nimm deckel", 2), "Der Deckel ist bereits in deinem Besitz.");
  EXPECT_EQ(s().honey_jar_state, 1);
}

TEST_F(TakeTest, TheBeesDefendTheirJar) {
  s().current_room = 4;
  s().voucher_redeemed = 1;
  s().honey_jar_room = 4;
  s().honey_jar_state = 0;
  s().lid_room = 2;
  s().bees_at_jar = 1;
  Play({"nimm honigglas", "nimm bienen"});
  EXPECT_EQ(AnswerTo("nimm honigglas"),
            "Sofort fliegen die Bienen auf dich zu und verteidigen ihr Honigglas. So kannst du es nicht nehmen.");
  EXPECT_EQ(AnswerTo("nimm bienen"), "Ganz sicher würden sie dich stechen!");
  EXPECT_EQ(s().honey_jar_carried, 0);
  EXPECT_EQ(s().move_count, 2);
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

TEST_F(TakeTest, PickingABouquetOnce) {
  s().current_room = 4;
  s().bees_at_jar = 1;
  Play({"nimm blumen", "pflücke blumen"});
  EXPECT_EQ(AnswerTo("nimm blumen"), "Du pflückst für die Oma einen hübschen Blumenstrauß.");
  EXPECT_EQ(AnswerTo("pflücke blumen"), "Du hast doch schon einen Strauß gepflückt!");
  EXPECT_EQ(s().bouquet_picked, 1);
  EXPECT_EQ(s().bouquet_carried, 1);
  EXPECT_EQ(s().move_count, 2);
}

TEST_F(TakeTest, TakingGrassFromTheMeadow) {
  s().current_room = 4;
  Play({"nimm gras", "nimm gras"});
  EXPECT_EQ(AnswerTo("nimm gras"), "Du nimmst etwas Gras.");
  EXPECT_EQ(AnswerTo("nimm gras", 2), "Das Gras ist bereits in deinem Besitz.");
  EXPECT_EQ(s().grass_carried, 1);
}

TEST_F(TakeTest, ThingsThatCannotBeTaken) {
  s().current_room = 8;
  Play({"nimm schild", "nimm klingel", "nimm wasser", "nimm baum", "nimm landschaft", "nimm kappe", "nimm wein",
        "nimm kuchen"});
  EXPECT_EQ(AnswerTo("nimm schild"), "Das Schild ist fest mit dem Stand verbunden.");
  EXPECT_EQ(AnswerTo("nimm klingel"), "Die Klingel ist fest mit dem Stand verbunden.");
  EXPECT_EQ(AnswerTo("nimm wasser"), "Das Wasser rinnt dir aus den Händen.");
  EXPECT_EQ(AnswerTo("nimm baum"), "Dafür fehlt es dir an der nötigen Kraft.");
  EXPECT_EQ(AnswerTo("nimm landschaft"), "Auch noch andere wollen sich an der Landschaft erfreuen.");
  EXPECT_EQ(AnswerTo("nimm kappe"), "Du trägst die Kappe bereits auf deinem Kopf.");
  EXPECT_EQ(AnswerTo("nimm wein"), "Du solltest die Sachen für deine Oma besser im Korb lassen!");
  EXPECT_EQ(AnswerTo("nimm kuchen"), "Du solltest die Sachen für deine Oma besser im Korb lassen!");
  EXPECT_EQ(s().move_count, 8);
}

TEST_F(TakeTest, TheRiverIsOutOfReachFromTheBridge) {
  s().current_room = 10;
  Play({"nimm wasser"});
  EXPECT_EQ(AnswerTo("nimm wasser"), "Von hier aus kommst du nicht an das Wasser heran.");
}

TEST_F(TakeTest, NeitherSheepNorFrogNorMatCanBeCarried) {
  s().current_room = 9;
  Play({"nimm schaf", "nimm herde"});
  EXPECT_EQ(AnswerTo("nimm schaf"), "Leider bist du nicht in der Lage, ein Schaf zu tragen.");
  EXPECT_EQ(AnswerTo("nimm herde"), "Leider bist du nicht in der Lage, ein Schaf zu tragen.");
}

TEST_F(TakeTest, TheFrogHopsAside) {
  s().current_room = 5;
  Play({"nimm frosch"});
  EXPECT_EQ(AnswerTo("nimm frosch"),
            "'Was fällt dir ein? Lass mich hier sitzen', ruft der Frosch und hüpft zur Seite.");
  EXPECT_EQ(s().frog_state, 0);
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

TEST_F(TakeTest, OtherThingsCannotBeTakenOff) {
  Play({"nimm den korb ab"});
  EXPECT_EQ(AnswerTo("nimm den korb ab"), "Du kannst den Korb nicht abnehmen.");
  EXPECT_EQ(s().basket_carried, 1);
}

TEST_F(TakeTest, PickingUpIsTaking) {
  s().current_room = 2;
  Play({"lies die zeitung auf"});
  EXPECT_EQ(AnswerTo("lies die zeitung auf"), "Du nimmst die Zeitung.");
  EXPECT_EQ(s().newspaper_carried, 1);
  EXPECT_EQ(s().move_count, 1);
}

// Only a thing without a branch of its own gets the "mit" refusal; the
// newspaper's own branch comes first and takes it.
TEST_F(TakeTest, TakingWithSomethingIsRefusedForThingsWithoutABranch) {
  s().current_room = 2;
  Play({"nimm die bank mit dem korb", "nimm die zeitung mit dem korb"});
  EXPECT_EQ(AnswerTo("nimm die bank mit dem korb"), "Du kannst die Bank nicht mit dem Korb nehmen.");
  EXPECT_EQ(AnswerTo("nimm die zeitung mit dem korb"), "Du nimmst die Zeitung.");
  EXPECT_EQ(s().move_count, 2);
}

TEST_F(TakeTest, ThePlayerCannotTakeHerself) {
  Play({"nimm dich"});
  EXPECT_EQ(AnswerTo("nimm dich"), "Das ist nicht möglich.");
}

TEST_F(TakeTest, ThingsNotHereAreNotTakenAndCountNoMove) {
  const GameSession before = s();
  Play({"nimm zeitung", "nimm kugel", "nimm taler"});
  EXPECT_EQ(AnswerTo("nimm zeitung"), "Du siehst hier keine Zeitung.");
  EXPECT_EQ(AnswerTo("nimm kugel"), "Du siehst hier keine Kugel.");
  EXPECT_EQ(AnswerTo("nimm taler"), "Du siehst hier keinen Taler.");
  EXPECT_EQ(s().newspaper_carried, before.newspaper_carried);
  EXPECT_EQ(s().ball_state, before.ball_state);
  EXPECT_EQ(s().coin_state, before.coin_state);
  EXPECT_EQ(s().move_count, 0);
}

TEST_F(TakeTest, ThingsLostForGoodStayLost) {
  s().basket_carried = 0;
  s().basket_room = 20;
  s().frog_state = 3;
  s().ball_state = 0;
  s().ball_room = 20;
  s().bouquet_picked = 1;
  s().bouquet_room = 20;
  s().current_room = 5;
  const GameSession before = s();
  Play({"nimm korb", "nimm kugel", "nimm blumenstrauß", "nimm alles", "lege alles hin"});
  EXPECT_EQ(AnswerTo("nimm korb"), "Du siehst hier keinen Korb.");
  EXPECT_EQ(AnswerTo("nimm kugel"), "Du siehst hier keine Kugel.");
  EXPECT_EQ(AnswerTo("nimm blumenstrauß"), "Du siehst hier keinen Blumenstrauß.");
  EXPECT_EQ(AnswerTo("nimm alles"), "Es ist nichts hier, was du nehmen kannst.");
  EXPECT_EQ(AnswerTo("lege alles hin"), "Du hast nichts, was du hinlegen kannst.");
  EXPECT_EQ(s().basket_room, 20);
  EXPECT_EQ(s().ball_room, 20);
  EXPECT_EQ(s().bouquet_room, 20);
  EXPECT_EQ(s().basket_carried, before.basket_carried);
  EXPECT_EQ(s().ball_state, before.ball_state);
  EXPECT_EQ(s().bouquet_carried, before.bouquet_carried);
  EXPECT_EQ(s().move_count, 2);
}

// --- Putting single objects down -----------------------------------------------------------

class DropTest : public WorldGameTest {};

TEST_F(DropTest, PuttingDownEachCarriedObjectLeavesItInTheRoom) {
  GameSession& g = s();
  g.current_room = 3;
  g.newspaper_carried = 1;
  g.voucher_found = 1;
  g.voucher_carried = 1;
  g.frog_state = 3;
  g.ball_state = 1;
  g.bouquet_picked = 1;
  g.bouquet_carried = 1;
  g.spare_key_found = 1;
  g.key_under_mat = 0;
  g.key_holder = 1;
  g.umbrella_carried = 1;
  g.coin_state = 1;
  Play({"lege den korb hin", "lege zeitung hin", "lege gutschein hin", "lege kugel hin", "lege blumenstrauß hin",
        "lege schlüssel hin", "lege regenschirm hin", "lege taler hin"});
  EXPECT_EQ(AnswerTo("lege den korb hin"), "Du legst den Korb hin.");
  EXPECT_EQ(AnswerTo("lege zeitung hin"), "Du legst die Zeitung hin.");
  EXPECT_EQ(AnswerTo("lege gutschein hin"), "Du legst den Gutschein hin.");
  EXPECT_EQ(AnswerTo("lege kugel hin"), "Du legst die Kugel hin.");
  EXPECT_EQ(AnswerTo("lege blumenstrauß hin"), "Du legst den Blumenstrauß hin.");
  EXPECT_EQ(AnswerTo("lege schlüssel hin"), "Du legst den Schlüssel hin.");
  EXPECT_EQ(AnswerTo("lege regenschirm hin"), "Du legst den Regenschirm hin.");
  EXPECT_EQ(AnswerTo("lege taler hin"), "Du legst den Taler hin.");
  EXPECT_EQ(g.basket_carried, 0);
  EXPECT_EQ(g.basket_room, 3);
  EXPECT_EQ(g.newspaper_carried, 0);
  EXPECT_EQ(g.newspaper_room, 3);
  EXPECT_EQ(g.voucher_carried, 0);
  EXPECT_EQ(g.voucher_room, 3);
  EXPECT_EQ(g.ball_state, 0);
  EXPECT_EQ(g.ball_room, 3);
  EXPECT_EQ(g.bouquet_carried, 0);
  EXPECT_EQ(g.bouquet_room, 3);
  EXPECT_EQ(g.key_holder, 0);
  EXPECT_EQ(g.key_room, 3);
  EXPECT_EQ(g.umbrella_carried, 0);
  EXPECT_EQ(g.umbrella_room, 3);
  EXPECT_EQ(g.coin_state, 0);
  EXPECT_EQ(g.coin_room, 3);
  EXPECT_EQ(g.move_count, 8);
}

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

TEST_F(DropTest, TheLooseLidIsPutDownOnItsOwn) {
  s().current_room = 2;
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 1;
  Play({"stelle deckel hin"});
  EXPECT_EQ(AnswerTo("stelle deckel hin"), "Du legst den Deckel hin.");
  EXPECT_EQ(s().honey_jar_state, 0);
  EXPECT_EQ(s().lid_room, 2);
  EXPECT_EQ(s().honey_jar_carried, 1);
}

TEST_F(DropTest, PuttingSomethingOnTheGroundIsPuttingItDown) {
  s().current_room = 2;
  Play({"lege den korb auf den boden"});
  EXPECT_EQ(AnswerTo("lege den korb auf den boden"), "Du legst den Korb hin.");
  EXPECT_EQ(s().basket_carried, 0);
  EXPECT_EQ(s().basket_room, 2);
}

TEST_F(DropTest, GrassWithoutSheepIsPutDownAndCanBeTakenAgain) {
  s().grass_carried = 1;
  Play({"lege gras hin", "nimm gras"});
  EXPECT_EQ(AnswerTo("lege gras hin"), "Du legst das Gras hin.");
  EXPECT_EQ(AnswerTo("nimm gras"), "Du nimmst etwas Gras.");
  EXPECT_EQ(s().grass_carried, 1);
  EXPECT_EQ(s().grass_room, 1);
}

TEST_F(DropTest, GrassPutDownAtTheHerdIsEatenEvenWithoutAFollowingSheep) {
  s().current_room = 9;
  s().grass_carried = 1;
  Play({"lege gras hin"});
  EXPECT_EQ(AnswerTo("lege gras hin"), "Du legst das Gras hin und die Schafe fressen es genüsslich auf.");
  EXPECT_EQ(s().grass_carried, 0);
  EXPECT_EQ(s().grass_room, 0);
  EXPECT_EQ(s().sheep_state, 0);
  EXPECT_EQ(s().sheep_room, 9);
}

TEST_F(DropTest, TheFollowingSheepEatsTheGrassAndGoesBackToTheHerd) {
  s().current_room = 8;
  s().grass_carried = 1;
  s().sheep_state = 1;
  s().sheep_room = 8;
  Play({"lege gras hin"});
  EXPECT_EQ(AnswerTo("lege gras hin"),
            "Du legst das Gras hin. Das Schaf frisst es genüsslich auf, verliert das Interesse an dir und läuft "
            "nach Westen zurück zur Schafherde.");
  EXPECT_EQ(s().grass_carried, 0);
  EXPECT_EQ(s().grass_room, 0);
  EXPECT_EQ(s().sheep_state, 0);
  EXPECT_EQ(s().sheep_room, 9);
}

TEST_F(DropTest, TheCapAndThePlayerHerself) {
  Play({"lege die kappe hin", "lege dich hin", "stelle dich hin"});
  EXPECT_EQ(AnswerTo("lege die kappe hin"), "Auf deinem Kopf ist die Kappe am besten aufgehoben.");
  EXPECT_EQ(AnswerTo("lege dich hin"), "Dafür gibt es keinen Grund.");
  EXPECT_EQ(AnswerTo("stelle dich hin"), "Du stehst bereits.");
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

// --- Everything at once ---------------------------------------------------------------------

class AllTest : public WorldGameTest {};

TEST_F(AllTest, TakingAllWhereNothingLiesStillCountsAMove) {
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Es ist nichts hier, was du nehmen kannst.");
  EXPECT_EQ(s().move_count, 1);
}

TEST_F(AllTest, TakingAllTakesEveryObjectInItsOrder) {
  GameSession& g = s();
  g.current_room = 3;
  g.basket_carried = 0;
  g.basket_room = 3;
  g.newspaper_room = 3;
  g.voucher_found = 1;
  g.voucher_room = 3;
  g.voucher_redeemed = 1;
  g.honey_jar_room = 3;
  g.honey_jar_state = 3;
  g.lid_room = 3;
  g.frog_state = 3;
  g.ball_state = 0;
  g.ball_room = 3;
  g.bouquet_picked = 1;
  g.bouquet_room = 3;
  g.spare_key_found = 1;
  g.key_under_mat = 0;
  g.key_room = 3;
  g.umbrella_room = 3;
  g.coin_room = 3;
  g.grass_room = 3;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"),
            "Du nimmst den Regenschirm, den Korb, die Zeitung, den Gutschein, das Honigglas, die Kugel, den "
            "Blumenstrauß, den Schlüssel, den Taler und etwas Gras.");
  EXPECT_EQ(g.umbrella_carried, 1);
  EXPECT_EQ(g.basket_carried, 1);
  EXPECT_EQ(g.newspaper_carried, 1);
  EXPECT_EQ(g.voucher_carried, 1);
  EXPECT_EQ(g.honey_jar_carried, 1);
  EXPECT_EQ(g.honey_jar_state, 2);
  EXPECT_EQ(g.ball_state, 1);
  EXPECT_EQ(g.bouquet_carried, 1);
  EXPECT_EQ(g.key_holder, 1);
  EXPECT_EQ(g.coin_state, 1);
  EXPECT_EQ(g.grass_carried, 1);
  EXPECT_EQ(g.move_count, 1);
}

TEST_F(AllTest, TakingAllTakesTwoThingsJoinedByUnd) {
  s().basket_carried = 0;
  s().basket_room = 1;
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 0;
  s().lid_room = 1;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Du nimmst den Korb und den Deckel.");
  EXPECT_EQ(s().honey_jar_state, 1);
}

TEST_F(AllTest, TheBallOnTheWellIsTakenOnlyFromTheToad) {
  s().current_room = 5;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Es ist nichts hier, was du nehmen kannst.");
  EXPECT_EQ(s().ball_state, 3);
}

TEST_F(AllTest, TheBallOnTheWellIsTakenOnceTheFrogIsAToad) {
  s().current_room = 5;
  s().frog_state = 3;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Du nimmst die Kugel.");
  EXPECT_EQ(s().ball_state, 1);
}

TEST_F(AllTest, TakingAllAtTheMarketTakesTheKeyBackFromTheBeaver) {
  s().current_room = 8;
  s().spare_key_found = 1;
  s().key_under_mat = 0;
  s().key_holder = 5;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Du nimmst den Schlüssel.");
  EXPECT_EQ(s().key_holder, 1);
}

TEST_F(AllTest, TakingAllAtTheHoneyStandTakesTheReturnedCoin) {
  s().current_room = 6;
  s().coin_state = 5;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Du nimmst den Taler.");
  EXPECT_EQ(s().coin_state, 1);
}

TEST_F(AllTest, TakingAllLeavesTheJarToTheBeesAndTheHiddenKeyUnderTheMat) {
  s().current_room = 4;
  s().voucher_redeemed = 1;
  s().honey_jar_room = 4;
  s().bees_at_jar = 1;
  Play({"nimm alles"});
  EXPECT_EQ(AnswerTo("nimm alles"), "Es ist nichts hier, was du nehmen kannst.");
  EXPECT_EQ(s().honey_jar_carried, 0);
}

TEST_F(AllTest, DroppingAllWithNothingCarried) {
  s().basket_carried = 0;
  s().basket_room = 1;
  Play({"lege alles hin"});
  EXPECT_EQ(AnswerTo("lege alles hin"), "Du hast nichts, was du hinlegen kannst.");
  EXPECT_EQ(s().move_count, 1);
}

TEST_F(AllTest, DroppingAllPutsDownEveryObjectInItsOrder) {
  GameSession& g = s();
  g.current_room = 2;
  g.newspaper_carried = 1;
  g.voucher_found = 1;
  g.voucher_carried = 1;
  g.voucher_redeemed = 1;
  g.honey_jar_carried = 1;
  g.honey_jar_state = 2;
  g.frog_state = 3;
  g.ball_state = 1;
  g.bouquet_picked = 1;
  g.bouquet_carried = 1;
  g.grass_carried = 1;
  g.spare_key_found = 1;
  g.key_under_mat = 0;
  g.key_holder = 1;
  g.coin_state = 1;
  g.umbrella_carried = 1;
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

TEST_F(AllTest, DroppingAllWithTheOpenJarPutsTheLidDownBesideIt) {
  s().basket_carried = 0;
  s().basket_room = 1;
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 1;
  Play({"lege alles hin"});
  EXPECT_EQ(AnswerTo("lege alles hin"), "Du legst das Honigglas und den Deckel hin.");
  EXPECT_EQ(s().honey_jar_state, 0);
  EXPECT_EQ(s().lid_room, 1);
  EXPECT_EQ(s().honey_jar_room, 1);
}

TEST_F(AllTest, DropAllAndTakeAllWithTheClosedJar) {
  s().current_room = 2;
  s().voucher_redeemed = 1;
  s().honey_jar_carried = 1;
  s().honey_jar_state = 2;
  s().newspaper_room = 1;
  Play({"lege alles hin", "nimm alles"});
  EXPECT_EQ(AnswerTo("lege alles hin"), "Du legst den Korb und das Honigglas hin.");
  EXPECT_EQ(AnswerTo("nimm alles"), "Du nimmst den Korb und das Honigglas.");
  EXPECT_EQ(s().honey_jar_state, 2);
  EXPECT_EQ(s().honey_jar_carried, 1);
  EXPECT_EQ(s().basket_carried, 1);
  EXPECT_EQ(s().move_count, 2);
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

TEST_F(AllTest, DroppingAllBeforeTheFollowingSheepFeedsItAndSendsItBack) {
  s().current_room = 8;
  s().grass_carried = 1;
  s().sheep_state = 1;
  s().sheep_room = 8;
  Play({"lege alles hin"});
  EXPECT_EQ(AnswerTo("lege alles hin"),
            "Du legst den Korb und das Gras hin. Kaum hast du das Gras hingelegt, frisst das Schaf es genüsslich "
            "auf, verliert das Interesse an dir und läuft nach Westen zurück zur Schafherde.");
  EXPECT_EQ(s().grass_room, 0);
  EXPECT_EQ(s().sheep_state, 0);
  EXPECT_EQ(s().sheep_room, 9);
}

// --- Lists and the inventory -------------------------------------------------------------------

TEST(JoinNamesTest, OneTwoAndMoreNames) {
  EXPECT_EQ(JoinNames({}), "");
  EXPECT_EQ(JoinNames({"ein Korb"}), "ein Korb");
  EXPECT_EQ(JoinNames({"ein Korb", "eine Kugel"}), "ein Korb und eine Kugel");
  EXPECT_EQ(JoinNames({"A", "B", "C", "D"}), "A, B, C und D");
}

class InventoryTest : public WorldGameTest {};

TEST_F(InventoryTest, OnlyTheBasket) {
  EXPECT_EQ(ShowInventory(s()), TurnEnd::kEndOfTurn);
  EXPECT_EQ(s().message_line, "Du hast einen Korb.");
  EXPECT_EQ(s().move_count, 1);
}

TEST_F(InventoryTest, TornNewspaperAndBentKeyAreDescribed) {
  s().newspaper_carried = 1;
  s().newspaper_torn = 1;
  s().spare_key_found = 1;
  s().key_holder = 1;
  ShowInventory(s());
  EXPECT_EQ(s().message_line, Cp850("Du hast einen Korb, eine zerrissene Zeitung und einen verbogenen Schlüssel."));
  s().key_bent = 0;
  s().newspaper_torn = 0;
  ShowInventory(s());
  EXPECT_EQ(s().message_line, Cp850("Du hast einen Korb, eine Zeitung und einen Schlüssel."));
}

TEST_F(InventoryTest, NothingCarriedStillCountsAMove) {
  s().basket_carried = 0;
  ShowInventory(s());
  EXPECT_EQ(s().message_line, Cp850("Du trägst nichts bei dir."));
  EXPECT_EQ(s().move_count, 1);
}

TEST_F(InventoryTest, EveryCarriedObjectInItsOrder) {
  GameSession& g = s();
  g.newspaper_carried = 1;
  g.voucher_carried = 1;
  g.honey_jar_carried = 1;
  g.honey_jar_state = 1;
  g.ball_state = 1;
  g.bouquet_carried = 1;
  g.grass_carried = 1;
  g.key_holder = 1;
  g.key_bent = 0;
  g.umbrella_carried = 1;
  g.coin_state = 1;
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
