#pragma once
#include <cstdint>
#include <string>

// Start, hand-over and shutdown (main_procedures.cpp).
void Main();
// The way to the next game after OK on the high-score screen; the game runs inside this call.
void neues_spiel_starten();
[[noreturn]] void programm_beenden();
// A game's way in with the chosen settings, up to its loop: set up, clock shown, stone
// sequence drawn, pointer parked, game screen shown over the menu, the panels redrawn when
// asked, both boards cleared and filled with their start rows, the rows built up on screen,
// both boards drawn.
void open_game(bool redraw_panels = false);

// Game set-up (game_setup.cpp) and its tables (tables.cpp).
void spiel_initialisieren();
void tempo_tabelle_setzen();
void level_werte_setzen();
void steinfolge_erzeugen();
// Scale of the meters and board width for the current column count (also at a level end).
void set_column_values();
// Sizes both boards' boxes to spielfeld_breite and centres boards and meters on x = 200 and x = 600.
void place_boards();

// Display mode and sound bank (display_mode.cpp, sound_bank.cpp).
void aufloesung_setzen(float breite, float hoehe);
void create_sound_device();
void sound_laden(const std::string& datei, int16_t nummer);
void release_sounds();
// Plays a sound slot once, without looping and without waiting.
void play_sound(int16_t slot);

// High-score store (highscores.cpp): the nine lists from and to "highscore.dat" in the
// program's folder; without that file the default lists stand and nothing is written.
void highscore_laden();
void highscore_speichern();

// Start-row animation (start_rows.cpp).
void startreihen_aufbauen();
