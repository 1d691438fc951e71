#pragma once
#include <cstdint>
#include <string>
#include <type_traits>

// Game settings, the game's set-up values, its tables and the hand-over flags. They live as long
// as the program. Truth values are 16-bit integers: -1 true, 0 false.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// Every global once: its type, its name and its start value as an initialiser (none for a string
// or a board, which start empty). The list defines them below, and reset_program_state
// (state.cpp) puts each back to its start value from the same list.
// clang-format off
#define ZANDORIX_FRAME_GLOBALS(X)                                                                  \
    X(std::string, sound_pfad,)                                                                    \
    X(float, alte_breite, = 0) X(float, alte_hoehe, = 0)                                           \
                                                                                                   \
    X(int16_t, schwierigkeit, = 0) X(int16_t, hs_schwierigkeit, = 0)                               \
    X(int16_t, spielzeit_wahl, = 0) X(int16_t, hs_spielzeit, = 0)                                  \
    X(int16_t, restzeit, = 0)                                                                      \
    X(double, uhr_rest, = 0)                                                                       \
    X(int16_t, spiel_beendet, = kFalse)                                                            \
    X(double, spielsekunden, = 0)                                                                  \
    X(int16_t, start_signal, = kFalse)                                                             \
    /* Games started so far: a Start whose name entry outlived the start of another game has had */ \
    /* its turn and starts none (menu_screen.cpp). */                                              \
    X(int, games_started, = 0)                                                                     \
                                                                                                   \
    X(int16_t, spalten, = 0) X(int16_t, stein_arten, = 0) X(int16_t, start_reihen, = 0)            \
    X(int16_t, spielfeld_breite, = 0)                                                              \
    X(int16_t, tempo_klasse, = 0) X(int16_t, tempo_stufe1, = 0) X(int16_t, tempo_stufe2, = 0)      \
    X(int16_t, intervall1, = 0) X(int16_t, intervall2, = 0)                                        \
    X(int16_t, computer_level, = 0)                                                                \
    X(double, level, = 0)                                                                          \
    X(double, gesamtpunkte, = 0)                                                                   \
                                                                                                   \
    X(int16_t, gruppen_ziel, = 0)                                                                  \
    X(float, balken_schritt, = 0)                                                                  \
    X(double, balken_pos, = 0)                                                                     \
    X(double, skala, = 0)                                                                          \
                                                                                                   \
    /* Speed table, by (tempo_klasse, step), both 1..3. */                                         \
    X(int16_t[4][4], tempo, = {})                                                                  \
    X(int16_t, fall_intervall, = 0)                                                                \
    X(double, zuwachs_beschl, = 0)                                                                 \
    X(double, zuwachs_start, = 0)                                                                  \
                                                                                                   \
    /* The computer's values for its level. */                                                     \
    X(int16_t, zug_intervall, = 0) X(int16_t, zug_intervall_kurz, = 0)                             \
    X(double, zug_frueh_chance, = 0)                                                               \
    X(double, zug_chance, = 0) X(double, taktik_chance, = 0)                                       \
    X(int16_t, taktik_an, = 0)                                                                     \
    X(int16_t[4], tempo_schwellen, = {})                                                           \
                                                                                                   \
    /* The shared stone sequence (entries 1..1000) and each board's pointer into it (1 and 2). */  \
    X(int16_t[1001], folge, = {})                                                                  \
    X(int16_t[1001], folge_spalte, = {})                                                           \
    X(int16_t[3], folge_zeiger, = {})                                                              \
                                                                                                   \
    /* High-score tables by (place 0..21, difficulty 0..3, play time 0..3). */                     \
    X(double[22][4][4], hs_punkte, = {})                                                           \
    X(std::string[22][4][4], hs_name,)                                                             \
    X(std::string[22][4][4], hs_zeit,)                                                             \
    X(std::string[22][4][4], hs_level,)                                                            \
                                                                                                   \
    X(std::string, spieler_name,)                                                                  \
    X(int16_t, neuer_rang, = 0)                                                                    \
    X(int16_t, eingabe_fertig, = kFalse)
// clang-format on

#define ZANDORIX_DEFINE(type, name, start) inline std::type_identity_t<type> name start;
ZANDORIX_FRAME_GLOBALS(ZANDORIX_DEFINE)
#undef ZANDORIX_DEFINE

// Puts every global of the program back to its state at program start (tests).
void reset_program_state();
