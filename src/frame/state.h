#pragma once
#include <array>
#include <cstdint>
#include <string>

// Game settings, the game's set-up values, its tables and the hand-over flags. They live as long
// as the program. Truth values are 16-bit integers: -1 true, 0 false.
constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

inline std::string sound_pfad;
inline float alte_breite = 0, alte_hoehe = 0;

inline int16_t schwierigkeit = 0, hs_schwierigkeit = 0;
inline int16_t spielzeit_wahl = 0, hs_spielzeit = 0;
inline int16_t restzeit = 0;
inline double uhr_rest = 0;
inline int16_t spiel_beendet = kFalse;
inline double spielsekunden = 0;
inline int16_t start_signal = kFalse;
// Games started so far: a Start whose name entry outlived the start of another game has had
// its turn and starts none (menu_screen.cpp).
inline int games_started = 0;

inline int16_t spalten = 0, stein_arten = 0, start_reihen = 0, spielfeld_breite = 0;
inline int16_t tempo_klasse = 0, tempo_stufe1 = 0, tempo_stufe2 = 0;
inline int16_t intervall1 = 0, intervall2 = 0;
inline int16_t computer_level = 0;
inline double level = 0;
inline double gesamtpunkte = 0;

inline int16_t gruppen_ziel = 0;
inline float balken_schritt = 0;
inline double balken_pos = 0;
inline double skala = 0;

// Speed table, by (tempo_klasse, step), both 1..3.
inline int16_t tempo[4][4] = {};
inline int16_t fall_intervall = 0;
inline double zuwachs_beschl = 0;
inline double zuwachs_start = 0;

// The computer's values for its level.
inline int16_t zug_intervall = 0, zug_intervall_kurz = 0;
inline double zug_frueh_chance = 0;
inline double zug_chance = 0, taktik_chance = 0;
inline int16_t taktik_an = 0;
inline int16_t tempo_schwellen[4] = {};

// The shared stone sequence (entries 1..1000) and each board's pointer into it (1 and 2).
inline int16_t folge[1001] = {};
inline int16_t folge_spalte[1001] = {};
inline int16_t folge_zeiger[3] = {};

// High-score tables by (place 0..21, difficulty 0..3, play time 0..3).
inline double hs_punkte[22][4][4] = {};
inline std::string hs_name[22][4][4];
inline std::string hs_zeit[22][4][4];
inline std::string hs_level[22][4][4];

inline std::string spieler_name;
inline int16_t neuer_rang = 0;
inline int16_t eingabe_fertig = kFalse;

// Puts every global of the program back to its state at program start (tests).
void reset_program_state();
