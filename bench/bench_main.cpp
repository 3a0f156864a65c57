// What a player notices, measured: start-up to the first prompt, the cost of
// a command over the whole story, the bytes the terminal front end sends for
// a turn, and peak memory. The story is what a player types in
// tests/transcripts/story_walkthrough.txt along its longest chain of scenes,
// from the forest entrance to the end of the game.
//
// The benchmarks that run the real program report its own CPU time (user and
// system, from wait4) as their time, not the time of this process.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/ptrace.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "app/game.h"
#include "console/console.h"
#include "console/line_frontend.h"
#include "console/scripted_frontend.h"
#include "console/terminal_frontend.h"
#include "parser/parser.h"
#include "transcript_runner/transcript_file.h"
#include "world/encoding.h"
#include "world/random_source.h"

namespace {

// Chance as in the transcripts: always the highest number.
class FixedRandom : public RandomSource {
 public:
  void SeedFromClock() override {}
  int Draw(int, int high) override { return high; }
};

// ---- The story ----------------------------------------------------------

// The typed lines of the scene with the longest chain of "@after" scenes
// before it: the whole story. "<Escape>" is the Escape key.
std::vector<std::string> LoadStory() {
  const std::vector<TranscriptScene> scenes = ParseTranscriptFile(QUENDELMAR_WALKTHROUGH);
  std::map<std::string, const TranscriptScene*> by_name;
  for (const TranscriptScene& scene : scenes) by_name[scene.name] = &scene;
  std::vector<const TranscriptScene*> longest;
  for (const TranscriptScene& last : scenes) {
    std::vector<const TranscriptScene*> chain;
    for (const TranscriptScene* scene = &last; scene != nullptr && chain.size() <= scenes.size();) {
      chain.insert(chain.begin(), scene);
      const auto before = by_name.find(scene->after);
      scene = before == by_name.end() ? nullptr : before->second;
    }
    if (chain.size() > longest.size()) longest = chain;
  }
  std::vector<std::string> lines;
  for (const TranscriptScene* scene : longest) {
    for (const TranscriptStep& step : scene->steps) {
      std::string line = step.typed;
      for (size_t at = line.find("<Escape>"); at != std::string::npos; at = line.find("<Escape>", at)) {
        line.replace(at, 8, "\x1b");
      }
      lines.push_back(line);
    }
  }
  if (lines.empty()) throw std::runtime_error("no typed lines in " QUENDELMAR_WALKTHROUGH);
  return lines;
}

const std::vector<std::string>& Story() {
  static const std::vector<std::string> lines = LoadStory();
  return lines;
}

std::string StoryInput() {
  std::string input;
  for (const std::string& line : Story()) input += line + "\n";
  return input;
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// ---- The real program in line mode --------------------------------------

// The program built beside the benchmarks, or the one named in the
// environment variable QUENDELMAR_BINARY, to compare builds.
const char* Program() {
  const char* other = std::getenv("QUENDELMAR_BINARY");
  return other != nullptr && *other != '\0' ? other : QUENDELMAR_BINARY;
}

// A standard input held in memory, read from its start by each run.
class InputFile {
 public:
  explicit InputFile(std::string_view text) : fd_(memfd_create("quendelmar-input", 0)) {
    if (fd_ < 0) throw std::runtime_error("memfd_create failed");
    while (!text.empty()) {
      const ssize_t n = write(fd_, text.data(), text.size());
      if (n <= 0) throw std::runtime_error("cannot write the input");
      text.remove_prefix(static_cast<size_t>(n));
    }
  }
  ~InputFile() { close(fd_); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  int Rewound() const {
    lseek(fd_, 0, SEEK_SET);
    return fd_;
  }

 private:
  int fd_;
};

// Runs the program in line mode (no terminal, no environment) on `input`,
// its output thrown away; its CPU time in seconds, or nothing on a failure.
std::optional<double> RunProgram(const InputFile& input) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input.Rewound(), 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  char* argv[] = {const_cast<char*>("quendelmar"), nullptr};
  char* envp[] = {nullptr};
  pid_t pid;
  const int spawned = posix_spawn(&pid, Program(), &actions, nullptr, argv, envp);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The peak resident memory (VmHWM) of one run on `input` in KiB, read from
// /proc just before the program exits. The maximum that wait4 reports would
// count the memory of this process too, from which the program was spawned.
long PeakResidentKiB(const InputFile& input) {
  const int input_fd = input.Rewound();
  std::fflush(nullptr);
  const pid_t pid = fork();
  if (pid < 0) return -1;
  if (pid == 0) {
    ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
    dup2(input_fd, 0);
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    char* argv[] = {const_cast<char*>("quendelmar"), nullptr};
    char* envp[] = {nullptr};
    execve(Program(), argv, envp);
    _exit(127);
  }
  long peak = -1;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid || !WIFSTOPPED(status)) return -1;  // stopped at the exec
  ptrace(PTRACE_SETOPTIONS, pid, nullptr, PTRACE_O_TRACEEXIT | PTRACE_O_EXITKILL);
  ptrace(PTRACE_CONT, pid, nullptr, nullptr);
  while (waitpid(pid, &status, 0) == pid && WIFSTOPPED(status)) {
    long signal = WSTOPSIG(status);
    if (status >> 8 == (SIGTRAP | (PTRACE_EVENT_EXIT << 8))) {
      std::ifstream proc_status("/proc/" + std::to_string(pid) + "/status");
      for (std::string line; std::getline(proc_status, line);) {
        if (line.starts_with("VmHWM:")) peak = std::strtol(line.c_str() + 6, nullptr, 10);
      }
      signal = 0;
    }
    ptrace(PTRACE_CONT, pid, nullptr, reinterpret_cast<void*>(signal));
  }
  return peak;
}

// Start-up to the first prompt: the program's input ends right there.
void LineModeStartUp(benchmark::State& state) {
  const InputFile input("");
  std::vector<double> samples;
  for (auto _ : state) {
    const std::optional<double> cpu = RunProgram(input);
    if (!cpu) {
      state.SkipWithError("the game failed");
      return;
    }
    state.SetIterationTime(*cpu);
    samples.push_back(*cpu);
  }
  state.counters["median_ms"] = Median(samples) * 1e3;
  state.counters["peak_RSS_MiB"] = static_cast<double>(PeakResidentKiB(input)) / 1024;
}
BENCHMARK(LineModeStartUp)
    ->Name("LineMode/StartUp")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

// The whole story typed into one run. Each iteration also starts the program
// once without input, so that a command's share leaves the start-up out.
void LineModeStory(benchmark::State& state) {
  const InputFile empty("");
  const InputFile story(StoryInput());
  double story_seconds = 0;
  double start_seconds = 0;
  for (auto _ : state) {
    const std::optional<double> start = RunProgram(empty);
    const std::optional<double> whole = RunProgram(story);
    if (!start || !whole) {
      state.SkipWithError("the game failed");
      return;
    }
    state.SetIterationTime(*whole);
    story_seconds += *whole;
    start_seconds += *start;
  }
  const auto commands = static_cast<double>(Story().size());
  state.counters["commands"] = commands;
  state.counters["per_command_us"] =
      (story_seconds - start_seconds) / static_cast<double>(state.iterations()) / commands * 1e6;
  state.counters["peak_RSS_MiB"] = static_cast<double>(PeakResidentKiB(story)) / 1024;
}
BENCHMARK(LineModeStory)->Name("LineMode/Story")->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(3.0);

// ---- In process ---------------------------------------------------------

// From the start-up to the first prompt.
void StartUpToFirstPrompt(benchmark::State& state) {
  for (auto _ : state) {
    ScriptedFrontend frontend;
    Console console(frontend);
    FixedRandom random;
    Game game(console, random);
    frontend.Key(' ');
    try {
      game.Run();
    } catch (const ProgramExit&) {
    }
    benchmark::DoNotOptimize(console.ShownCell(19, 1));
  }
}
BENCHMARK(StartUpToFirstPrompt)->Name("InProcess/StartUp")->Unit(benchmark::kMicrosecond);

// The story's commands through the line-mode front end writing into memory:
// the game's own work per command, without the start-up (left out of the
// timing), the process or the pipe.
void InProcessStory(benchmark::State& state) {
  const std::vector<std::string>& lines = Story();
  for (auto _ : state) {
    state.PauseTiming();
    size_t next = 0;
    size_t written = 0;
    LineIo io;
    io.read_line = [&](WaitKind) -> std::optional<std::string> {
      if (next == lines.size()) return std::nullopt;
      return lines[next++];
    };
    io.write = [&](std::string_view text) { written += text.size(); };
    io.flush = [] {};
    LineFrontend frontend(io);
    Console console(frontend);
    FixedRandom random;
    Game game(console, random);
    game.StartUp();
    state.ResumeTiming();
    try {
      game.PlayTurns();
    } catch (const ProgramExit&) {
      frontend.Finish(console);
    }
    benchmark::DoNotOptimize(written);
    if (next != lines.size()) state.SkipWithError("the game ended before the story did");
  }
  state.counters["commands"] = static_cast<double>(lines.size());
  state.counters["per_command"] = benchmark::Counter(static_cast<double>(lines.size()),
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
}
BENCHMARK(InProcessStory)->Name("InProcess/Story")->Unit(benchmark::kMillisecond);

// One typed line: its turn's own work, everything but waiting for the player.
void OneTurn(benchmark::State& state) {
  ScriptedFrontend frontend;
  Console console(frontend);
  FixedRandom random;
  Game game(console, random);
  frontend.Key(' ');
  game.StartUp();
  const std::string line = state.range(0) == 0 ? "warte" : "nimm den korb und gehe nach norden";
  for (auto _ : state) {
    frontend.Line(line);
    try {
      game.PlayTurns();
    } catch (const ProgramExit&) {
    }
  }
}
BENCHMARK(OneTurn)->Name("InProcess/OneTurn")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The parser alone on a typical line, from the typed text to its checked command.
void ParseTypicalLine(benchmark::State& state) {
  ScriptedFrontend frontend;
  Console console(frontend);
  FixedRandom random;
  Game game(console, random);
  frontend.Key(' ');
  game.StartUp();
  GameSession& session = game.session();
  const GameSession start = session;
  const char* const lines[] = {"nimm den korb", "gib dem biber den schlüssel", "schaue unter die bank",
                               "xyz"};
  const std::string line = Cp850(lines[state.range(0)]);
  for (auto _ : state) {
    session = start;
    session.input_line = line;
    benchmark::DoNotOptimize(ParseSentence(session, console, InputOrigin::kTyped));
  }
}
BENCHMARK(ParseTypicalLine)->Name("InProcess/Parse")->DenseRange(0, 3);

// ---- The terminal front end ---------------------------------------------

// The game runs in a forked child through the terminal front end, under a
// pseudo-terminal of 80 x 25 cells (xterm-256color). Whenever the game waits
// for a key, the child first brings the terminal up to date and then writes a
// mark into the same output, naming what the game waits for. Everything
// before a mark is what the terminal received up to that wait.
constexpr std::string_view kMark = "\x1b_quendelmar-waits:";  // a digit and "\x1b\\" follow

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
}

class MarkingFrontend : public Frontend {
 public:
  explicit MarkingFrontend(Frontend& terminal) : terminal_(terminal) {}

  InputEvent Wait(const Console& console, WaitKind kind) override {
    terminal_.Sleep(console, 0);  // shows the screen as the wait itself would, then returns
    WriteAll(STDOUT_FILENO, std::string(kMark) + static_cast<char>('0' + static_cast<int>(kind)) + "\x1b\\");
    return terminal_.Wait(console, kind);  // the screen is shown already: nothing more goes out
  }
  void Sleep(const Console& console, int) override { terminal_.Sleep(console, 0); }
  void DiscardInput() override { terminal_.DiscardInput(); }
  void SetTitle(std::string_view title) override { terminal_.SetTitle(title); }
  bool ShowsPages() const override { return terminal_.ShowsPages(); }
  void BeforeScroll(const Console& console) override { terminal_.BeforeScroll(console); }
  void BeforeClear(const Console& console) override { terminal_.BeforeClear(console); }
  void FullScreenBegins(const Console& console) override { terminal_.FullScreenBegins(console); }
  void FullScreenEnds(const Console& console) override { terminal_.FullScreenEnds(console); }

 private:
  Frontend& terminal_;
};

[[noreturn]] void PlayInTerminal() {
  int status = 1;
  try {
    TerminalFrontend terminal;
    MarkingFrontend frontend(terminal);
    Console console(frontend);
    FixedRandom random;
    Game game(console, random);
    try {
      game.Run();
    } catch (const ProgramExit& exit) {
      status = exit.status;
    }
  } catch (...) {
  }
  _exit(status);
}

class TerminalSession {
 public:
  TerminalSession() {
    winsize size{25, 80, 0, 0};
    std::fflush(nullptr);
    pid_ = forkpty(&master_, nullptr, nullptr, &size);
    if (pid_ < 0) throw std::runtime_error("forkpty failed");
    if (pid_ == 0) {
      setenv("TERM", "xterm-256color", 1);
      unsetenv("LINES");
      unsetenv("COLUMNS");
      PlayInTerminal();
    }
  }
  ~TerminalSession() {
    close(master_);
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  TerminalSession(const TerminalSession&) = delete;
  TerminalSession& operator=(const TerminalSession&) = delete;

  // Reads up to the game's next wait and adds the bytes before it to
  // `bytes`; nothing when the game has ended.
  std::optional<WaitKind> NextWait(size_t& bytes) {
    for (;;) {
      const size_t at = pending_.find(kMark);
      if (at != std::string::npos && pending_.size() >= at + kMark.size() + 3) {
        bytes += at;
        const int kind = pending_[at + kMark.size()] - '0';
        pending_.erase(0, at + kMark.size() + 3);
        return static_cast<WaitKind>(kind);
      }
      pollfd ready{master_, POLLIN, 0};
      if (poll(&ready, 1, 10000) <= 0) throw std::runtime_error("the game stopped answering");
      char buffer[4096];
      const ssize_t n = read(master_, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) {  // the game has ended and closed the terminal
        bytes += pending_.size();
        pending_.clear();
        return std::nullopt;
      }
      pending_.append(buffer, static_cast<size_t>(n));
    }
  }

  void Send(std::string_view keys) { WriteAll(master_, keys); }

 private:
  pid_t pid_ = -1;
  int master_ = -1;
  std::string pending_;
};

// The story typed key by key, as a player types, each key sent once the game
// waits for it; a pause for a key is answered with a blank. A turn's bytes
// run from its first key to the next prompt: the echo of the typing, then the
// answer.
void TerminalStory(benchmark::State& state) {
  for (auto _ : state) {
    const auto began = std::chrono::steady_clock::now();
    TerminalSession terminal;
    size_t start_bytes = 0;
    size_t key_bytes = 0;
    size_t keys = 0;
    std::vector<double> turn_bytes;
    std::vector<double> answer_bytes;
    std::optional<WaitKind> wait = terminal.NextWait(start_bytes);
    while (wait == WaitKind::kAnyKey) {  // the prologue
      terminal.Send(" ");
      wait = terminal.NextWait(start_bytes);
    }
    for (const std::string& line : Story()) {
      if (!wait) {
        state.SkipWithError("the game ended before the story did");
        return;
      }
      // A question answered by one key takes no Enter.
      const bool choice = wait == WaitKind::kChoice;
      size_t typing = 0;
      size_t answer = 0;
      for (std::string_view rest = line; !rest.empty() && wait;) {
        const std::string_view before = rest;
        DecodeUtf8(rest);
        terminal.Send(before.substr(0, before.size() - rest.size()));
        const bool answered = choice && rest.empty();
        if (!answered) ++keys;
        wait = terminal.NextWait(answered ? answer : typing);
      }
      if (!choice && wait) {
        terminal.Send("\r");
        wait = terminal.NextWait(answer);
      }
      while (wait == WaitKind::kAnyKey) {
        terminal.Send(" ");
        wait = terminal.NextWait(answer);
      }
      key_bytes += typing;
      turn_bytes.push_back(static_cast<double>(typing + answer));
      answer_bytes.push_back(static_cast<double>(answer));
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    double total = static_cast<double>(start_bytes);
    for (const double bytes : turn_bytes) total += bytes;
    state.counters["turns"] = static_cast<double>(turn_bytes.size());
    state.counters["turn_bytes_median"] = Median(turn_bytes);
    state.counters["answer_bytes_median"] = Median(answer_bytes);
    state.counters["echo_bytes_per_key"] = static_cast<double>(key_bytes) / static_cast<double>(keys);
    state.counters["start_bytes"] = static_cast<double>(start_bytes);
    state.counters["total_bytes"] = total;
  }
}
BENCHMARK(TerminalStory)->Name("Terminal/Story")->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
