// The real binary in line mode, through files and pipes: what the standard
// streams bring that a transcript cannot (odd bytes, missing line ends, a
// closed pipe, a file-size limit). What the player reads is in the
// transcript console_line_mode.txt.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "support/temp_directory.h"

namespace {

class LineModeTest : public ::testing::Test {
 protected:
  // Runs the game in a shell: `input` on standard input unless `redirect`
  // says otherwise, `setup` first; the output goes through a pipe. Gives the
  // exit status of the game.
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
  // The prologue, the title and the first room come out as start_prologue.txt
  // shows them; then the echo. No escape sequences, no status bar, no pager,
  // no trailing blanks.
  EXPECT_EQ(Run("nimm den korb\n"), 0);
  EXPECT_TRUE(output.starts_with("\nMuss deine Oma ausgerechnet heute Geburtstag haben!")) << output;
  EXPECT_TRUE(Shows("du immer nur Richtung Norden gehen.\n\n>nimm den korb\n"));
  EXPECT_EQ(output.find('\x1b'), std::string::npos);
  for (const char* absent : {"Punkte:", "Prolog", " \n", "Weiter mit beliebiger Taste"}) EXPECT_FALSE(Shows(absent));

  EXPECT_EQ(Run(""), 0);
  EXPECT_TRUE(Shows("du immer nur Richtung Norden gehen.\n"));
  EXPECT_EQ(Run("", "", "<&-"), 0);  // no standard input at all
  EXPECT_EQ(Run(std::string(1 << 20, '\0')), 0);  // a megabyte without a line end
  EXPECT_TRUE(Shows("du immer nur Richtung Norden gehen.\n"));
}

TEST_F(LineModeTest, OddBytesLineEndsAndOverlongLinesDoNotHurt) {
  EXPECT_EQ(Run("\xEF\xBB\xBFschaue\r\nöffne tür\nä\xff\xfe\x01\x1b[A x\n" + std::string(300, 'a') +
                "\nohne zeilenende"),
            0);
  const std::string echoes[] = {">schaue\n", ">öffne tür\n", ">ä[A x\n", ">" + std::string(77, 'a') + "\n",
                                ">ohne zeilenende\n"};
  for (const std::string& echo : echoes) {
    EXPECT_TRUE(Shows("\n" + echo)) << echo << output;
  }
}

// A reader that goes away while lines keep coming ends the game, and a
// file-size limit gives the disk-full answer instead of killing it.
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
