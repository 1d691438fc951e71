#pragma once
#include <cstdint>

#include "engine/board.h"

// The play engine's state beside the boards.
inline spielfeld spielfeld1, spielfeld2;
inline spielfeld blink_zaehler1, blink_zaehler2;

inline int16_t pos_x1 = 0, pos_y1 = 0, pos_x2 = 0, pos_y2 = 0;
inline int16_t ziel_x = 0, ziel_y = 0;
inline int16_t letztes_ziel_x = 0, letztes_ziel_y = 0;
inline int16_t getauscht = 0;
inline int16_t neu_zeichnen = 0;

// 352 while the player leads, 416 while the computer leads, 0 before the first group.
inline int16_t fuehrung = 0;
inline int16_t gruppen1 = 0, gruppen2 = 0;

// Attack-stone meters.
inline double stand1 = 0, stand2 = 0;
inline double schwelle1 = 0, schwelle2 = 0;
inline double zuwachs1 = 0, zuwachs2 = 0;
inline int16_t zaehl_intervall1 = 0, zaehl_intervall2 = 0;

// The points and seconds popup over the player's board.
inline int16_t popup_art = 0, popup_sekunden = 0;
inline double popup_punkte = 0, popup_zeit = 0;
inline int16_t popup_x = 0, popup_y = 0;

// Full-board penalty given, and each board's fill percentage at its last new stone.
inline int16_t voll1 = 0, voll2 = 0;
inline int16_t fuellung1 = 0, fuellung2 = 0;

// Millisecond time at which the current clock second began.
inline uint32_t uhr_start = 0;
