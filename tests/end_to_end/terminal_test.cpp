// The terminal front end under a pseudo-terminal read back through libvterm:
// first a small program inside this test binary that shows every event it
// gets, then the real game.
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "console/console.h"
#include "console/encoding.h"
#include "console/terminal_frontend.h"
#include "end_to_end/pty_terminal.h"

namespace {

using std::chrono::milliseconds;

// Trailing blanks removed.
std::string Trimmed(std::string text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// The terminal is back as it was: the main screen (the output ends with
// leaving the alternate screen; xterm's description adds restoring the
// window title), a visible cursor, no mouse reports, normal cursor keys,
// and the line discipline cooked again.
testing::AssertionResult TerminalRestored(const PtyTerminal& terminal) {
  const std::string& raw = terminal.RawOutput();
  const size_t entered = raw.rfind("\033[?1049h");
  if (entered == std::string::npos) return testing::AssertionFailure() << "never entered the alternate screen";
  const size_t left = raw.rfind("\033[?1049l");
  if (left == std::string::npos || left < entered) return testing::AssertionFailure() << "alternate screen not left";
  const std::string tail = raw.substr(left + 8);
  if (!tail.empty() && tail != "\033[23;0;0t") {
    return testing::AssertionFailure() << "output after leaving the alternate screen: " << testing::PrintToString(tail);
  }
  if (!terminal.CursorVisible()) return testing::AssertionFailure() << "cursor left hidden";
  const size_t mouse_on = raw.rfind("\033[?1000h");
  if (mouse_on != std::string::npos && raw.rfind("\033[?1000l") < mouse_on) {
    return testing::AssertionFailure() << "mouse reports left on";
  }
  const size_t keypad_on = raw.rfind("\033[?1h");
  if (keypad_on != std::string::npos && raw.rfind("\033[?1l") < keypad_on) {
    return testing::AssertionFailure() << "application cursor keys left on";
  }
  if (!terminal.LineDisciplineCooked()) return testing::AssertionFailure() << "terminal left in raw mode";
  return testing::AssertionSuccess();
}

// ---------------------------------------------------------------------------
// The front end on its own.

constexpr int kEventRow = 10;
constexpr int kCountRow = 11;

void WriteAt(Console& console, int row, int col, int fg, int bg, const std::string& cp850) {
  console.SetColours(fg, bg);
  console.SetCursor(row, col);
  console.Write(cp850);
}

// Shows a few coloured cells, then every event it gets as "Taste CODE" or
// "Maus BUTTON ROW COL" with a running number. Some keys do more: q quits,
// s sleeps briefly, S sleeps long, d sleeps, then discards what was typed
// meanwhile, c shows the cursor, a aborts.
int EventProgram() {
  try {
    TerminalFrontend frontend;
    Console console(frontend);
    console.SetTitle(Cp850("Prüfstand"));
    WriteAt(console, 1, 1, kBlack, kGreen, std::string(40, ' '));
    WriteAt(console, 1, 2, kBlack, kGreen, Cp850("Prüfstand"));
    WriteAt(console, 1, 38, kWhite, kGreen, "N");
    WriteAt(console, 2, 1, kBlue, kBlack, "blau");
    WriteAt(console, 2, 6, kRed, kBlack, "rot");
    WriteAt(console, 2, 10, kYellow, kBlack, "gelb");
    WriteAt(console, 2, 15, kLightGrey, kBlack, "grau");
    WriteAt(console, 2, 20, kDarkGrey, kBlack, "dunkel");
    WriteAt(console, 3, 1, kLightGrey, kBlack, Cp850("╔═╗ äöüß ") + std::string(1, static_cast<char>(1)));
    console.SetCursorVisible(false);
    int count = 0;
    for (;;) {
      const InputEvent event = console.ReadEvent(WaitKind::kLine);
      std::string text = event.kind == InputEvent::Kind::kMouse
                             ? "Maus " + std::to_string(event.button) + " " + std::to_string(event.row) + " " +
                                   std::to_string(event.col)
                             : "Taste " + std::to_string(event.key);
      text.resize(30, ' ');
      WriteAt(console, kEventRow, 1, kLightGrey, kBlack, text);
      WriteAt(console, kCountRow, 1, kLightGrey, kBlack, "Nr. " + std::to_string(++count));
      if (event.kind != InputEvent::Kind::kKey) continue;
      switch (event.key) {
        case 'q': return 0;
        case 's':
          console.Sleep(300);
          WriteAt(console, 12, 1, kLightGrey, kBlack, "wach");
          break;
        case 'S': console.Sleep(4000); break;
        case 'd':
          console.Sleep(400);
          console.DiscardInput();
          WriteAt(console, 12, 1, kLightGrey, kBlack, "verworfen");
          break;
        case 'c':
          console.SetCursorVisible(true);
          console.SetCursor(12, 5);
          break;
        case 'a': std::abort();
        case 'b': {
          // A turn that never ends: nothing waits for input any more.
          volatile bool busy = true;
          while (busy) {
          }
          break;
        }
        default: break;
      }
    }
  } catch (const ProgramExit& exit) {
    return exit.status;
  }
}

PtyTerminal::Options WithTerm(const std::string& term, int rows = 25, int cols = 80) {
  PtyTerminal::Options options;
  options.term = term;
  options.rows = rows;
  options.cols = cols;
  return options;
}

class EventProgramTest : public testing::Test {
 protected:
  void Start(const PtyTerminal::Options& options = {}) {
    terminal_ = std::make_unique<PtyTerminal>(EventProgram, options);
    // Rows are drawn from the top: the last one is there when the picture is.
    ASSERT_TRUE(terminal_->WaitUntil([&] { return Trimmed(terminal_->Row(3)) == "╔═╗ äöüß ☺"; }))
        << terminal_->Screen();
  }

  // Waits for the program to show its next event and returns its text.
  std::string NextEvent() {
    ++count_;
    const std::string count = "Nr. " + std::to_string(count_);
    if (!terminal_->WaitUntil([&] { return Trimmed(terminal_->Row(kCountRow)) == count; })) {
      return "no event " + std::to_string(count_) + ":\n" + terminal_->Screen();
    }
    return Trimmed(terminal_->Row(kEventRow));
  }

  std::unique_ptr<PtyTerminal> terminal_;
  int count_ = 0;
};

TEST_F(EventProgramTest, ShowsCharactersAndConsoleColoursInAnsiNumbers) {
  Start();
  EXPECT_EQ(terminal_->Text(1, 1, 12), " Prüfstand  ");
  EXPECT_EQ(Trimmed(terminal_->Row(3)), "╔═╗ äöüß ☺");
  EXPECT_EQ(terminal_->Title(), "Prüfstand");
  EXPECT_FALSE(terminal_->CursorVisible());

  const PtyTerminal::CellInfo title = terminal_->Cell(1, 2);
  EXPECT_EQ(title.fg, 0);
  EXPECT_EQ(title.bg, 2);
  EXPECT_EQ(terminal_->Cell(1, 38).fg, 15);
  EXPECT_EQ(terminal_->Cell(1, 38).bg, 2);
  EXPECT_EQ(terminal_->Cell(1, 40).bg, 2);  // the blanks of the bar
  EXPECT_EQ(terminal_->Cell(2, 1).fg, 4);   // console blue
  EXPECT_EQ(terminal_->Cell(2, 6).fg, 1);   // console red
  EXPECT_EQ(terminal_->Cell(2, 10).fg, 11);  // yellow
  EXPECT_EQ(terminal_->Cell(2, 20).fg, 8);   // dark grey
  EXPECT_EQ(terminal_->Cell(2, 15).fg, 7);
  EXPECT_EQ(terminal_->Cell(2, 15).bg, 0);
  EXPECT_FALSE(terminal_->Cell(1, 38).bold);
}

TEST_F(EventProgramTest, EightColourTerminalMakesBrightColoursBold) {
  Start(WithTerm("xterm"));
  EXPECT_EQ(terminal_->Cell(1, 2).fg, 0);
  EXPECT_EQ(terminal_->Cell(1, 2).bg, 2);
  EXPECT_FALSE(terminal_->Cell(1, 2).bold);
  EXPECT_EQ(terminal_->Cell(1, 38).fg, 7);
  EXPECT_TRUE(terminal_->Cell(1, 38).bold);
  EXPECT_EQ(terminal_->Cell(2, 1).fg, 4);
  EXPECT_EQ(terminal_->Cell(2, 10).fg, 3);
  EXPECT_TRUE(terminal_->Cell(2, 10).bold);
  EXPECT_EQ(terminal_->Cell(2, 20).fg, 0);
  EXPECT_TRUE(terminal_->Cell(2, 20).bold);
  EXPECT_EQ(Trimmed(terminal_->Row(3)), "╔═╗ äöüß ☺");
}

class KeyDecodingTest : public EventProgramTest, public testing::WithParamInterface<const char*> {};

TEST_P(KeyDecodingTest, KeysArriveAsPcConsoleCodes) {
  Start(WithTerm(GetParam()));
  PtyTerminal& t = *terminal_;
  t.Key(VTERM_KEY_LEFT);
  EXPECT_EQ(NextEvent(), "Taste 1075");
  t.Key(VTERM_KEY_RIGHT);
  EXPECT_EQ(NextEvent(), "Taste 1077");
  t.Key(VTERM_KEY_UP);
  EXPECT_EQ(NextEvent(), "Taste 1072");
  t.Key(VTERM_KEY_DOWN);
  EXPECT_EQ(NextEvent(), "Taste 1080");
  t.Key(VTERM_KEY_DEL);
  EXPECT_EQ(NextEvent(), "Taste 1083");
  t.Key(VTERM_KEY_LEFT, VTERM_MOD_CTRL);
  EXPECT_EQ(NextEvent(), "Taste 1115");
  t.Key(VTERM_KEY_RIGHT, VTERM_MOD_CTRL);
  EXPECT_EQ(NextEvent(), "Taste 1116");
  t.Key(VTERM_KEY_DEL, VTERM_MOD_CTRL);
  EXPECT_EQ(NextEvent(), "Taste 1147");
  t.Key(VTERM_KEY_BACKSPACE);
  EXPECT_EQ(NextEvent(), "Taste 8");
  t.SendBytes("\x08");  // Ctrl+Backspace in xterm, VTE and Konsole
  EXPECT_EQ(NextEvent(), "Taste 127");
  t.SendBytes("\x17");  // Ctrl+W
  EXPECT_EQ(NextEvent(), "Taste 127");
  t.SendBytes("\033[127;5u");  // Ctrl+Backspace in kitty
  EXPECT_EQ(NextEvent(), "Taste 127");
  t.Key(VTERM_KEY_TAB);
  EXPECT_EQ(NextEvent(), "Taste 9");
  t.Key(VTERM_KEY_ENTER);
  EXPECT_EQ(NextEvent(), "Taste 13");
  t.Key(VTERM_KEY_ESCAPE);
  EXPECT_EQ(NextEvent(), "Taste 27");
  t.FunctionKey(1);
  EXPECT_EQ(NextEvent(), "Taste 1059");
  t.FunctionKey(5);
  EXPECT_EQ(NextEvent(), "Taste 1063");
  t.FunctionKey(10);
  EXPECT_EQ(NextEvent(), "Taste 1068");
  t.FunctionKey(11);
  EXPECT_EQ(NextEvent(), "Taste 1133");
  t.FunctionKey(12);
  EXPECT_EQ(NextEvent(), "Taste 1134");
  t.Type("ä");
  EXPECT_EQ(NextEvent(), "Taste 132");
  t.Type("ß");
  EXPECT_EQ(NextEvent(), "Taste 225");
  // No CP850 form, no event: the next one is the x.
  t.Type("€x");
  EXPECT_EQ(NextEvent(), "Taste 120");
  t.Type("+");
  EXPECT_EQ(NextEvent(), "Taste 43");
}

TEST_P(KeyDecodingTest, HomeAndEndAsTheTerminalSendsThem) {
  Start(WithTerm(GetParam()));
  // Multiplexers send what their own description says.
  const bool multiplexer = std::string(GetParam()).starts_with("screen") || std::string(GetParam()).starts_with("tmux");
  if (multiplexer) {
    terminal_->SendBytes("\033[1~");
  } else {
    terminal_->Key(VTERM_KEY_HOME);
  }
  EXPECT_EQ(NextEvent(), "Taste 1071");
  if (multiplexer) {
    terminal_->SendBytes("\033[4~");
  } else {
    terminal_->Key(VTERM_KEY_END);
  }
  EXPECT_EQ(NextEvent(), "Taste 1079");
}

// xterm-256color and tmux-256color name the Ctrl keys (with other codes);
// xterm and screen do not.
INSTANTIATE_TEST_SUITE_P(Terminals, KeyDecodingTest,
                         testing::Values("xterm-256color", "xterm", "tmux-256color", "screen"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name = info.param;
                           for (char& c : name) {
                             if (c == '-') c = '_';
                           }
                           return name;
                         });

TEST_F(EventProgramTest, CharactersTypedAreDecodedWhateverTheLocale) {
  PtyTerminal::Options options;
  options.env = {{"LC_ALL", "C"}, {"LANG", "C"}};
  Start(options);
  terminal_->Type("ö");
  EXPECT_EQ(NextEvent(), "Taste 148");
  terminal_->Type("Ä");
  EXPECT_EQ(NextEvent(), "Taste 142");
  EXPECT_EQ(Trimmed(terminal_->Row(3)), "╔═╗ äöüß ☺");
}

class MouseTest : public EventProgramTest, public testing::WithParamInterface<const char*> {};

TEST_P(MouseTest, PressesAreReportedWithTheirCell) {
  Start(WithTerm(GetParam(), 30, 100));
  terminal_->Click(1, 5, 10);
  EXPECT_EQ(NextEvent(), "Maus 1 5 10");
  terminal_->Click(3, 25, 80);
  EXPECT_EQ(NextEvent(), "Maus 2 25 80");
  // Outside the 80 x 25 screen: nothing.
  terminal_->Click(1, 26, 10);
  terminal_->Click(1, 3, 81);
  terminal_->Click(1, 1, 1);
  EXPECT_EQ(NextEvent(), "Maus 1 1 1");
  terminal_->Type("x");
  EXPECT_EQ(NextEvent(), "Taste 120");
}

// SGR reports (xterm) and the older X10 encoding (tmux).
INSTANTIATE_TEST_SUITE_P(Terminals, MouseTest, testing::Values("xterm-256color", "tmux-256color"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).starts_with("xterm") ? std::string("Sgr")
                                                                                : std::string("X10");
                         });

TEST_F(EventProgramTest, LargerWindowShowsTheScreenAtTheTopLeft) {
  Start(WithTerm("xterm-256color", 30, 100));
  EXPECT_EQ(terminal_->Text(1, 1, 12), " Prüfstand  ");
  EXPECT_EQ(Trimmed(terminal_->Row(26)), "");
  EXPECT_EQ(terminal_->Text(1, 81, 20), std::string(20, ' '));
  EXPECT_EQ(terminal_->Cell(1, 81).bg, 0);
}

TEST_F(EventProgramTest, SmallWindowShowsANoticeAndIgnoresKeysUntilEnlarged) {
  Start();
  terminal_->Type("k");
  EXPECT_EQ(NextEvent(), "Taste 107");

  terminal_->Resize(5, 20);
  ASSERT_TRUE(terminal_->WaitForRow(5, "25 Zeichen.")) << terminal_->Screen();
  EXPECT_EQ(terminal_->Screen(),
            " Das Fenster ist zu \n"
            "       klein.       \n"
            "Bitte vergrößere es \n"
            "auf mindestens 80 x \n"
            "    25 Zeichen.     ");
  EXPECT_FALSE(terminal_->ScreenContains("Prüfstand"));
  terminal_->Type("x");
  terminal_->Click(1, 1, 1);

  // A single cell: whether curses can draw the corner cell depends on the
  // terminal; what matters is that the program lives through it.
  terminal_->Resize(1, 1);
  terminal_->Drain(milliseconds(200));

  terminal_->Resize(25, 80);
  ASSERT_TRUE(terminal_->WaitUntil([&] { return Trimmed(terminal_->Row(kCountRow)) == "Nr. 1"; }))
      << terminal_->Screen();
  EXPECT_TRUE(terminal_->ScreenContains("Prüfstand"));
  EXPECT_FALSE(terminal_->ScreenContains("Fenster"));
  EXPECT_EQ(terminal_->Cell(1, 2).bg, 2);
  EXPECT_EQ(Trimmed(terminal_->Row(kEventRow)), "Taste 107");  // nothing got through meanwhile
  terminal_->Type("y");
  EXPECT_EQ(NextEvent(), "Taste 121");
}

TEST_F(EventProgramTest, NoticeFitsAWideButLowWindow) {
  terminal_ = std::make_unique<PtyTerminal>(EventProgram, WithTerm("xterm-256color", 3, 120));
  ASSERT_TRUE(terminal_->WaitForRow(2, "Zeichen.")) << terminal_->Screen();
  EXPECT_EQ(Trimmed(terminal_->Row(1)), std::string(47, ' ') + "Das Fenster ist zu klein.");
  EXPECT_EQ(Trimmed(terminal_->Row(2)), std::string(34, ' ') + "Bitte vergrößere es auf mindestens 80 x 25 Zeichen.");
}

TEST_F(EventProgramTest, OneChangedCellSendsOnlyTheChange) {
  Start();
  terminal_->Type("k");
  EXPECT_EQ(NextEvent(), "Taste 107");
  terminal_->Drain(milliseconds(100));
  const size_t before = terminal_->RawSize();
  terminal_->Type("l");  // "Taste 107" -> "Taste 108", "Nr. 1" -> "Nr. 2"
  EXPECT_EQ(NextEvent(), "Taste 108");
  terminal_->Drain(milliseconds(100));
  EXPECT_LT(terminal_->RawSize() - before, 60u) << testing::PrintToString(terminal_->RawOutput().substr(before));
}

TEST_F(EventProgramTest, TheModelsCursorIsShownWhereItStands) {
  Start();
  terminal_->Type("c");
  EXPECT_EQ(NextEvent(), "Taste 99");
  ASSERT_TRUE(terminal_->WaitUntil([&] { return terminal_->CursorVisible(); }));
  EXPECT_EQ(terminal_->CursorPosition(), std::make_pair(12, 5));
}

TEST_F(EventProgramTest, KeysTypedDuringASleepWait) {
  Start();
  terminal_->Type("sx");
  EXPECT_EQ(NextEvent(), "Taste 115");
  EXPECT_EQ(NextEvent(), "Taste 120");
  EXPECT_TRUE(terminal_->ScreenContains("wach"));
}

TEST_F(EventProgramTest, DiscardingInputDropsWhatWasTyped) {
  Start();
  terminal_->Type("dx");
  EXPECT_EQ(NextEvent(), "Taste 100");
  ASSERT_TRUE(terminal_->WaitForText("verworfen"));
  terminal_->Type("y");
  EXPECT_EQ(NextEvent(), "Taste 121");
}

TEST_F(EventProgramTest, QuittingRestoresTheTerminal) {
  Start();
  terminal_->Type("q");
  EXPECT_EQ(terminal_->WaitForExit(), 0);
  EXPECT_TRUE(TerminalRestored(*terminal_));
}

TEST_F(EventProgramTest, CtrlCEndsTheProgramAndRestoresTheTerminal) {
  Start();
  terminal_->SendBytes("\x03");
  EXPECT_EQ(terminal_->WaitForExit(), 130);
  EXPECT_TRUE(TerminalRestored(*terminal_));
}

class QuitSignalTest : public EventProgramTest, public testing::WithParamInterface<int> {};

TEST_P(QuitSignalTest, RestoresTheTerminalAndExitsWithTheSignalsStatus) {
  Start(WithTerm("tmux-256color"));
  terminal_->Signal(GetParam());
  EXPECT_EQ(terminal_->WaitForExit(), 128 + GetParam());
  EXPECT_TRUE(TerminalRestored(*terminal_));
  EXPECT_TRUE(terminal_->RawOutput().ends_with("\033[?1049l"));
}

INSTANTIATE_TEST_SUITE_P(Signals, QuitSignalTest, testing::Values(SIGINT, SIGTERM, SIGHUP, SIGQUIT),
                         [](const testing::TestParamInfo<int>& info) {
                           switch (info.param) {
                             case SIGINT: return "Int";
                             case SIGTERM: return "Term";
                             case SIGHUP: return "Hup";
                             default: return "Quit";
                           }
                         });

TEST_F(EventProgramTest, ASignalEndsEvenATurnThatNeverWaits) {
  Start(WithTerm("tmux-256color"));
  terminal_->Type("b");
  terminal_->Drain(milliseconds(200));  // the key is read; nothing is shown any more
  terminal_->Signal(SIGTERM);
  EXPECT_EQ(terminal_->WaitForExit(), 128 + SIGTERM);
  EXPECT_TRUE(TerminalRestored(*terminal_));
  EXPECT_TRUE(terminal_->RawOutput().ends_with("\033[?1049l"));
}

TEST_F(EventProgramTest, SignalCutsASleepShort) {
  Start();
  terminal_->Type("S");
  EXPECT_EQ(NextEvent(), "Taste 83");
  const auto start = PtyTerminal::Clock::now();
  terminal_->Signal(SIGTERM);
  EXPECT_EQ(terminal_->WaitForExit(), 128 + SIGTERM);
  EXPECT_LT(PtyTerminal::Clock::now() - start, milliseconds(1000));
  EXPECT_TRUE(TerminalRestored(*terminal_));
}

TEST_F(EventProgramTest, HangUpEndsTheProgramEvenWhenSighupIsIgnored) {
  terminal_ = std::make_unique<PtyTerminal>(
      [] {
        std::signal(SIGHUP, SIG_IGN);
        return EventProgram();
      },
      PtyTerminal::Options{});
  ASSERT_TRUE(terminal_->WaitForText("Prüfstand"));
  terminal_->HangUp();
  EXPECT_EQ(terminal_->WaitForExit(), 128 + SIGHUP);
}

TEST_F(EventProgramTest, CrashRestoresTheTerminalAndStillCrashes) {
  Start();
  terminal_->Type("a");
  EXPECT_EQ(terminal_->WaitForExit(), 128 + SIGABRT);
  EXPECT_TRUE(TerminalRestored(*terminal_));
}

TEST(TerminalFrontendUsableTest, OnlyOnACursorAddressingTerminal) {
  auto usable = [](const PtyTerminal::Options& options, bool pipe_stdin = false) {
    PtyTerminal terminal(
        [pipe_stdin] {
          if (pipe_stdin) {
            int fds[2];
            if (pipe(fds) != 0) return 3;
            dup2(fds[0], STDIN_FILENO);
          }
          return TerminalFrontend::Usable() ? 1 : 2;
        },
        options);
    return terminal.WaitForExit();
  };
  PtyTerminal::Options options;
  EXPECT_EQ(usable(options), 1);
  EXPECT_EQ(usable(options, true), 2);
  options.term = "dumb";
  EXPECT_EQ(usable(options), 2);
  options.term = "no-such-terminal";
  EXPECT_EQ(usable(options), 2);
  options.env = {{"TERM", ""}};  // unset
  EXPECT_EQ(usable(options), 2);
}

TEST(TerminalFrontendUsableTest, UnknownTerminalThrowsAndLeavesTheTerminalAlone) {
  PtyTerminal::Options options;
  options.term = "no-such-terminal";
  PtyTerminal terminal(
      [] {
        try {
          TerminalFrontend frontend;
          return 1;
        } catch (const std::runtime_error&) {
          return 2;
        }
      },
      options);
  EXPECT_EQ(terminal.WaitForExit(), 2);
  EXPECT_EQ(terminal.RawOutput(), "");
  EXPECT_TRUE(terminal.LineDisciplineCooked());
}

// ---------------------------------------------------------------------------
// The game.

class TerminalGameTest : public testing::Test {
 protected:
  void Start(const std::string& term = "xterm-256color") {
    PtyTerminal::Options options;
    options.term = term;
    terminal_ = std::make_unique<PtyTerminal>(std::vector<std::string>{QUENDELMAR_BINARY}, options);
  }

  // Past the prologue, at the first prompt.
  void StartAtPrompt(const std::string& term = "xterm-256color") {
    Start(term);
    ASSERT_TRUE(terminal_->WaitForText("<Beliebige Taste>")) << terminal_->Screen();
    terminal_->Type(" ");
    ASSERT_TRUE(WaitForPrompt()) << terminal_->Screen();
  }

  // The line editor waits on an empty line: a row reading just ">".
  bool WaitForPrompt(int prompts = 1) {
    return terminal_->WaitUntil([&] { return CountRows(">") >= prompts; });
  }

  int CountRows(const std::string& text) const {
    int count = 0;
    for (int row = 4; row <= 25; ++row) count += Trimmed(terminal_->Row(row)) == text;
    return count;
  }

  // The command was entered: its echo stands on a row above the next, empty prompt.
  bool WaitForEcho(const std::string& line) {
    return terminal_->WaitUntil([&] {
      int echo = 0;
      for (int row = 4; row <= 25; ++row) {
        const std::string text = Trimmed(terminal_->Row(row));
        if (text == ">" + line) echo = row;
        if (echo != 0 && row > echo && text == ">") return true;
      }
      return false;
    });
  }

  std::unique_ptr<PtyTerminal> terminal_;
};

TEST_F(TerminalGameTest, PrologueWaitsForAKey) {
  Start();
  ASSERT_TRUE(terminal_->WaitForText("<Beliebige Taste>")) << terminal_->Screen();
  EXPECT_TRUE(terminal_->ScreenContains("Muss deine Oma ausgerechnet heute Geburtstag haben!"));
  EXPECT_EQ(terminal_->Title(), "Quendelmar - Edition 2. Eine interaktive Fabel.");
  EXPECT_FALSE(terminal_->CursorVisible());
  terminal_->Drain(milliseconds(200));
  EXPECT_TRUE(terminal_->ScreenContains("<Beliebige Taste>"));
  terminal_->Type("x");
  ASSERT_TRUE(WaitForPrompt()) << terminal_->Screen();
  EXPECT_FALSE(terminal_->ScreenContains("<Beliebige Taste>"));
}

TEST_F(TerminalGameTest, StatusBarAtTheFirstPrompt) {
  StartAtPrompt();
  PtyTerminal& t = *terminal_;
  EXPECT_EQ(t.Text(1, 1, 11), " Quendelmar");
  EXPECT_EQ(t.Text(1, 38, 5), "* N *");
  EXPECT_EQ(t.Text(1, 46, 6), "Besitz");
  EXPECT_EQ(t.Text(1, 67, 7), "Punkte:");
  EXPECT_EQ(t.Text(2, 2, 13), "- Edition 2 -");
  EXPECT_EQ(t.Text(2, 38, 5), "W X O");
  EXPECT_EQ(t.Text(3, 1, 16), " Am Waldeingang ");
  EXPECT_EQ(t.Text(3, 38, 5), "* S *");
  EXPECT_EQ(t.Text(3, 46, 7), "Befehle");
  EXPECT_EQ(t.Text(3, 67, 5), "Züge:");

  // Black on green; the open way north in white.
  for (int row = 1; row <= 3; ++row) {
    for (int col = 1; col <= 80; ++col) EXPECT_EQ(t.Cell(row, col).bg, 2) << row << "," << col;
  }
  EXPECT_EQ(t.Cell(1, 2).fg, 0);
  EXPECT_EQ(t.Cell(3, 46).fg, 0);
  EXPECT_EQ(t.Cell(1, 40).fg, 15);
  for (const auto& [row, col] : {std::pair{1, 38}, {1, 42}, {2, 38}, {2, 42}, {3, 38}, {3, 40}, {3, 42}}) {
    EXPECT_EQ(t.Cell(row, col).fg, 0) << row << "," << col;
  }
  EXPECT_EQ(t.Cell(2, 40).fg, 7);  // the X
}

TEST_F(TerminalGameTest, EditingKeysShapeTheEchoedLine) {
  StartAtPrompt();
  PtyTerminal& t = *terminal_;
  t.Type("nimm korbx");
  t.Key(VTERM_KEY_BACKSPACE);  // nimm korb
  t.Type("yy");
  t.Key(VTERM_KEY_LEFT);
  t.Key(VTERM_KEY_LEFT);
  t.Key(VTERM_KEY_DEL, VTERM_MOD_CTRL);  // the rest of the word: nimm korb
  t.Key(VTERM_KEY_HOME);
  t.Key(VTERM_KEY_RIGHT, VTERM_MOD_CTRL);  // on "korb"
  t.Type("dxn ");                           // nimm dxn korb
  t.Key(VTERM_KEY_LEFT, VTERM_MOD_CTRL);   // on "dxn"
  t.Key(VTERM_KEY_RIGHT);
  t.Key(VTERM_KEY_DEL);  // nimm dn korb
  t.Type("e");
  t.Key(VTERM_KEY_END);
  t.Type("  ");
  ASSERT_TRUE(t.WaitUntil([&] { return CountRows(">nimm den korb") == 1; })) << t.Screen();
  t.Key(VTERM_KEY_ENTER);
  EXPECT_TRUE(WaitForEcho("nimm den korb")) << t.Screen();
}

TEST_F(TerminalGameTest, CtrlBackspaceAndCtrlWDeleteWords) {
  StartAtPrompt();
  PtyTerminal& t = *terminal_;
  t.Type("schaue blub");
  t.SendBytes("\x08");
  t.Type("xyz");
  t.SendBytes("\x17");
  t.Key(VTERM_KEY_ENTER);
  EXPECT_TRUE(WaitForEcho("schaue")) << t.Screen();
}

TEST_F(TerminalGameTest, FunctionKeyInsertsItsWord) {
  StartAtPrompt();
  terminal_->FunctionKey(2);
  ASSERT_TRUE(terminal_->WaitUntil([&] { return CountRows(">Inventar") == 1; })) << terminal_->Screen();
  terminal_->Key(VTERM_KEY_ENTER);
  EXPECT_TRUE(WaitForEcho("Inventar")) << terminal_->Screen();
}

TEST_F(TerminalGameTest, UmlautTypedAsUtf8ReachesTheLine) {
  StartAtPrompt();
  terminal_->Type("öffne Äpfel");
  ASSERT_TRUE(terminal_->WaitUntil([&] { return CountRows(">öffne Äpfel") == 1; })) << terminal_->Screen();
  terminal_->Key(VTERM_KEY_ENTER);
  EXPECT_TRUE(WaitForEcho("öffne Äpfel")) << terminal_->Screen();
}

TEST_F(TerminalGameTest, TypingAKeySendsLittle) {
  StartAtPrompt();
  terminal_->Drain(milliseconds(100));
  const size_t before = terminal_->RawSize();
  terminal_->Type("n");
  ASSERT_TRUE(terminal_->WaitUntil([&] { return CountRows(">n") == 1; })) << terminal_->Screen();
  terminal_->Drain(milliseconds(100));
  EXPECT_LT(terminal_->RawSize() - before, 100u);
}

TEST_F(TerminalGameTest, AnOrdinaryTurnSendsFarLessThanAFullRedraw) {
  StartAtPrompt();
  PtyTerminal& t = *terminal_;
  t.Type("xyz");
  ASSERT_TRUE(t.WaitUntil([&] { return CountRows(">xyz") == 1; })) << t.Screen();
  t.Drain(milliseconds(100));
  const size_t before = t.RawSize();
  t.Key(VTERM_KEY_ENTER);
  ASSERT_TRUE(WaitForEcho("xyz")) << t.Screen();
  t.Drain(milliseconds(100));
  // A full picture of 80 x 25 cells takes well over 2000 bytes.
  EXPECT_LT(t.RawSize() - before, 600u);
}

TEST_F(TerminalGameTest, SmallWindowShowsTheNoticeUntilEnlarged) {
  StartAtPrompt();
  terminal_->Resize(5, 20);
  ASSERT_TRUE(terminal_->WaitForText("Das Fenster ist zu")) << terminal_->Screen();
  EXPECT_FALSE(terminal_->ScreenContains("Quendelmar"));
  terminal_->Resize(25, 80);
  ASSERT_TRUE(terminal_->WaitUntil([&] { return terminal_->Text(1, 1, 11) == " Quendelmar"; }))
      << terminal_->Screen();
  EXPECT_FALSE(terminal_->ScreenContains("Fenster"));
  EXPECT_EQ(terminal_->Text(3, 1, 16), " Am Waldeingang ");
  EXPECT_EQ(CountRows(">"), 1) << terminal_->Screen();
}

// A terminal that cannot place the cursor (a screen reader's console) gets
// line mode: the prompt before each line, and the typed line only once, as
// the terminal echoed it.
TEST_F(TerminalGameTest, ADumbTerminalGetsThePromptAndNoSecondEcho) {
  Start("dumb");
  ASSERT_TRUE(terminal_->WaitUntil([&] { return CountRows(">") == 1; })) << terminal_->Screen();
  terminal_->Type("nimm korb + 2\r");
  ASSERT_TRUE(terminal_->WaitUntil([&] { return CountRows(">") == 1 && CountRows(">nimm korb + 2") == 1; }))
      << terminal_->Screen();
  EXPECT_TRUE(terminal_->ScreenContains("[Ich kenne das Wort '+' nicht.]")) << terminal_->Screen();
  terminal_->SendBytes("\x04");  // end of input
  EXPECT_EQ(terminal_->WaitForExit(), 0);
}

TEST_F(TerminalGameTest, CtrlCClosesTheGameAndRestoresTheTerminal) {
  StartAtPrompt();
  terminal_->SendBytes("\x03");
  EXPECT_EQ(terminal_->WaitForExit(), 130);
  EXPECT_TRUE(TerminalRestored(*terminal_));
}

TEST_F(TerminalGameTest, SigtermClosesTheGameAndRestoresTheTerminal) {
  StartAtPrompt("tmux-256color");
  terminal_->Signal(SIGTERM);
  EXPECT_EQ(terminal_->WaitForExit(), 128 + SIGTERM);
  EXPECT_TRUE(TerminalRestored(*terminal_));
  EXPECT_TRUE(terminal_->RawOutput().ends_with("\033[?1049l"));
}

}  // namespace

// The mouse as the player uses it, in a terminal that reports presses the
// xterm way (SGR) and in one that uses the older encoding (tmux).
class TerminalMouseGameTest : public TerminalGameTest, public testing::WithParamInterface<const char*> {};

TEST_P(TerminalMouseGameTest, ClickedWordsAndCompassPointsBecomeCommands) {
  StartAtPrompt(GetParam());
  PtyTerminal& t = *terminal_;
  int word_row = 0;
  int word_col = 0;
  for (int row = 4; row <= 25 && word_row == 0; ++row) {
    const size_t at = t.Row(row).find("schmaler Weg");
    if (at != std::string::npos) {
      word_row = row;
      word_col = static_cast<int>(at) + 10;  // on the "e" of "Weg" (all ASCII before it)
    }
  }
  ASSERT_NE(word_row, 0) << t.Screen();

  t.Click(3, 12, 1);  // right: the first verb of the cycle
  ASSERT_TRUE(t.WaitUntil([&] { return CountRows(">Untersuche") == 1; })) << t.Screen();
  t.Click(1, word_row, word_col);
  ASSERT_TRUE(t.WaitUntil([&] { return CountRows(">Untersuche weg") == 1; })) << t.Screen();
  t.Click(3, 12, 1);  // right again: the line is entered
  ASSERT_TRUE(WaitForEcho("Untersuche weg")) << t.Screen();

  t.Click(1, 1, 40);  // the "N" of the compass
  ASSERT_TRUE(WaitForEcho("Nord")) << t.Screen();
  EXPECT_TRUE(t.WaitForRow(3, " Auf einem Waldweg")) << t.Screen();
}

INSTANTIATE_TEST_SUITE_P(Terminals, TerminalMouseGameTest, testing::Values("xterm-256color", "tmux-256color"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(0, std::string(info.param).find('-'));
                         });
