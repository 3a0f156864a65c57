// The real binary's front ends: under a pseudo-terminal read back through libvterm, first a small program inside
// this test binary that shows every event it gets, then the real game; and in line mode, through files and pipes,
// what the standard streams bring that a transcript cannot (odd bytes, missing line ends, a closed pipe, a
// file-size limit).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "console/console.h"
#include "console/terminal_frontend.h"
#include "end_to_end/pty_terminal.h"
#include "support/temp_directory.h"
#include "world/encoding.h"

namespace {

using ms = std::chrono::milliseconds;

constexpr int kEventRow = 10, kCountRow = 11;

// Shows a few coloured cells, then every event it gets as "Taste CODE" or "Maus BUTTON ROW COL" with a running
// number. Some keys do more: q quits, s sleeps briefly, S long, d sleeps, then discards what was typed meanwhile,
// c shows the cursor, a aborts, b never waits again.
int EventProgram() {
  try {
    TerminalFrontend frontend;
    Console console(frontend);
    console.SetTitle(Cp850("Prüfstand"));
    console.WriteAt(1, 1, kBlack, kGreen, " " + Cp850("Prüfstand") + std::string(30, ' '));
    console.WriteAt(1, 38, kWhite, kGreen, "N");
    console.WriteAt(2, 1, kBlue, kBlack, "blau");
    console.WriteAt(2, 6, kLightGrey, kBlack, "grau");
    console.WriteAt(2, 11, kDarkGrey, kBlack, "dunkel");
    console.WriteAt(3, 1, kLightGrey, kBlack, Cp850("╔═╗ äöüß ") + "\x01");
    console.SetCursorVisible(false);
    for (int count = 1;; ++count) {
      const InputEvent e = console.ReadEvent(WaitKind::kLine);
      const auto n = [](int number) { return " " + std::to_string(number); };
      std::string text = e.kind == InputEvent::Kind::kMouse ? "Maus" + n(e.button) + n(e.row) + n(e.col)
                                                            : "Taste" + n(e.key);
      text.resize(30, ' ');
      console.WriteAt(kEventRow, 1, kLightGrey, kBlack, text);
      console.WriteAt(kCountRow, 1, "Nr. " + std::to_string(count));
      if (e.kind != InputEvent::Kind::kKey) continue;
      if (e.key == 'q') return 0;
      if (e.key == 'a') std::abort();
      if (e.key == 's' || e.key == 'S' || e.key == 'd') console.Sleep(e.key == 'S' ? 4000 : 300);
      if (e.key == 'd') console.DiscardInput(), console.WriteAt(12, 1, "verworfen");
      if (e.key == 'c') console.SetCursorVisible(true), console.SetCursor(12, 5);
      for (volatile bool busy = e.key == 'b'; busy;) continue;
    }
  } catch (const ProgramExit& exit) {
    return exit.status;
  }
}

class TerminalTest : public testing::Test {
 protected:
  // The event program, once its picture is there (rows are drawn from the top).
  void StartEvents(const PtyOptions& options = {}) {
    t = std::make_unique<PtyTerminal>(EventProgram, options);
    count = 0;
    ASSERT_TRUE(t->WaitUntil([&] { return t->Row(3) == "╔═╗ äöüß ☺"; })) << t->Screen();
  }
  // Waits for the program to show its next event and gives its text, `up` rows higher than it writes it.
  std::string NextEvent(int up = 0) {
    const std::string number = "Nr. " + std::to_string(++count);
    const bool shown = t->WaitUntil([&] { return t->Row(kCountRow - up) == number; });
    return shown ? t->Row(kEventRow - up) : "no event " + number + "\n" + t->Screen();
  }
  // Waits until rows of the text area read these texts, in this order.
  bool WaitForRows(const std::vector<std::string>& texts) {
    return t->WaitUntil([&] {
      size_t found = 0;
      for (int row = 4; row <= 25 && found < texts.size(); ++row) found += t->Row(row) == texts[found];
      return found == texts.size();
    });
  }

  std::unique_ptr<PtyTerminal> t;
  int count = 0;
};

// With 16 colours the console's numbers become ANSI ones (blue and red swap, grey on black is the default pair),
// with 8 the bright ones turn bold. Keys come as the PC console's codes, mouse presses as SGR reports (xterm) or
// X10 ones (tmux), here in a window larger than the screen, which stands at its top left.
TEST_F(TerminalTest, ColoursKeysAndMousePressesBecomeThePcConsolesInEveryTerminalAndLocale) {
  // The code that a key or the bytes give; multiplexers get the bytes instead of the key.
  struct Press { int code; VTermKey key = VTERM_KEY_NONE; const char* bytes = nullptr; VTermModifier mod = {}; };
  const auto f = [](int n) { return static_cast<VTermKey>(VTERM_KEY_FUNCTION(n)); };
  constexpr VTermModifier kCtrl = VTERM_MOD_CTRL;
  const Press presses[] = {
      {1075, VTERM_KEY_LEFT}, {1072, VTERM_KEY_UP}, {1083, VTERM_KEY_DEL}, {1115, VTERM_KEY_LEFT, {}, kCtrl},
      {1116, VTERM_KEY_RIGHT, {}, kCtrl}, {1147, VTERM_KEY_DEL, {}, kCtrl}, {1071, VTERM_KEY_HOME, "\033[1~"},
      {1079, VTERM_KEY_END, "\033[4~"}, {8, VTERM_KEY_BACKSPACE}, {9, VTERM_KEY_TAB}, {13, VTERM_KEY_ENTER},
      {13, {}, "\n"}, {27, VTERM_KEY_ESCAPE}, {1059, f(1)}, {1068, f(10)}, {1133, f(11)}, {1134, f(12)},
      {132, {}, "ä"}, {225, {}, "ß"}, {142, {}, "Ä"}, {43, {}, "+"},
      // Ctrl+Backspace in xterm, VTE and Konsole, Ctrl+W, and Ctrl+Backspace in kitty
      {127, {}, "\x08"}, {127, {}, "\x17"}, {127, {}, "\033[127;5u"},
      // Keys and characters the game does not know give no event: the next one is the x.
      {120, {}, "€\x01\x1a中\033[5~\033[2~x"},  // also Page Up and Insert
      {121, {}, "\xC0\xAF\xE0\x80\xAF\xED\xA0\x80\xFFy"},  // overlong forms, surrogates, stray bytes
      {132, {}, "\xC3\xA4"},
  };
  // Cells: row, column, fg, bg, bold. xterm-256color and tmux-256color name the Ctrl keys, xterm and screen not.
  const std::pair<PtyOptions, std::vector<std::tuple<int, int, int, int, int>>> terminals[] = {
      {{"xterm-256color", 30, 100},
       {{1, 2, 0, 2, 0}, {1, 38, 15, 2, 0}, {2, 1, 4, 0, 0}, {2, 6, 7, 0, 0}, {2, 11, 8, 0, 0}}},
      {{"xterm"}, {{1, 38, 7, 2, 1}, {2, 1, 4, 0, 0}, {2, 6, 7, 0, 0}, {2, 11, 0, 0, 1}}},
      {{"tmux-256color", 30, 100}, {}}, {{"screen"}, {}},
      {{"xterm-256color", 25, 80, {{"LC_ALL", "C"}, {"LANG", "C"}}}, {}}};
  for (const auto& [options, cells] : terminals) {
    StartEvents(options);
    SCOPED_TRACE(options.term + " with " + std::to_string(options.env.size()) + " more variables");
    EXPECT_TRUE(t->Row(1).starts_with(" Prüfstand  ")) << t->Screen();
    EXPECT_EQ(t->Title(), "Prüfstand");
    EXPECT_FALSE(t->CursorVisible());
    for (const auto& [r, c, fg, bg, bold] : cells) {
      const PtyTerminal::CellInfo at = t->Cell(r, c);
      EXPECT_EQ(std::tuple(at.fg, at.bg, at.bold), std::tuple(fg, bg, bold == 1)) << r << ',' << c;
    }
    const bool multiplexer = options.term.starts_with("screen") || options.term.starts_with("tmux");
    for (const Press& p : presses) {
      (p.bytes != nullptr && (p.key == VTERM_KEY_NONE || multiplexer)) ? t->SendBytes(p.bytes) : t->Key(p.key, p.mod);
      EXPECT_EQ(NextEvent(), "Taste " + std::to_string(p.code));
    }
    if (options.rows != 30) continue;
    EXPECT_TRUE(t->Row(26).empty() && t->Cell(1, 81).bg == 0) << t->Screen();
    for (const auto& [button, row, col, event] :  // outside the 80 x 25 screen: nothing
         {std::tuple(1, 5, 10, "Maus 1 5 10"), {3, 25, 80, "Maus 2 25 80"}, {1, 26, 10, ""}, {1, 3, 81, ""},
          {1, 1, 1, "Maus 1 1 1"}}) {
      t->Click(button, row, col);
      EXPECT_EQ(*event != '\0' ? NextEvent() : "", event);
    }
  }
  TerminalKeyMap ctrl_h;  // a terminal whose Backspace sends ^H: there ^? is Ctrl+Backspace
  ctrl_h.backspace_is_ctrl_h = true;
  EXPECT_EQ(std::pair(DecodeCursesKey(false, 8, ctrl_h), DecodeCursesKey(false, 127, ctrl_h)), std::pair(8, 127));
}

// A window too small shows a notice and keeps the keys until enlarged; keys typed in a sleep wait too, unless
// the input is discarded.
TEST_F(TerminalTest, KeysWaitThroughSmallWindowsAndSleepsUnlessDiscarded) {
  StartEvents();
  t->Resize(5, 20);
  ASSERT_TRUE(t->WaitUntil([&] { return t->Row(5) == "    24 Zeichen."; })) << t->Screen();
  EXPECT_EQ(t->Screen(),
            " Das Fenster ist zu\n       klein.\nBitte vergrößere es\nauf mindestens 80 x\n    24 Zeichen.\n");
  t->SendBytes("x");
  t->Click(1, 1, 1);
  // A single cell: whether curses can draw its corner cell depends on the terminal; the program lives on.
  t->Resize(1, 1);
  t->Drain(ms(200));
  t->Resize(25, 80);
  ASSERT_TRUE(t->WaitUntil([&] { return t->Row(3) == "╔═╗ äöüß ☺"; })) << t->Screen();
  EXPECT_TRUE(!t->ScreenContains("Fenster") && t->Cell(1, 2).bg == 2) << t->Screen();
  EXPECT_EQ(NextEvent(), "Taste 120");  // typed while too small, and kept

  t->SendBytes("sx");  // typed during a sleep: kept
  EXPECT_EQ(NextEvent(), "Taste 115");
  EXPECT_EQ(NextEvent(), "Taste 120");
  t->SendBytes("dx");  // typed before input is discarded: dropped
  EXPECT_EQ(NextEvent(), "Taste 100");
  ASSERT_TRUE(t->WaitForText("verworfen"));
  t->SendBytes("y");
  EXPECT_EQ(NextEvent(), "Taste 121");

  // 24 rows are enough (the topmost text row goes); a click lands on the row it is shown on, so does the cursor.
  t->Resize(24, 80);
  ASSERT_TRUE(t->WaitUntil([&] { return t->Row(kEventRow - 1).starts_with("Taste 121"); })) << t->Screen();
  t->Click(1, 6, 10);
  EXPECT_EQ(NextEvent(1), "Maus 1 7 10");
  t->Click(1, 2, 10);
  EXPECT_EQ(NextEvent(1), "Maus 1 2 10");
  t->SendBytes("c");
  ASSERT_TRUE(t->WaitUntil([&] { return t->CursorVisible(); }));
  EXPECT_EQ(t->CursorPosition(), std::make_pair(11, 5));
  t->Resize(23, 80);
  ASSERT_TRUE(t->WaitForText("Das Fenster ist zu klein.")) << t->Screen();

  // Words wider than the window are cut, counting characters, not bytes.
  EXPECT_EQ(TooSmallNotice(4), (std::vector<std::string>{"Das", "Fens", "ter", "ist", "zu", "klei", "n.", "Bitt", "e",
                                                         "verg", "röße", "re", "es", "auf", "mind", "este", "ns",
                                                         "80 x", "24", "Zeic", "hen."}));
  EXPECT_EQ(TooSmallNotice(0).front(), "D");  // at least one column
}

// Quitting, Ctrl+C, the ending signals (even in a sleep or a turn that never waits) and a crash all leave the
// terminal as it was found.
TEST_F(TerminalTest, EveryWayOfEndingRestoresTheTerminal) {
  const std::tuple<const char*, const char*, int, int> endings[] = {  // terminal, keys, signal, exit status
      {"xterm-256color", "q", 0, 0},        {"xterm-256color", "\x03", 0, 130},   {"tmux-256color", "", SIGINT, 130},
      {"tmux-256color", "", SIGTERM, 143},  {"tmux-256color", "", SIGHUP, 129},   {"tmux-256color", "", SIGQUIT, 131},
      {"tmux-256color", "b", SIGTERM, 143}, {"xterm-256color", "S", SIGTERM, 143}, {"xterm-256color", "a", 0, 134},
  };
  for (const auto& [term, keys, signal, status] : endings) {
    StartEvents({term});
    t->SendBytes(keys);
    t->Drain(ms(200));
    const auto start = PtyTerminal::Clock::now();
    if (signal != 0) t->Signal(signal);
    EXPECT_EQ(t->WaitForExit(), status) << keys << " " << signal;
    EXPECT_LT(PtyTerminal::Clock::now() - start, ms(1000)) << keys << " " << signal;
    EXPECT_TRUE(TerminalRestored(*t)) << keys << " " << signal;
  }

  // Closing the window ends the program even when SIGHUP is ignored.
  const auto deaf = [] { return std::signal(SIGHUP, SIG_IGN), EventProgram(); };
  t = std::make_unique<PtyTerminal>(deaf);
  ASSERT_TRUE(t->WaitForText("Prüfstand"));
  t->HangUp();
  EXPECT_EQ(t->WaitForExit(), 128 + SIGHUP);
}

// The game names the window; a key then sends little, a turn far less than a full picture of 80 x 25 cells.
TEST_F(TerminalTest, TheGameNamesTheWindowAndSendsOnlyWhatChanges) {
  t = std::make_unique<PtyTerminal>(QUENDELMAR_BINARY);
  ASSERT_TRUE(t->WaitForText("<Beliebige Taste>")) << t->Screen();
  EXPECT_EQ(t->Title(), "Quendelmar - Edition 2. Eine interaktive Fabel.");
  const std::tuple<const char*, std::vector<std::string>, size_t> inputs[] = {  // bytes, rows then, most sent
      {"x", {">"}, SIZE_MAX}, {"x", {">x"}, 100}, {"\r", {">x", ">"}, 600}};
  for (const auto& [bytes, rows, most] : inputs) {
    const size_t before = t->RawOutput().size();
    t->SendBytes(bytes);
    EXPECT_TRUE(WaitForRows(rows)) << t->Screen();
    t->Drain(ms(100));  // and what follows
    EXPECT_LT(t->RawOutput().size() - before, most) << rows.back();
  }
}

// Where the terminal cannot place the cursor (a screen reader's console, an unknown terminal, none named) the game
// runs in line mode: the prompt before each line, the typed line once, as the terminal echoed it, the terminal
// left alone. So it does when standard input is no terminal.
TEST_F(TerminalTest, WithoutACursorAddressingTerminalTheGameRunsInLineMode) {
  for (const PtyOptions& options :
       {PtyOptions{"dumb"}, {"no-such-terminal"}, {"xterm-256color", 25, 80, {{"TERM", ""}}}}) {
    t = std::make_unique<PtyTerminal>(QUENDELMAR_BINARY, options);
    ASSERT_TRUE(WaitForRows({">"})) << t->Screen();
    t->SendBytes("nimm korb + 2\r");
    ASSERT_TRUE(WaitForRows({">nimm korb + 2", "[Ich kenne das Wort '+' nicht.]", "", ">"})) << t->Screen();
    EXPECT_EQ(t->Screen().find(">nimm korb + 2"), t->Screen().rfind(">nimm korb + 2")) << t->Screen();
    t->SendBytes("\x04");  // end of input
    EXPECT_EQ(t->WaitForExit(), 0) << options.term;
    EXPECT_TRUE(t->RawOutput().find('\033') == std::string::npos && t->LineDisciplineCooked()) << options.term;
  }
  const auto without_input = [] {
    dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
    return execl(QUENDELMAR_BINARY, "quendelmar", nullptr), 127;
  };
  t = std::make_unique<PtyTerminal>(without_input);
  EXPECT_EQ(t->WaitForExit(), 0);
  EXPECT_EQ(t->RawOutput().find('\033'), std::string::npos);
}

class LineModeTest : public ::testing::Test {
 protected:
  // Runs the game in a shell: `input` on standard input unless `redirect` says otherwise, `setup` first; the output
  // goes through a pipe. Gives the exit status of the game.
  int Run(const std::string& input, const std::string& setup = "", const std::string& redirect = "< input") {
    TempDirectory::Write("input", input);
    const std::string command = "(" + setup + " TERM=xterm exec " QUENDELMAR_BINARY " " + redirect +
                                ") | cat > output; exit ${PIPESTATUS[0]}";
    const int status = std::system(("bash -c '" + command + "'").c_str());
    output = TempDirectory::Read("output");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  bool Shows(const std::string& text) const { return output.find(text) != std::string::npos; }

  TempDirectory directory;
  std::string output;
};

TEST_F(LineModeTest, PlainLinesInTheirOrderAndTheEndOfInputEndsTheGame) {
  // The prologue to the first room, then the echo; no escape sequences, status bar, pager or trailing blanks.
  EXPECT_EQ(Run("nimm den korb\n"), 0);
  EXPECT_TRUE(output.starts_with("\nMuss deine Oma ausgerechnet heute Geburtstag haben!")) << output;
  EXPECT_TRUE(Shows("du immer nur Richtung Norden gehen.\n\n>nimm den korb\n"));
  for (const char* absent : {"\x1b", "Punkte:", "Prolog", " \n", "Weiter mit beliebiger Taste"}) {
    EXPECT_FALSE(Shows(absent)) << absent;
  }

  EXPECT_EQ(Run(""), 0);
  EXPECT_TRUE(Shows("du immer nur Richtung Norden gehen.\n"));
  EXPECT_EQ(Run("", "", "<&-"), 0);  // no standard input at all
  EXPECT_EQ(Run(std::string(1 << 20, '\0')), 0);  // a megabyte without a line end
  EXPECT_TRUE(Shows("du immer nur Richtung Norden gehen.\n"));
}

TEST_F(LineModeTest, OddBytesLineEndsAndOverlongLinesDoNotHurt) {
  EXPECT_EQ(Run("\xEF\xBB\xBFschaue\r\nöffne tür\nä\xff\xfe\x01\x1b[A x\nlies den e-mail-text\ngehe 2 schritte nach norden\n" +
                std::string(300, 'a') + "\nohne zeilenende"),
            0);
  for (const char* echo :
       {">schaue", ">öffne tür", ">ä[A x", ">lies den e-mail-text", ">gehe 2 schritte nach norden", ">ohne zeilenende"}) {
    EXPECT_TRUE(Shows("\n" + std::string(echo) + "\n")) << echo << output;
  }
  EXPECT_TRUE(Shows("\n>" + std::string(77, 'a') + "\n"));
}

// A reader that goes away while lines keep coming ends the game, and a file-size limit gives the disk-full answer
// instead of killing it.
TEST_F(LineModeTest, AClosedOutputOrAFileSizeLimitDoesNotKillTheGame) {
  const std::string closed =
      "yes warte | timeout 20 " QUENDELMAR_BINARY " | head -c 10 > /dev/null; exit ${PIPESTATUS[1]}";
  const int status = std::system(("bash -c '" + closed + "'").c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);  // 124 would mean the time-out struck

  const std::string old_save = "300,2,7,0,25,300,0,2,0,0,2,0\r\n";
  TempDirectory::Write("test1.sav", old_save);
  EXPECT_EQ(Run("speichern\ntest1\nj\nwarte\n", "ulimit -f 0;"), 0);
  EXPECT_TRUE(Shows("\nAuf dem Datenträger ist nicht genügend Speicherplatz vorhanden.\n")) << output;
  EXPECT_TRUE(Shows("\n>warte\nDu wartest einen Moment."));
  EXPECT_EQ(TempDirectory::Read("test1.sav"), old_save);
  EXPECT_EQ(directory.Files(), (std::vector<std::string>{"input", "output", "test1.sav"}));
}

}  // namespace
