#pragma once
#include <string>

#include "runtime/test_backend.h"

// Where the player clicks the menu's buttons (their centres on the 800 × 600 screen).
namespace menu_spot {
constexpr int kStart[2] = {397, 559};
constexpr int kHighscore[2] = {205, 559};
constexpr int kHelp[2] = {597, 559};
constexpr int kHelpOk[2] = {723, 559};
constexpr int kClose[2] = {788, 12};
constexpr int kBackground[2] = {400, 480};
// The option buttons, top to bottom: difficulty at x 197, play time at x 597.
constexpr int kOptionTop[3] = {271, 310, 351};
constexpr int kDifficultyX = 197, kPlayTimeX = 597;
}  // namespace menu_spot

// The game settings as the start procedure sets them: difficulty 2, ten minutes.
void use_start_settings();
// Types a name as key taps: capitals and spaces, then Enter.
void type_name(rt::TestBackend& backend, const std::string& name);
// Starts a game the way a player does: clicks Start in the menu, types the name, presses Enter.
void start_from_menu(rt::TestBackend& backend, const std::string& name = "TESTER");
