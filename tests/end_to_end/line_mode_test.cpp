// The real binary in line mode: UTF-8 lines through pipes.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "support/temp_directory.h"

namespace {

struct Result {
  std::string output;
  int status = -1;
};

// Runs the game with `input` on standard input (a file, or a closed pipe
// when `close_input` is set) and collects standard output. A file-size limit
// of 0 makes every write of the game fail, as under `ulimit -f 0`.
Result RunLineMode(const std::string& input, bool close_input = false, bool no_file_may_grow = false) {
  char input_path[] = "/tmp/quendelmar_input_XXXXXX";
  const int input_fd = mkstemp(input_path);
  EXPECT_GE(input_fd, 0);
  EXPECT_EQ(write(input_fd, input.data(), input.size()), static_cast<ssize_t>(input.size()));
  int out_pipe[2];
  EXPECT_EQ(pipe(out_pipe), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    if (close_input) {
      close(0);
    } else {
      lseek(input_fd, 0, SEEK_SET);
      dup2(input_fd, 0);
    }
    dup2(out_pipe[1], 1);
    close(out_pipe[0]);
    setenv("TERM", "xterm", 1);  // not a terminal all the same: line mode
    if (no_file_may_grow) {
      const rlimit none{0, RLIM_INFINITY};
      setrlimit(RLIMIT_FSIZE, &none);
    }
    execl(QUENDELMAR_BINARY, "quendelmar", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(out_pipe[1]);
  close(input_fd);
  unlink(input_path);
  Result result;
  char buffer[4096];
  ssize_t n;
  while ((n = read(out_pipe[0], buffer, sizeof buffer)) > 0) result.output.append(buffer, static_cast<size_t>(n));
  close(out_pipe[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

bool Contains(const std::string& haystack, const std::string& needle) {
  return haystack.find(needle) != std::string::npos;
}

TEST(LineMode, PrologueTitleRoomAndTheEchoedCommand) {
  const Result r = RunLineMode("nimm den korb\n");
  EXPECT_EQ(r.status, 0);
  const size_t prologue = r.output.find("Muss deine Oma ausgerechnet heute Geburtstag haben!");
  const size_t key = r.output.find("\n                              <Beliebige Taste>\n");
  const size_t title = r.output.find("\nQuendelmar - Edition 2 - vom 05.09.2018.\n");
  const size_t room = r.output.find("\nAm Waldeingang\n\nIm Norden liegt er nun also, der Wald.");
  const size_t echo = r.output.find("\n>nimm den korb\n");
  ASSERT_NE(prologue, std::string::npos);
  ASSERT_NE(key, std::string::npos);
  ASSERT_NE(title, std::string::npos);
  ASSERT_NE(room, std::string::npos);
  ASSERT_NE(echo, std::string::npos);
  EXPECT_LT(prologue, key);
  EXPECT_LT(key, title);
  EXPECT_LT(title, room);
  EXPECT_LT(room, echo);
  EXPECT_TRUE(Contains(r.output, "du immer nur Richtung Norden gehen.\n\n>nimm den korb\n"));
}

TEST(LineMode, NoEscapeSequencesNoStatusBarNoTrailingBlanks) {
  const Result r = RunLineMode("warte\n");
  EXPECT_EQ(r.output.find('\x1b'), std::string::npos);
  EXPECT_FALSE(Contains(r.output, "Punkte:"));
  EXPECT_FALSE(Contains(r.output, "Prolog"));
  EXPECT_FALSE(Contains(r.output, " \n"));
  EXPECT_FALSE(Contains(r.output, "Weiter mit beliebiger Taste"));
}

TEST(LineMode, EndOfInputAtOnceEndsCleanly) {
  const Result empty = RunLineMode("");
  EXPECT_EQ(empty.status, 0);
  EXPECT_TRUE(Contains(empty.output, "du immer nur Richtung Norden gehen.\n"));
  const Result closed = RunLineMode("", true);
  EXPECT_EQ(closed.status, 0);
}

TEST(LineMode, UmlautsReachTheLineAndOddBytesDoNotHurt) {
  const Result r = RunLineMode("öffne tür\nä\xff\xfe\x01\x1b[A x\nohne zeilenende");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "\n>öffne tür\n"));
  EXPECT_TRUE(Contains(r.output, "\n>ä[A x\n"));
  EXPECT_TRUE(Contains(r.output, "\n>ohne zeilenende\n"));
}

TEST(LineMode, WindowsLineEndsAndAByteOrderMarkAreRemoved) {
  const Result r = RunLineMode("\xEF\xBB\xBFschaue\r\nwarte\r\n");
  EXPECT_TRUE(Contains(r.output, "\n>schaue\n"));
  EXPECT_TRUE(Contains(r.output, "\n>warte\n"));
}

TEST(LineMode, AnOverlongLineIsCutToTheFieldAndTheGameGoesOn) {
  const Result r = RunLineMode(std::string(300, 'a') + "\nwarte\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "\n>" + std::string(77, 'a') + "\n"));
  EXPECT_TRUE(Contains(r.output, "\n>warte\n"));
}

// A piped line is typed as it stands: "+", "-" and digits are characters
// here, not the editor's keys for the history and the directions.
TEST(LineMode, ALineReachesTheGameAsTyped) {
  const Result r = RunLineMode("lies den e-mail-text\ngehe 2 schritte nach norden\n+\n");
  EXPECT_TRUE(Contains(r.output, "\n>lies den e-mail-text\n[Ich kenne das Wort 'e-mail-text' nicht.]\n")) << r.output;
  EXPECT_TRUE(Contains(r.output, "\n>gehe 2 schritte nach norden\n[Ich kenne das Wort '2' nicht.]\n"));
  EXPECT_TRUE(Contains(r.output, "\n>+\n[Ich kenne das Wort '+' nicht.]\n"));
}

TEST(LineMode, EmptyLinesAreNotCommands) {
  const Result r = RunLineMode("\n   \nwarte\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "du immer nur Richtung Norden gehen.\n\n>warte\n"));
}

TEST(LineMode, ParserAnswersComeBackAsPlainLines) {
  const Result r = RunLineMode("küsse ihn\nwo bin ich?\nxyz\nverdammt\nnimm korb,, geh nord\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, ">küsse ihn\n[Ich weiß nicht, auf was du dich beziehst.]\n"));
  EXPECT_TRUE(Contains(r.output, ">wo bin ich?\n[Bitte keine Fragezeichen in der Eingabe verwenden.]\n"));
  EXPECT_TRUE(Contains(r.output, ">xyz\n[Ich kenne das Wort 'xyz' nicht.]\n"));
  EXPECT_TRUE(Contains(r.output, ">verdammt\nKein Kommentar hierzu.\n"));
  EXPECT_TRUE(Contains(r.output,
                       ">nimm korb,, geh nord\n[Bitte nicht mehrere Satzzeichen hintereinander oder vor 'und' "
                       "verwenden.]\n"));
}

TEST(LineMode, AClosedOutputEndsTheGameQuietly) {
  // The reader goes away while lines keep coming: the game must end, not hang.
  const std::string command =
      "yes warte | timeout 20 " + std::string(QUENDELMAR_BINARY) + " | head -c 10 > /dev/null; "
      "exit ${PIPESTATUS[1]}";
  const int status = std::system(("bash -c '" + command + "'").c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);  // 124 would mean the time-out struck
}

TEST(LineMode, InputWithoutLineEndsIsReadToItsEnd) {
  const Result r = RunLineMode(std::string(1 << 20, '\0'));
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "du immer nur Richtung Norden gehen.\n"));
}

// The dialogs read the characters of the following lines; Escape leaves them.
TEST(LineMode, SavingAndLoadingThroughTheDialogs) {
  TempDirectory directory;
  const Result r = RunLineMode("speichern\ntest1\nn\nladen\n\nladen\n\x1b\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(TempDirectory::Read("test1.sav").substr(0, 30), "300,1,0,0,25,300,0,2,0,0,2,0\r\n");
  EXPECT_TRUE(Contains(r.output, ">speichern\n    SPIELSTAND SPEICHERN\n    Verzeichnis: "));
  EXPECT_TRUE(Contains(r.output, "\n    Name:     test1<\n\nSpielstand 'Test1' wurde gespeichert.\n\n>n\n"));
  EXPECT_TRUE(Contains(r.output, "               │>test1    │\n"));
  EXPECT_TRUE(Contains(r.output, "\nSpielstand 'Test1' wurde geladen.\n\n>laden\n"));
  EXPECT_TRUE(Contains(r.output, "\n[Abbruch, kein Spielstand geladen.]\n"));
}

// The shell's file-size limit does not kill the game: saving fails with the
// disk-full answer and the old save stays whole.
TEST(LineMode, AFileSizeLimitGivesTheDiskFullAnswer) {
  TempDirectory directory;
  const std::string old_save = "300,2,7,0,25,300,0,2,0,0,2,0\r\n";
  TempDirectory::Write("test1.sav", old_save);
  const Result r = RunLineMode("speichern\ntest1\nj\nwarte\n", false, true);
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output, "\nAuf dem Datenträger ist nicht genügend Speicherplatz vorhanden.\n")) << r.output;
  EXPECT_TRUE(Contains(r.output, "\n>warte\nDu wartest einen Moment."));
  EXPECT_EQ(TempDirectory::Read("test1.sav"), old_save);
  EXPECT_EQ(directory.Files(), std::vector<std::string>{"test1.sav"});
}

TEST(LineMode, TheMapComesOutAsItsRows) {
  const Result r = RunLineMode("karte\nwarte\n");
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(Contains(r.output,
                       "\n>karte\n"
                       "                                  Quendelmar\n"
                       "                                Übersichtskarte\n"
                       "                                        │\n"
                       "                                ┌───────────────┐\n"
                       "                                │  Waldeingang  │\n"
                       "                                └───────────────┘\n"
                       "\n>warte\n"));
}

}  // namespace
