#pragma once
#include <cstdint>

// The procedures of the game screen, by what they do.

// Drawing (renderer.cpp): compose a board with its cursor (flag 1) and show rows 2..18.
void zeichne_spielfeld(int16_t flag);
void zeichne_spielfeld2(int16_t flag);

// Game loop (game_loop.cpp).
void spiel_lauft();
void waiting();
void schneller_oder_nicht();

// Gravity (gravity.cpp): one tick of a board.
void fall_down();
void fall_down2();

// New stones (new_stones.cpp): ii 0 a stone of the sequence, 1 blockstein, 2 reihenstein, 3 kreuzstein.
void neuer_stein1(int16_t ii);
void neuer_stein2(int16_t ii);
void Spielfeld_voll();
void Spielfeld_voll2();

// Group check and scoring (groups.cpp).
void spielfeld_pruefen();
void spielfeld_pruefen2();

// The computer's choice of swap (computer.cpp): sets ziel_x, ziel_y.
void wohin2();

// Attack-stone meters (meter.cpp).
void delete_one();
void delete_one2();
void counting();
void counting2();
// Draws both meters from their values as they stand, without a tick.
void draw_meters();

// Popup (popup.cpp), panels (panels.cpp), clock (clock_panel.cpp).
void show_points(int16_t Index, int16_t index2);
void show_score();
void show_speed();
void show_speed2();
void show_level();
void show_uhr();

// Level end (level_end.cpp) and game over (game_over.cpp).
void next_level();
void spielende();
