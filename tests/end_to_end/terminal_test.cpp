// The terminal front end under a pseudo-terminal read back through libvterm:
// first a small program inside this test binary that shows every event it
// gets, then the real game.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "console/console.h"
#include "world/encoding.h"
#include "console/terminal_frontend.h"
#include "end_to_end/pty_terminal.h"

namespace {

using ms = std::chrono::milliseconds;

constexpr int kEventRow = 10;
constexpr int kCountRow = 11;

// Shows a few coloured cells, then every event it gets as "Taste CODE" or
// "Maus BUTTON ROW COL" with a running number. Some keys do more: q quits,
// s sleeps briefly, S sleeps long, d sleeps, then discards what was typed
// meanwhile, c shows the cursor, a aborts, b never waits again.
int EventProgram() {
  try {
    TerminalFrontend frontend;
    Console console(frontend);
    console.SetTitle(Cp850("Prüfstand"));
    console.WriteAt(1, 1, kBlack, kGreen, " " + Cp850("Prüfstand") + std::string(30, ' '));
    console.WriteAt(1, 38, kWhite, kGreen, "N");
    const std::pair<int, const char*> words[] = {
        {kBlue, "blau"}, {kRed, "rot"}, {kYellow, "gelb"}, {kLightGrey, "grau"}, {kDarkGrey, "dunkel"}};
    for (int col = 1; const auto& [colour, word] : words) {  // from columns 1, 6, 10, 15 and 20
      console.WriteAt(2, col, colour, kBlack, word);
      col += static_cast<int>(std::string(word).size()) + 1;
    }
    console.WriteAt(3, 1, kLightGrey, kBlack, Cp850("╔═╗ äöüß ") + "\x01");
    console.SetCursorVisible(false);
    for (int count = 1;; ++count) {
      const InputEvent e = console.ReadEvent(WaitKind::kLine);
      std::string text = "Taste " + std::to_string(e.key);
      if (e.kind == InputEvent::Kind::kMouse) {
        text = "Maus " + std::to_string(e.button) + " " + std::to_string(e.row) + " " + std::to_string(e.col);
      }
      text.resize(30, ' ');
      console.WriteAt(kEventRow, 1, kLightGrey, kBlack, text);
      console.WriteAt(kCountRow, 1, "Nr. " + std::to_string(count));
      if (e.kind != InputEvent::Kind::kKey) continue;
      if (e.key == 'q') return 0;
      if (e.key == 'a') std::abort();
      if (e.key == 's' || e.key == 'S' || e.key == 'd') console.Sleep(e.key == 'S' ? 4000 : 300);
      if (e.key == 's') console.WriteAt(12, 1, "wach");
      if (e.key == 'd') console.DiscardInput(), console.WriteAt(12, 1, "verworfen");
      if (e.key == 'c') console.SetCursorVisible(true), console.SetCursor(12, 5);
      for (volatile bool busy = e.key == 'b'; busy;) {
      }
    }
  } catch (const ProgramExit& exit) {
    return exit.status;
  }
}

class TerminalTest : public testing::Test {
 protected:
  // The event program, once its picture is there (rows are drawn from the top).
  void StartEvents(const PtyTerminal::Options& options = {}) {
    t = std::make_unique<PtyTerminal>(EventProgram, options);
    count = 0;
    ASSERT_TRUE(t->WaitUntil([&] { return t->Row(3) == "╔═╗ äöüß ☺"; })) << t->Screen();
  }
  // Waits for the program to show its next event and gives its text.
  std::string NextEvent() {
    const std::string number = "Nr. " + std::to_string(++count);
    if (!t->WaitUntil([&] { return t->Row(kCountRow) == number; })) return "no event " + number + "\n" + t->Screen();
    return t->Row(kEventRow);
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

TEST_F(TerminalTest, ConsoleColoursBecomeAnsiNumbersAndBoldWhereOnlyEightExist) {
  struct Expected {
    int row, col, fg, bg;
    bool bold;
  };
  const std::pair<const char*, std::vector<Expected>> terminals[] = {
      {"xterm-256color",
       {{1, 2, 0, 2, false}, {1, 38, 15, 2, false}, {1, 40, -1, 2, false}, {2, 1, 4, 0, false}, {2, 6, 1, 0, false},
        {2, 10, 11, 0, false}, {2, 15, 7, 0, false}, {2, 20, 8, 0, false}}},
      {"xterm",
       {{1, 2, 0, 2, false}, {1, 38, 7, 2, true}, {2, 1, 4, 0, false}, {2, 10, 3, 0, true}, {2, 20, 0, 0, true}}},
  };
  for (const auto& [term, cells] : terminals) {
    StartEvents({term});
    EXPECT_EQ(t->Text(1, 1, 12), " Prüfstand  ");
    EXPECT_EQ(t->Title(), "Prüfstand");
    EXPECT_FALSE(t->CursorVisible());
    for (const Expected& e : cells) {
      const PtyTerminal::CellInfo cell = t->Cell(e.row, e.col);
      EXPECT_EQ(cell.fg, e.fg < 0 ? cell.fg : e.fg) << term << " " << e.row << "," << e.col;
      EXPECT_EQ(cell.bg, e.bg) << term << " " << e.row << "," << e.col;
      EXPECT_EQ(cell.bold, e.bold) << term << " " << e.row << "," << e.col;
    }
  }
}

TEST_F(TerminalTest, KeysArriveAsPcConsoleCodesInEveryTerminalAndLocale) {
  struct Press {
    const char* event;
    VTermKey key = VTERM_KEY_NONE;
    const char* bytes = nullptr;  // sent as they stand (by multiplexers instead of the key)
    VTermModifier mod = VTERM_MOD_NONE;
  };
  const auto f = [](int n) { return static_cast<VTermKey>(VTERM_KEY_FUNCTION(n)); };
  const Press presses[] = {
      {"Taste 1075", VTERM_KEY_LEFT}, {"Taste 1077", VTERM_KEY_RIGHT}, {"Taste 1072", VTERM_KEY_UP},
      {"Taste 1080", VTERM_KEY_DOWN}, {"Taste 1083", VTERM_KEY_DEL},
      {"Taste 1115", VTERM_KEY_LEFT, {}, VTERM_MOD_CTRL}, {"Taste 1116", VTERM_KEY_RIGHT, {}, VTERM_MOD_CTRL},
      {"Taste 1147", VTERM_KEY_DEL, {}, VTERM_MOD_CTRL},
      {"Taste 1071", VTERM_KEY_HOME, "\033[1~"},                       {"Taste 1079", VTERM_KEY_END, "\033[4~"},
      {"Taste 8", VTERM_KEY_BACKSPACE}, {"Taste 127", {}, "\x08"},  // Ctrl+Backspace in xterm, VTE and Konsole
      {"Taste 127", {}, "\x17"},        {"Taste 127", {}, "\033[127;5u"},  // Ctrl+W, and Ctrl+Backspace in kitty
      {"Taste 9", VTERM_KEY_TAB},       {"Taste 13", VTERM_KEY_ENTER},                                   
      {"Taste 13", {}, "\n"},           {"Taste 27", VTERM_KEY_ESCAPE},    {"Taste 1059", f(1)},
      {"Taste 1063", f(5)},             {"Taste 1068", f(10)},             {"Taste 1133", f(11)},
      {"Taste 1134", f(12)},            {"Taste 132", {}, "ä"},            {"Taste 225", {}, "ß"},
      {"Taste 148", {}, "ö"},           {"Taste 142", {}, "Ä"},            {"Taste 43", {}, "+"},
      // Keys and characters the game does not know give no event: the next one is the x.
      {"Taste 120", {}, "€\x01\x1a中\033[5~\033[2~x"},  // also Page Up and Insert
      {"Taste 121", {}, "\xC0\xAF\xE0\x80\xAF\xED\xA0\x80\xFFy"},  // overlong forms, surrogates, stray bytes
      {"Taste 132", {}, "\xC3\xA4"},
  };
  // xterm-256color and tmux-256color name the Ctrl keys (with other codes);
  // xterm and screen do not.
  const PtyTerminal::Options terminals[] = {
      {"xterm-256color"}, {"xterm"}, {"tmux-256color"}, {"screen"},
      {"xterm-256color", 25, 80, {{"LC_ALL", "C"}, {"LANG", "C"}}}};
  for (const PtyTerminal::Options& options : terminals) {
    StartEvents(options);
    const bool multiplexer = options.term.starts_with("screen") || options.term.starts_with("tmux");
    for (const Press& p : presses) {
      (p.bytes != nullptr && (p.key == VTERM_KEY_NONE || multiplexer)) ? t->SendBytes(p.bytes) : t->Key(p.key, p.mod);
      EXPECT_EQ(NextEvent(), p.event) << options.term << " " << options.env.size();
    }
  }
  // A terminal whose Backspace sends ^H: there ^? is Ctrl+Backspace.
  TerminalKeyMap ctrl_h;
  ctrl_h.backspace_is_ctrl_h = true;
  EXPECT_EQ(DecodeCursesKey(false, 8, ctrl_h), 8);
  EXPECT_EQ(DecodeCursesKey(false, 127, ctrl_h), 127);
}

// SGR reports (xterm) and the older X10 encoding (tmux), in a window larger
// than the screen, which stands at its top left.
TEST_F(TerminalTest, MousePressesAreReportedWithTheirCell) {
  for (const char* term : {"xterm-256color", "tmux-256color"}) {
    StartEvents({term, 30, 100});
    EXPECT_EQ(t->Text(1, 1, 12), " Prüfstand  ");
    EXPECT_EQ(t->Row(26) + t->Text(1, 81, 20), std::string(20, ' '));
    EXPECT_EQ(t->Cell(1, 81).bg, 0);
    t->Click(1, 5, 10);
    EXPECT_EQ(NextEvent(), "Maus 1 5 10") << term;
    t->Click(3, 25, 80);
    EXPECT_EQ(NextEvent(), "Maus 2 25 80") << term;
    t->Click(1, 26, 10);  // outside the 80 x 25 screen: nothing
    t->Click(1, 3, 81);
    t->Click(1, 1, 1);
    EXPECT_EQ(NextEvent(), "Maus 1 1 1") << term;
  }
}

TEST_F(TerminalTest, ASmallWindowShowsANoticeAndKeepsKeysUntilEnlarged) {
  StartEvents();
  t->SendBytes("k");
  EXPECT_EQ(NextEvent(), "Taste 107");
  t->Resize(5, 20);
  ASSERT_TRUE(t->WaitUntil([&] { return t->Row(5) == "    24 Zeichen."; })) << t->Screen();
  EXPECT_EQ(t->Screen(),
            " Das Fenster ist zu\n       klein.\nBitte vergrößere es\nauf mindestens 80 x\n    24 Zeichen.\n");
  t->SendBytes("x");
  t->Click(1, 1, 1);
  // A single cell: whether curses can draw the corner cell depends on the
  // terminal; what matters is that the program lives through it.
  t->Resize(1, 1);
  t->Drain(ms(200));
  t->Resize(25, 80);
  ASSERT_TRUE(t->WaitUntil([&] { return t->Row(3) == "╔═╗ äöüß ☺"; })) << t->Screen();
  EXPECT_FALSE(t->ScreenContains("Fenster"));
  EXPECT_EQ(t->Cell(1, 2).bg, 2);
  EXPECT_EQ(NextEvent(), "Taste 120");  // typed while too small, and kept
  t->SendBytes("y");
  EXPECT_EQ(NextEvent(), "Taste 121");

  // 24 rows are enough (the topmost text row goes), and a click lands on the
  // row it is shown on.
  t->Resize(24, 80);
  ASSERT_TRUE(t->WaitUntil([&] { return t->Row(kEventRow - 1).starts_with("Taste 121"); })) << t->Screen();
  const auto event_shows = [&](const std::string& event) {
    return t->WaitUntil([&] { return t->Row(kEventRow - 1).starts_with(event); });
  };
  t->Click(1, 6, 10);
  EXPECT_TRUE(event_shows("Maus 1 7 10")) << t->Screen();
  t->Click(1, 2, 10);
  EXPECT_TRUE(event_shows("Maus 1 2 10")) << t->Screen();
  t->Resize(23, 80);
  ASSERT_TRUE(t->WaitForText("Das Fenster ist zu klein.")) << t->Screen();

  // Words wider than the window are cut, counting characters, not bytes.
  const std::vector<std::string> narrow = TooSmallNotice(4);
  ASSERT_GE(narrow.size(), 3u);
  EXPECT_EQ(narrow[0] + "|" + narrow[1] + "|" + narrow[2], "Das|Fens|ter");
  EXPECT_NE(std::find(narrow.begin(), narrow.end(), "röße"), narrow.end());
  EXPECT_EQ(TooSmallNotice(0), TooSmallNotice(1));
  EXPECT_EQ(TooSmallNotice(1).front(), "D");
}

TEST_F(TerminalTest, KeysWaitThroughSleepsUnlessDiscardedAndTheCursorShowsWhereItStands) {
  StartEvents();
  t->SendBytes("sx");  // typed during a sleep: kept
  EXPECT_EQ(NextEvent(), "Taste 115");
  EXPECT_EQ(NextEvent(), "Taste 120");
  EXPECT_TRUE(t->ScreenContains("wach"));
  t->SendBytes("dx");  // typed before input is discarded: dropped
  EXPECT_EQ(NextEvent(), "Taste 100");
  ASSERT_TRUE(t->WaitForText("verworfen"));
  t->SendBytes("y");
  EXPECT_EQ(NextEvent(), "Taste 121");

  t->SendBytes("c");
  EXPECT_EQ(NextEvent(), "Taste 99");
  ASSERT_TRUE(t->WaitUntil([&] { return t->CursorVisible(); }));
  EXPECT_EQ(t->CursorPosition(), std::make_pair(12, 5));
}

// Quitting, Ctrl+C, the ending signals (even during a sleep or a turn that
// never waits) and a crash all leave the terminal as it was found.
TEST_F(TerminalTest, EveryWayOfEndingRestoresTheTerminal) {
  struct Ending {
    const char* term;
    const char* keys;
    int signal;
    int status;
  };
  const Ending endings[] = {
      {"xterm-256color", "q", 0, 0},        {"xterm-256color", "\x03", 0, 130},   {"tmux-256color", "", SIGINT, 130},
      {"tmux-256color", "", SIGTERM, 143},  {"tmux-256color", "", SIGHUP, 129},   {"tmux-256color", "", SIGQUIT, 131},
      {"tmux-256color", "b", SIGTERM, 143}, {"xterm-256color", "S", SIGTERM, 143}, {"xterm-256color", "a", 0, 134},
  };
  for (const Ending& e : endings) {
    StartEvents({e.term});
    t->SendBytes(e.keys);
    t->Drain(ms(200));
    const auto start = PtyTerminal::Clock::now();
    if (e.signal != 0) t->Signal(e.signal);
    EXPECT_EQ(t->WaitForExit(), e.status) << e.keys << " " << e.signal;
    EXPECT_LT(PtyTerminal::Clock::now() - start, ms(1000)) << e.keys << " " << e.signal;
    EXPECT_TRUE(TerminalRestored(*t)) << e.keys << " " << e.signal;
    EXPECT_TRUE(!std::string(e.term).starts_with("tmux") || t->RawOutput().ends_with("\033[?1049l")) << e.signal;
  }

  // Closing the window ends the program even when SIGHUP is ignored.
  const auto deaf = [] {
    std::signal(SIGHUP, SIG_IGN);
    return EventProgram();
  };
  t = std::make_unique<PtyTerminal>(deaf, PtyTerminal::Options{});
  ASSERT_TRUE(t->WaitForText("Prüfstand"));
  t->HangUp();
  EXPECT_EQ(t->WaitForExit(), 128 + SIGHUP);
}

// The game names the window and hides the cursor; a key then sends little, a
// turn far less than a full picture of 80 x 25 cells. (Its prologue, keys,
// clicks and ending are played in whole_game_test.cpp.)
TEST_F(TerminalTest, TheGameNamesTheWindowAndSendsOnlyWhatChanges) {
  t = std::make_unique<PtyTerminal>(QUENDELMAR_BINARY, PtyTerminal::Options{});
  ASSERT_TRUE(t->WaitForText("<Beliebige Taste>")) << t->Screen();
  EXPECT_EQ(t->Title(), "Quendelmar - Edition 2. Eine interaktive Fabel.");
  EXPECT_FALSE(t->CursorVisible());
  t->SendBytes("x");
  ASSERT_TRUE(WaitForRows({">"})) << t->Screen();
  const auto bytes_sent = [&](const std::function<void()>& input, const std::vector<std::string>& rows) {
    t->Drain(ms(100));
    const size_t before = t->RawOutput().size();
    input();
    EXPECT_TRUE(WaitForRows(rows)) << t->Screen();
    t->Drain(ms(100));
    return t->RawOutput().size() - before;
  };
  EXPECT_LT(bytes_sent([&] { t->SendBytes("x"); }, {">x"}), 100u);
  EXPECT_LT(bytes_sent([&] { t->SendBytes("yz"); }, {">xyz"}), 100u);
  EXPECT_LT(bytes_sent([&] { t->Key(VTERM_KEY_ENTER); }, {">xyz", ">"}), 600u);
  t->SendBytes("\x03");  // Ctrl+C ends the game itself, too
  EXPECT_EQ(t->WaitForExit(), 130);
  EXPECT_TRUE(TerminalRestored(*t));
}

// Where the terminal cannot place the cursor (a screen reader's console, an
// unknown terminal, none named) the game runs in line mode: the prompt
// before each line, the typed line only once, as the terminal echoed it,
// and the terminal left alone. So it does when standard input is no terminal.
TEST_F(TerminalTest, WithoutACursorAddressingTerminalTheGameRunsInLineMode) {
  for (const PtyTerminal::Options& options :
       {PtyTerminal::Options{"dumb"}, {"no-such-terminal"}, {"xterm-256color", 25, 80, {{"TERM", ""}}}}) {
    t = std::make_unique<PtyTerminal>(QUENDELMAR_BINARY, options);
    ASSERT_TRUE(WaitForRows({">"})) << t->Screen();
    t->SendBytes("nimm korb + 2\r");
    ASSERT_TRUE(WaitForRows({">nimm korb + 2", "[Ich kenne das Wort '+' nicht.]", "", ">"})) << t->Screen();
    EXPECT_EQ(t->Screen().find(">nimm korb + 2"), t->Screen().rfind(">nimm korb + 2")) << t->Screen();
    t->SendBytes("\x04");  // end of input
    EXPECT_EQ(t->WaitForExit(), 0) << options.term;
    EXPECT_EQ(t->RawOutput().find('\033'), std::string::npos) << options.term;
    EXPECT_TRUE(t->LineDisciplineCooked()) << options.term;
  }
  const auto without_input = [] {
    dup2(open("/dev/null", O_RDONLY), STDIN_FILENO);
    return execl(QUENDELMAR_BINARY, "quendelmar", nullptr), 127;
  };
  t = std::make_unique<PtyTerminal>(without_input, PtyTerminal::Options{});
  EXPECT_EQ(t->WaitForExit(), 0);
  EXPECT_EQ(t->RawOutput().find('\033'), std::string::npos);
}

}  // namespace
