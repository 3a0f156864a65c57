// The whole state of one play-through: one plain record of named whole
// numbers and a few strings, owned by the turn loop and passed by reference.
// A default-constructed session is all zeros and empty strings, which is what
// a restart starts from; SetInitialValues() then gives a new game its values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "world/parsed_command.h"
#include "world/states.h"

class RandomSource;

struct GameSession {
  // --- Turn loop ---
  std::int16_t lines_since_pause = 0;  // lines printed since the last paging pause
  std::int16_t move_count = 0;
  std::string input_line;
  std::int16_t screen_rows = 0;  // rows assumed by the pager: 25
  int accent_colour = 0;         // colour of titles and highlights
  int more_sentences_pending = 0;
  std::string pending_sentences;
  int line_from_program = 0;  // the next turn takes input_line without a prompt
  std::string last_command_line;
  int suppress_blank_line = 0;
  int first_prompt_done = 0;
  int last_ambience_move = 0;
  int woodpecker_heard = 0;
  int hare_seen = 0;
  int frog_lament_shown = 0;
  int moves_at_prompt = 0;
  // The game's source of chance, for the answers drawn at random. Not game
  // state: the turn loop sets it at the top of every turn, and it is never
  // saved.
  RandomSource* random = nullptr;

  // --- Text output ---
  std::string message_line;  // at most 255 characters
  std::string print_text;
  int bright_text = 0;  // the newspaper article is printed in white
  int saved_cursor_row = 0;

  // --- Status bar ---
  std::string place_name;
  int score_shown = 0;
  int prolog_shown = 0;
  std::string exit_codes;

  // --- Map ---
  int map_row_shift = 0;
  int map_col_shift = 0;

  // --- Line editor and its button labels ---
  std::array<std::string, 12> command_history;  // 0 the line being edited, 1..10 the last lines
  std::array<std::string, 11> map_button_labels;
  std::array<std::string, 13> command_button_labels;

  // --- Parser: the command of this sentence, and what lives across turns ---
  ParsedCommand command;
  std::string last_named_object;
  int last_named_gender = 0;
  std::string referent_masc;
  std::string referent_fem;
  std::string referent_plural;
  std::string referent_neuter;
  std::string referent_last;
  int referent_last_gender = 0;
  int pronoun_note_shown = 0;
  std::string unknown_word;
  std::string unknown_word_line;
  int unknown_word_countdown = 0;
  int pending_mode = 0;
  std::string pending_completion;
  std::string context_verb;
  int context_verb_turns = 0;
  std::string addressed_person;
  int addressed_person_gender = 0;
  std::string sentence_text;    // the sentence last split off the line, as typed (lower case)
  int sentence_from_queue = 0;  // 1 while a later sentence of a typed line runs
  // Name forms of the objects for the answers, each with a trailing blank.
  std::string object1_phrase;  // "Korb ", "Spieler " for the player
  std::string object2_phrase;
  std::string object1_article;  // accusative: "den ", "die ", "das "
  std::string object2_article;
  std::string object1_dative_article;  // "dem ", "der ", "dem "
  std::string object2_dative_article;
  std::string visible_words;  // " word word ... ": what may be named here and now

  // --- Rooms ---
  int current_room = 0;
  int visited_forest_entrance = 0;
  int visited_path = 0;
  int visited_deep_forest = 0;
  int visited_bee_meadow = 0;
  int visited_well = 0;
  int visited_honey_stand = 0;
  int visited_bridge_approach = 0;
  int visited_beaver_market = 0;
  int visited_river_bank = 0;
  int visited_bridge = 0;
  int visited_house_front = 0;
  int visited_house_inside = 0;  // never set: the house is the ending
  int visited_clearing = 0;

  // --- Portable objects ---
  int basket_carried = 0;
  int basket_room = 0;
  int newspaper_carried = 0;
  int newspaper_room = 0;
  int newspaper_torn = 0;
  int newspaper_read = 0;
  int voucher_found = 0;
  int voucher_carried = 0;
  int voucher_room = 0;
  int voucher_redeemed = 0;
  int honey_jar_carried = 0;
  int honey_jar_room = 0;
  int honey_jar_state = 0;  // lid: 0 loose, 1 carried alone, 2 on the carried jar, 3 on the lying jar
  int lid_room = 0;
  int ball_state = 0;  // 3 on the well, 1 carried, 0 lying, 4 the wolf has it, 5 gone with the wolf
  int ball_room = 0;
  int bouquet_picked = 0;
  int bouquet_carried = 0;
  int bouquet_room = 0;
  int grass_carried = 0;
  int grass_room = 0;
  int key_holder = 0;  // 0 not carried, 1 carried, 5 with the beaver
  int key_room = 0;
  int key_under_mat = 0;
  int spare_key_found = 0;
  int key_bent = 0;
  int umbrella_carried = 0;
  int umbrella_room = 0;
  int coin_state = 0;  // 0 lying or not in play, 5 in the coin return, 1 carried, 2 stuck, 99 paid
  int coin_room = 0;
  int coin_returned = 0;

  // --- Characters and scenery ---
  int wolf_gone = 0;
  int wolf_has_sheep = 0;
  int sheep_state = 0;  // 0 with the herd, 1 following, 4 shorn, 5 gone
  int sheep_room = 0;
  int frog_state = 0;  // kisses so far; 3 = a toad
  int bees_at_jar = 0;
  int beaver_present = 0;
  int bell_rung = 0;
  int repair_offered = 0;
  int door_locked = 0;
  int door_open = 0;
  int knocked = 0;
  int little_bear_seen = 0;
  int cigar_smoke_noticed = 0;
  int grasshopper_seen = 0;
  int drank_water = 0;
  int rapunzel_visible = 0;  // nothing sets it
  int ladder_hanging = 0;    // nothing sets it

  // --- Award flags ---
  int wolf_grabbed_ball = 0;
  int frog_transformed = 0;
  int honey_points_given = 0;
  int repair_points_given = 0;
  int coin_points_given = 0;
  int bees_points_given = 0;
  int key_points_given = 0;
  int sheep_points_given = 0;

  // --- Counters and settings ---
  int score = 0;
  int score_award = 0;
  int score_notices_on = 0;
  int notice_hint_shown = 0;
  int brief_mode = 0;  // 1 = full descriptions only on the first visit
  int save_format_marker = 0;
  int reserved_1 = 0;
  int reserved_2 = 0;
  int reserved_3 = 0;
  int reserved_4 = 0;
  int reserved_5 = 0;
  int reserved_6 = 0;

  bool operator==(const GameSession&) const = default;
};

// The values of a new game (all others stay 0 or empty).
void SetInitialValues(GameSession& session);

// The next turn reads `line` as if it had been typed, without a prompt and
// without the blank line before it; the rest of the typed line is dropped.
void ReadLineNext(GameSession& session, std::string line);
