#include "commands/save_and_load.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "commands/save_file.h"
#include "console/console.h"
#include "console/key_codes.h"
#include "console/text_output.h"
#include "story/room_descriptions.h"
#include "world/encoding.h"
#include "world/text_case.h"

namespace {

constexpr size_t kLongestName = 8;
constexpr const char* kSaveEnding = ".sav";

// Where the dialogs put things.
constexpr int kLeftColumn = 5;
constexpr int kTitleRow = 2;
constexpr int kDirectoryRow = 3;
constexpr int kListRow = 5;  // the label, and the top of the list's frame
constexpr int kListColumn = 16;
constexpr int kVisibleEntries = 8;
constexpr int kNameRow = 16;
constexpr int kQuestionRow = 19;
constexpr int kWarningRow = 20;
constexpr int kLoadHelpRow = 21;
constexpr int kSaveHelpRow = 22;
// The note about too many saves goes below everything else: the top rows
// hold the title and the directory.
constexpr int kTooManyRow = 24;

bool IsNameCharacter(int key) {
  return (key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9');
}

bool IsSaveName(const std::string& name) {
  return !name.empty() && name.size() <= kLongestName &&
         std::all_of(name.begin(), name.end(), [](char c) { return IsNameCharacter(static_cast<unsigned char>(c)); });
}

std::string FileOf(const std::string& name) { return name + kSaveEnding; }

int ReadDialogKey(Console& console) { return console.ReadKey(WaitKind::kChoice); }

// Answers compare in lower case; a name keeps the letters as typed.
int LowerKey(int key) {
  return key < 256 ? static_cast<unsigned char>(LowerCase(std::string(1, static_cast<char>(key)))[0]) : key;
}

// "Verzeichnis: " and as much of the directory as fits the row, its end kept.
std::string DirectoryLine() {
  std::error_code error;
  std::string directory = Cp850(std::filesystem::current_path(error).string());
  if (error) directory = ".";
  const std::string label = "Verzeichnis: ";
  const size_t room = kScreenCols - (kLeftColumn - 1) - label.size();
  if (directory.size() > room) directory = "..." + directory.substr(directory.size() - (room - 3));
  return label + directory;
}

void ClearRow(Console& console, int row) { console.WriteAt(row, 1, kLightGrey, kBlack, std::string(kScreenCols, ' ')); }

// Title, directory and, with a full list, the note that there may be more.
void DrawHeading(const GameSession& session, Console& console, const char* title, size_t saves, const char* more_note) {
  console.WriteAt(kTitleRow, kLeftColumn, kWhite, session.accent_colour, title);
  console.WriteAt(kDirectoryRow, kLeftColumn, kLightGrey, kBlack, DirectoryLine());
  if (saves < kMostSaves) return;
  console.WriteAt(kTooManyRow, kLeftColumn, kLightGrey, kBlack,
                  Cp850("Achtung: Das Programm kann maximal 50 Spielstände verwalten."));
  console.WriteAt(kTooManyRow + 1, 1, kLightGrey, kBlack, Cp850(more_note));
}

// The saves in a framed box, eight at a time, the selected one highlighted
// and marked with ">".
class SaveListBox {
 public:
  SaveListBox(const GameSession& session, Console& console, const std::vector<std::string>& names)
      : session_(session), console_(console), names_(names) {}

  bool Empty() const { return names_.empty(); }
  int Selected() const { return selected_; }
  const std::string& SelectedName() const { return names_[static_cast<size_t>(selected_)]; }

  void Select(int index) {
    selected_ = index;
    if (selected_ >= 0) {
      top_ = std::min(top_, selected_);
      top_ = std::max(top_, selected_ - (kVisibleEntries - 1));
    }
    Draw();
  }
  void Next() { Select(std::min(selected_ + 1, static_cast<int>(names_.size()) - 1)); }
  void Previous() { Select(std::max(selected_ - 1, 0)); }

  void Draw() {
    constexpr size_t kInside = kLongestName + 2;
    const std::string rule(kInside, Cp850("─")[0]);
    const std::string side = Cp850("│");
    console_.WriteAt(kListRow, kListColumn, kLightGrey, kBlack, Cp850("┌") + rule + Cp850("┐"));
    for (int line = 0; line < kVisibleEntries; ++line) {
      const int row = kListRow + 1 + line;
      const int index = top_ + line;
      const bool selected = index == selected_;
      // The mark shows the selection where colours do not (line mode).
      std::string entry =
          index < static_cast<int>(names_.size()) ? (selected ? ">" : " ") + names_[static_cast<size_t>(index)] : "";
      entry.resize(kInside, ' ');
      console_.WriteAt(row, kListColumn, kLightGrey, kBlack, side);
      console_.WriteAt(row, kListColumn + 1, selected ? kWhite : kLightGrey, selected ? session_.accent_colour : kBlack,
                       entry);
      console_.WriteAt(row, kListColumn + 1 + static_cast<int>(kInside), kLightGrey, kBlack, side);
    }
    console_.WriteAt(kListRow + 1 + kVisibleEntries, kListColumn, kLightGrey, kBlack, Cp850("└") + rule + Cp850("┘"));
  }

 private:
  const GameSession& session_;
  Console& console_;
  const std::vector<std::string>& names_;
  int selected_ = -1;
  int top_ = 0;
};

// Leaves the dialog for the game screen: cleared, with one line at row 5.
TurnEnd CloseDialog(Console& console, int colour, const std::string& message) {
  console.SetColours(kLightGrey, kBlack);
  console.Clear();
  console.EndFullScreen();
  console.SetCursor(5, 1);
  WriteLine(console, colour, message);
  return TurnEnd::kTopOfTurn;
}

void OpenDialog(Console& console) {
  console.SetColours(kLightGrey, kBlack);
  console.Clear();
  console.BeginFullScreen();
}

// --- Saving ----------------------------------------------------------------

class SaveDialog {
 public:
  SaveDialog(GameSession& session, Console& console, const std::vector<std::string>& saves)
      : session_(session), console_(console), saves_(saves), list_(session, console, saves) {}

  // The chosen name, or nothing when the player gave up.
  std::optional<std::string> Run() {
    Draw();
    for (;;) {
      const std::optional<std::string> target = ChooseTarget();
      if (!target) return std::nullopt;
      if (!Exists(FileOf(*target)) || Overwrite(*target)) return target;
    }
  }

 private:
  // Anything of that name counts, a directory or a broken link too.
  static bool Exists(const std::string& path) {
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::not_found;
  }

  void Draw() {
    DrawHeading(session_, console_, "SPIELSTAND SPEICHERN", saves_.size(),
                "    Möglicherweise sind bereits mehr als 50 Spielstände gespeichert.");
    console_.WriteAt(kListRow, kLeftColumn, kLightGrey, kBlack, "Vorhanden:");
    list_.Draw();
    DrawName();
    if (list_.Empty()) {
      console_.WriteAt(kSaveHelpRow, kLeftColumn, kLightGrey, kBlack,
                       Cp850("Gib einen Namen ein und bestätige mit <Enter>. <Escape> zum Abbruch."));
    } else {
      console_.WriteAt(kSaveHelpRow, kLeftColumn, kLightGrey, kBlack,
                       Cp850("Gib einen Namen ein oder wähle mit den Pfeiltasten (oder +/-) einen "));
      console_.WriteAt(kSaveHelpRow + 1, 1, kLightGrey, kBlack,
                       Cp850("    vorhandenen Spielstand und bestätige mit <Enter>. <Escape> zum Abbruch."));
    }
  }

  void DrawName() {
    std::string field = "Name:     " + name_ + "<";
    field.resize(10 + kLongestName + 1, ' ');
    console_.WriteAt(kNameRow, kLeftColumn, kLightGrey, kBlack, field);
  }

  // Reads keys until a name is entered or chosen from the list.
  std::optional<std::string> ChooseTarget() {
    for (;;) {
      const int key = ReadDialogKey(console_);
      if (key == key::kEscape) return std::nullopt;
      if (list_.Selected() >= 0) {
        if (key == key::kDown || key == key::kPlus) {
          list_.Next();
        } else if (key == key::kUp || key == key::kMinus) {
          if (list_.Selected() == 0) {
            list_.Select(-1);
          } else {
            list_.Previous();
          }
        } else if (key == key::kEnter) {
          return list_.SelectedName();
        } else if (IsNameCharacter(key) || key == key::kBackspace) {
          // Typing goes back to the name field.
          list_.Select(-1);
          EditName(key);
        }
        continue;
      }
      if ((key == key::kDown || key == key::kPlus) && !list_.Empty()) {
        name_.clear();
        DrawName();
        list_.Select(0);
      } else if (key == key::kEnter && !name_.empty()) {
        return name_;
      } else {
        EditName(key);
      }
    }
  }

  void EditName(int key) {
    if (IsNameCharacter(key) && name_.size() < kLongestName) {
      name_ += static_cast<char>(key);
    } else if (key == key::kBackspace && !name_.empty()) {
      name_.pop_back();
    }
    DrawName();
  }

  // The target exists: j overwrites it, n goes back to choosing.
  bool Overwrite(const std::string& target) {
    console_.WriteAt(kQuestionRow, kLeftColumn, kLightGrey, kBlack,
                     Cp850("Der Spielstand existiert bereits. Überschreiben (j/n)?"));
    if (std::find(saves_.begin(), saves_.end(), target) == saves_.end()) {
      console_.WriteAt(kWarningRow, kLeftColumn, kYellow, kBlack,
                       Cp850("Achtung! Die Datei existiert, gehört aber nicht zu diesem Spiel."));
      console_.WriteAt(kQuestionRow, 53, kYellow, kBlack, "(j/n)");
    }
    for (;;) {
      const int key = LowerKey(ReadDialogKey(console_));
      if (key == 'j') return true;
      if (key == 'n') break;
    }
    ClearRow(console_, kQuestionRow);
    ClearRow(console_, kWarningRow);
    list_.Select(-1);
    return false;
  }

  GameSession& session_;
  Console& console_;
  const std::vector<std::string>& saves_;
  SaveListBox list_;
  std::string name_;
};

// --- Loading ---------------------------------------------------------------

// The save chosen, or nothing when the player gave up or there is none.
std::optional<std::string> ChooseSaveToLoad(GameSession& session, Console& console,
                                            const std::vector<std::string>& saves) {
  DrawHeading(session, console, "SPIELSTAND LADEN", saves.size(),
              "    Möglicherweise sind mehr als 50 Spielstände gespeichert.");
  console.WriteAt(kListRow, kLeftColumn, kLightGrey, kBlack, " Laden:   ");
  SaveListBox list(session, console, saves);
  list.Select(saves.empty() ? -1 : 0);
  console.WriteAt(kLoadHelpRow, 1, kLightGrey, kBlack,
                  Centre(saves.empty() ? "Es wurde kein Spielstand gefunden. <Escape> zum Abbruch."
                                       : "Benutze die Pfeiltasten (oder +/-) und <Enter>, <Escape> zum Abbruch."));
  for (;;) {
    const int key = ReadDialogKey(console);
    if (key == key::kEscape) return std::nullopt;
    if (key == key::kEnter) {
      if (list.Selected() < 0) return std::nullopt;
      return list.SelectedName();
    }
    if (list.Empty()) continue;
    if (key == key::kDown || key == key::kPlus) list.Next();
    if (key == key::kUp || key == key::kMinus) list.Previous();
  }
}

}  // namespace

std::vector<std::string> ScanSaves() {
  std::vector<std::string> candidates;
  std::error_code error;
  for (std::filesystem::directory_iterator entry(".", error), end; !error && entry != end; entry.increment(error)) {
    const std::string file = entry->path().filename().string();
    if (!file.ends_with(kSaveEnding)) continue;
    const std::string name = file.substr(0, file.size() - 4);
    if (IsSaveName(name)) candidates.push_back(name);
  }
  std::sort(candidates.begin(), candidates.end());
  std::vector<std::string> saves;
  for (const std::string& name : candidates) {
    if (saves.size() == kMostSaves) break;
    if (ReadSaveMarker(FileOf(name)) == kSaveVersion) saves.push_back(name);
  }
  return saves;
}

TurnEnd SaveGame(GameSession& session, Console& console) {
  OpenDialog(console);
  const std::vector<std::string> saves = ScanSaves();
  SaveDialog dialog(session, console, saves);
  const std::optional<std::string> name = dialog.Run();
  if (!name) return CloseDialog(console, kLightGrey, "[Abbruch, kein Spielstand gespeichert.]");
  WriteSave(FileOf(*name), session);
  return CloseDialog(console, kLightGrey, "Spielstand '" + Capitalise(*name) + "' wurde gespeichert.");
}

TurnEnd LoadGame(GameSession& session, Console& console) {
  OpenDialog(console);
  const std::vector<std::string> saves = ScanSaves();
  const std::optional<std::string> name = ChooseSaveToLoad(session, console, saves);
  if (!name) return CloseDialog(console, kLightGrey, "[Abbruch, kein Spielstand geladen.]");
  if (!ReadSave(FileOf(*name), session)) {
    return CloseDialog(console, kYellow,
                       "Abbruch! Der Spielstand entspricht nicht dem Format dieser Version des Spiels!");
  }
  CloseDialog(console, kLightGrey, "Spielstand '" + Capitalise(*name) + "' wurde geladen.");
  // The turn loop's bookkeeping starts afresh from the loaded moves.
  session.last_ambience_move = session.move_count;
  session.frog_lament_shown = 0;
  session.hare_seen = 0;
  session.first_prompt_done = 1;
  // The player sees where the game goes on.
  console.LineEnd();
  DescribeRoomInFull(session, console);
  return TurnEnd::kTopOfTurn;
}
