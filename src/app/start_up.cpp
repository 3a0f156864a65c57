// The start-up: console set-up, the prologue, the title screen and the first
// room. A restart re-enters it after the console set-up.
#include "app/game.h"
#include "console/button_labels.h"
#include "console/console.h"
#include "console/status_bar.h"
#include "console/text_output.h"
#include "story/room_descriptions.h"
#include "world/encoding.h"
#include "world/random_source.h"

namespace {

constexpr std::string_view kWindowTitle = "Quendelmar - Edition 2. Eine interaktive Fabel.";

// The prologue, paragraph by paragraph; an empty text is an empty line.
constexpr std::string_view kPrologue[] = {
    "Muss deine Oma ausgerechnet heute Geburtstag haben! Schon beim Frühstück hat Mama so "
    "bedeutungsvoll gelächelt, dass dir nichts Gutes schwante.",
    "",
    "Dann hat sie dir diesen albernen Weidenkorb in die Hand gedrückt, mit Kuchen und Wein darin, "
    "und den sollst du nun zur Oma bringen. Quer durch den Wald.",
    "",
    "Aber Widerstand war wie üblich zwecklos. Und als ob das nicht reichte, sollst du unterwegs "
    "auch noch einen hübschen Blumenstrauß für die Oma pflücken.",
    "Dann hat dich Mama höflich, aber bestimmt zur Tür hinausbefohlen.",
    "",
    "Und jetzt stehst du also hier, am Waldeingang, mit einem Korb am Arm und dieser "
    "lächerlichen roten Kappe auf dem Kopf.",
    "",
};

}  // namespace

void Game::StartUp() {
  // The front ends report mouse presses from the start; nothing to switch on.
  StartUpFromStep2();
}

void Game::StartUpFromStep2() {
  GameSession& s = session_;
  console_.SetCursorVisible(false);
  s.command_history = {};
  s.map_button_labels = {};
  s.command_button_labels = {};
  s.first_prompt_done = 0;
  random_.SeedFromClock();
  s.screen_rows = 25;
  console_.SetTitle(kWindowTitle);
  FillButtonLabels(s);
  console_.Clear();
  SetInitialValues(s);

  console_.SetColours(kBlack, s.accent_colour);
  DrawStatusTemplate(s, console_);
  console_.SetColours(s.accent_colour, kBlack);
  console_.DiscardInput();
  console_.SetForeground(kLightGrey);
  console_.LineEnd();
  ++s.lines_since_pause;

  PrintPrologue();
  PrintTitleScreen();

  s.brief_mode = 1;
  s.current_room = kForestEntrance;
  s.score_notices_on = 1;
  DescribeRoom(s, console_);
}

void Game::PrintPrologue() {
  for (const std::string_view paragraph : kPrologue) PrintMessage(session_, console_, Cp850(paragraph));
  console_.SetColours(session_.accent_colour, kBlack);
  WriteLine(console_, session_.accent_colour, Centre("<Beliebige Taste>"));
  console_.ReadKey(WaitKind::kAnyKey);
}

void Game::PrintTitleScreen() {
  GameSession& s = session_;
  s.lines_since_pause = 1;
  s.input_line.clear();
  console_.Clear();
  console_.SetColours(kBlack, s.accent_colour);
  DrawStatusTemplate(s, console_);

  console_.SetColours(kLightGrey, kBlack);
  WriteLine(console_, kLightGrey, "Quendelmar - Edition 2 - vom 05.09.2018.");
  WriteLine(console_, kLightGrey, Cp850("Erdacht, geschrieben und programmiert vom Quendelmar-Team."));
  WriteLine(console_, kLightGrey, "");

  const int accent = s.accent_colour;
  const std::pair<int, std::string_view> hint[] = {
      {kLightGrey, "Tippe '"},
      {accent, "Befehle"},
      {kLightGrey, "', '"},
      {accent, "Hinweise"},
      {kLightGrey, "' und '"},
      {accent, "Maussteuerung"},
      {kLightGrey, "' für wichtige Angaben zum Spiel."},
  };
  for (const auto& [colour, piece] : hint) {
    console_.SetForeground(colour);
    console_.Write(Cp850(piece));
  }
  console_.LineEnd();
  s.lines_since_pause += 4;

  console_.SetForeground(accent);
  console_.LineEnd();
  console_.SetForeground(kLightGrey);
  console_.LineEnd();
}
