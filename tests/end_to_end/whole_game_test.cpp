// The whole game under a pseudo-terminal, played from the prologue to the ending as a player plays it: the story of
// story_walkthrough.txt, typed with the editor's keys, the history, digit and function keys, clicks on words and on the
// compass, with the map, a save and a load and a smaller window on the way. Chance (wind, woodpecker, hare, the frog's
// lament) may add texts anywhere, so each step looks only for the text it needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "end_to_end/pty_terminal.h"
#include "support/temp_directory.h"

namespace {

constexpr VTermModifier kCtrl = VTERM_MOD_CTRL;
const VTermKey kF2 = static_cast<VTermKey>(VTERM_KEY_FUNCTION(2));
const VTermKey kF5 = static_cast<VTermKey>(VTERM_KEY_FUNCTION(5));

struct Input {  // typed text, or a key pressed `times` times
  Input(const char* text) : text(text) {}
  Input(VTermKey key, int times = 1, VTermModifier modifiers = VTERM_MOD_NONE)
      : key(key), times(times), modifiers(modifiers) {}
  std::string text;
  VTermKey key = VTERM_KEY_NONE;
  int times = 0;
  VTermModifier modifiers = VTERM_MOD_NONE;
};

class WholeGameTest : public testing::Test {
 protected:
  std::string LastRow() const {
    const std::vector<std::string> rows = t->Rows();
    return rows.empty() ? "" : rows.back();
  }
  // Gives `input` and reads the answer up to the next prompt (or the question after the ending), turning the pages of a
  // long one: the text rows below the command line (all of them once it has scrolled away), joined by blanks.
  std::string Answer(const std::function<void()>& input, const std::string& expected) {
    const auto paused = [&] { return LastRow().ends_with(" Taste<") || LastRow().ends_with("<Beliebige Taste>"); };
    const auto prompt = [&] { return LastRow() == ">" || LastRow().ends_with("be(e)nden?"); };
    std::string answer;
    for (std::function<void()> give = input;; give = [&] { t->SendBytes(" "); }) {
      const size_t before = t->RawOutput().size();
      give();
      if (!t->WaitUntil([&] { return t->RawOutput().size() > before && (paused() || prompt()); })) {
        throw std::runtime_error("the game is lost, waiting for " + expected + "\n" + t->Screen());
      }
      std::vector<std::string> rows = t->Rows();
      if (rows.back() == ">") rows.pop_back();
      for (size_t row = 3; row < rows.size(); ++row) {
        answer = rows[row].starts_with(">") ? "" : answer + rows[row] + " ";
      }
      if (!paused()) break;
    }
    EXPECT_NE(answer.find(expected), std::string::npos) << "wanted: " << expected << "\nread: " << answer;
    return answer;
  }
  void Play(const std::string& line, const std::string& expected) {
    Answer([&] { t->SendBytes(line + "\r"); }, expected);
  }
  void Walk(std::initializer_list<std::pair<std::string, std::string>> steps) {
    for (const auto& [line, expected] : steps) Play(line, expected);
  }
  // Edits with `input` until the command line reads `line`, then enters it.
  void Play(std::initializer_list<Input> input, const std::string& line, const std::string& expected) {
    for (const Input& i : input) {
      t->SendBytes(i.text);
      for (int n = 0; n < i.times; ++n) t->Key(i.key, i.modifiers);
    }
    EXPECT_TRUE(t->WaitUntil([&] { return LastRow() == line; })) << line << "\n" << t->Screen();
    Play("", expected);
  }
  void Click(int row, int col, const std::string& expected) {
    Answer([&] { t->Click(1, row, col); }, expected);
  }
  // Row and column where the lowest `text` on the screen begins.
  std::pair<int, int> Find(const std::string& text) const {
    for (int row = t->Size().first; row >= 1; --row) {
      const std::string shown = t->Row(row);
      if (const size_t at = shown.rfind(text); at != std::string::npos) {
        return {row, 1 + std::count_if(shown.begin(), shown.begin() + at, [](char c) { return (c & 0xC0) != 0x80; })};
      }
    }
    ADD_FAILURE() << text << " is not on the screen\n" << t->Screen();
    return {4, 1};
  }

  TempDirectory directory;  // the game's current directory, for its saves
  std::unique_ptr<PtyTerminal> t = std::make_unique<PtyTerminal>(QUENDELMAR_BINARY);
};

TEST_F(WholeGameTest, FromThePrologueToTheEndingByKeyboardAndMouse) {
  ASSERT_TRUE(t->WaitForText("Muss deine Oma ausgerechnet heute Geburtstag haben!")) << t->Screen();
  Answer([&] { t->SendBytes("x"); }, "Am Waldeingang");

  // Northwards by the digit 8 to the bridge, where the wolf's offer takes two
  // pages; back for the newspaper, named by a click on the word.
  Play("hilfe", "immer nur nach Norden gehen.");
  Play({"8"}, ">Norden", "Hier ist eine Zeitung.");
  Walk({{"8", "Tiefer im Wald"}, {"8", "Kugel und Schaf, und die Brücke gehört dir."},
        {"hilfe", "findest du in der Zeitung."}, {"2", "Tiefer im Wald"}, {"2", "Hier ist eine Zeitung."}});
  t->SendBytes("nimm die ");
  t->Click(1, Find("Zeitung").first, Find("Zeitung").second + 3);
  Play({"und lies sie"}, ">nimm die zeitung und lies sie", "Ein Gutschein rutscht dir aus der Zeitung in die Hände.");

  // Honey for the voucher, the bees lured away, flowers picked.
  Walk({{"hilfe", "nicht beim Honigstand."}, {"n", "Tiefer im Wald"}, {"9", "Am Honigstand"}});
  Play({"gib den gutschein", {VTERM_KEY_LEFT, 2, kCtrl}, "dem bären "}, ">gib dem bären den gutschein",
       "[Deine Punktzahl hat sich um 3 Punkte erhöht.]");
  Walk({{"hilfe", "nicht auf der Bienenwiese."}, {"1", "Tiefer im Wald"}, {"4", "Auf einer Bienenwiese"},
        {"hilfe", "am Honig gefallen finden"}});
  Play({"öffne das glass", VTERM_KEY_BACKSPACE}, ">öffne das glas", "Summend fallen die Bienen über den Honig her");
  Play({"blumen", VTERM_KEY_HOME, "pflücke "}, ">pflücke blumen", "einen hübschen Blumenstrauß.");

  // The frog: a slip mended with Left and Delete, the last kiss brought back
  // by Up, the ball's name tidied by Tab, a hint three lines back in the history.
  Walk({{"hilfe", "nicht beim Brunnen."}, {"sw", "An einem Brunnen"}, {"hilfe", "Versuche, die Kugel zu nehmen."},
        {"nimm die kugel", "Gib mir einen Kuss"}});
  Play({"küsse der frosch", {VTERM_KEY_LEFT, 1, kCtrl}, {VTERM_KEY_LEFT, 2}, VTERM_KEY_DEL, "n"}, ">küsse den frosch",
       "Beim ersten Versuch bringst du es einfach nicht über dich.");
  Walk({{"hilfe", "einiger Anläufe"}, {"küsse ihn", "Vielleicht beim dritten Versuch?"}});
  Play({VTERM_KEY_UP}, ">küsse ihn", "[Deine Punktzahl hat sich um 2 Punkte erhöht.]");
  Play({"  nimm   die    kugel  ", VTERM_KEY_TAB}, ">nimm die kugel", "Du nimmst die Kugel.");
  Play({{VTERM_KEY_UP, 3}}, ">hilfe", "Der Wolf will die Kugel.");  // the kiss typed twice is kept once

  // Saved before a mistake, and loaded after it.
  t->SendBytes("speichern\r");
  ASSERT_TRUE(t->WaitForText("SPIELSTAND SPEICHERN")) << t->Screen();
  t->SendBytes("brunnen");
  ASSERT_TRUE(t->WaitForText("brunnen<")) << t->Screen();
  Play("", "Spielstand 'Brunnen' wurde gespeichert.");
  EXPECT_TRUE(std::filesystem::exists(directory.path() / "brunnen.sav"));
  Play("wirf die kugel in den brunnen", "Schnell fällt die Kugel in die Dunkelheit des Brunnens");
  t->SendBytes("laden\r");
  ASSERT_TRUE(t->WaitForText("│>brunnen")) << t->Screen();
  Play("", "Spielstand 'Brunnen' wurde geladen.");
  Play({kF2}, ">Inventar", "eine Kugel");

  // Back to the wolf by the compass (O, N); the ball handed over in a window of
  // 24 rows, which leaves out the topmost text row, and back to 25 rows.
  Play("no", "Auf einer Bienenwiese");
  Click(2, 42, "Tiefer im Wald");
  Click(1, 40, "Vor einer Brücke");
  std::vector<std::string> rows = t->Rows();
  t->Resize(24, 80);
  rows.erase(rows.begin() + 3);
  EXPECT_TRUE(t->WaitUntil([&] { return t->Rows() == rows; })) << t->Screen();
  Play("gib dem wolf die kugel", "Gierig reißt der Wolf die goldene Kugel an sich");
  rows = t->Rows();
  t->Resize(25, 80);
  EXPECT_TRUE(t->WaitUntil([&] {
    std::vector<std::string> now = t->Rows();
    return now.size() > 3 && (now.erase(now.begin() + 3), now == rows);
  })) << t->Screen();

  // The sheep for the wolf; the key under the mat, looked for with F5.
  Walk({{"hilfe", "nicht bei den Schafen."}, {"w", "Am Biberbaumarkt"}, {"w", "Am westlichen Flussufer"},
        {"hilfe", "wachsen nicht nur Blumen."}, {"o", "Am Biberbaumarkt"}, {"o", "Vor einer Brücke"},
        {"s", "Tiefer im Wald"}, {"w", "Auf einer Bienenwiese"}, {"nimm das gras", "Du nimmst etwas Gras."},
        {"hilfe", "das Interesse der Schafe"}, {"o", "Tiefer im Wald"}, {"n", "Vor einer Brücke"},
        {"w", "Am Biberbaumarkt"}, {"w", "Eine kleine Schafherde steht am Flussufer."},
        {"zeige den schafen das gras", "als würde es dir nun folgen."}, {"hilfe", "Das Schaf läuft dir hinterher"},
        {"o", "Eines der Schafe folgt dir."}, {"o", "'Geschäft ist Geschäft.'"}, {"hilfe", "nördlich der Brücke."},
        {"n", "Auf der Brücke"}, {"n", "Vor dem Haus deiner Oma"}, {"hilfe", "findest du vor dem Haus deiner Oma."}});
  Play({kF5, "unter die matte"}, ">Schaue unter die matte", "Unter der Matte liegt ein verbogener Schlüssel.");
  Play({"nimm schlüssel", VTERM_KEY_HOME, {VTERM_KEY_RIGHT, 5}, "den "}, ">nimm den schlüssel",
       "Du nimmst den Schlüssel.");

  // The beaver, the coin, and the score asked for by a click on "Punkte".
  Walk({{"hilfe", "Beim Schlüsseldienst"}, {"s", "Auf der Brücke"}, {"s", "Vor einer Brücke"},
        {"w", "Am Biberbaumarkt"}, {"hilfe", "eine Klingel."}, {"drücke die klingel", "ohrenbetäubendes Klingeln."},
        {"hilfe", "Du kannst dem Biber den Schlüssel geben"},
        {"gib dem biber den schlüssel", "Für einen Taler biege ich ihn dir gerade"},
        {"hilfe", "Tiefer im Wald findest du"}, {"o", "'Hier hast du deinen Schlüssel zurück'"},
        {"s", "Ein kleiner gelber Bär"}, {"hilfe", "in der Nähe des Honigstandes."},
        {"no", "Der Honigstand hat mittlerweile geschlossen"},
        {"drücke die rückgabetaste", "fällt ein Taler in die Münzrückgabe."}, {"hilfe", "Du benötigst den Taler."},
        {"nimm den taler", "Du nimmst den Taler."}, {"hilfe", "Der Biber biegt dir den Schlüssel"},
        {"sw", "Tiefer im Wald"}, {"n", "Vor einer Brücke"}, {"w", "Der Biber steht in seinem Stand."},
        {"gib dem biber den schlüssel und dann den taler", "[Deine Punktzahl hat sich um 5 Punkte erhöht.]"}});
  Click(1, 70, "Du hast 26 von 30 Punkten erreicht.");

  // The door, opened with one line put together with Ctrl+Right and End.
  Walk({{"o", "Vor einer Brücke"}, {"n", "Duft von Zigarrenrauch"}, {"n", "Vor dem Haus deiner Oma"},
        {"hilfe", "Mit dem geradegebogenen Schlüssel"}});
  Play({"schließe die tür auf", VTERM_KEY_HOME, {VTERM_KEY_RIGHT, 3, kCtrl}, "mit dem schlüssel ", VTERM_KEY_END,
        " und öffne sie"},
       ">schließe die tür mit dem schlüssel auf und öffne sie", "Du öffnest die Tür.");
  Play("hilfe", "Gehe in das Haus deiner Oma.");

  // The map (key 0): every place but the clearing, this one in the accent colour; a key brings the game back as it was.
  t->SendBytes("0");
  ASSERT_TRUE(t->WaitUntil([&] { return LastRow() == ">Karte"; })) << t->Screen();
  rows = t->Rows();
  rows.back() = ">";
  t->Key(VTERM_KEY_ENTER);
  ASSERT_TRUE(t->WaitForText("Übersichtskarte")) << t->Screen();
  for (const char* place : {"Waldeingang", "Am Brunnen", "Flussufer", "Biberbaumarkt", "Honigstand", "Vor dem Haus"}) {
    EXPECT_TRUE(t->ScreenContains(place)) << place << "\n" << t->Screen();
  }
  EXPECT_FALSE(t->ScreenContains("Lichtung"));
  EXPECT_EQ(t->Cell(Find("Vor dem Haus").first, Find("Vor dem Haus").second).fg, 2);
  EXPECT_NE(t->Cell(Find("Am Brunnen").first, Find("Am Brunnen").second).fg, 2);
  t->SendBytes("x");
  EXPECT_TRUE(t->WaitUntil([&] { return t->Rows() == rows; })) << t->Screen();

  // Into the house by the compass (W): the ending, the score and the question; "e" ends the game.
  const std::string ending = Answer([&] { t->Click(1, 2, 38); }, "Schaf gesehen, das Zigarre raucht!");
  EXPECT_TRUE(std::regex_search(ending, std::regex("Du hast 30 von 30 Punkten in [0-9]+ Zügen erreicht\\."))) << ending;
  EXPECT_EQ(LastRow(), "Möchtest du das Spiel (n)eu beginnen oder be(e)nden?");
  t->SendBytes("e");
  EXPECT_TRUE(t->WaitForText("Danke fürs Spielen!")) << t->Screen();
  EXPECT_EQ(t->WaitForExit(PtyTerminal::ms(6000)), 0);

  EXPECT_TRUE(TerminalRestored(*t));
}

}  // namespace
