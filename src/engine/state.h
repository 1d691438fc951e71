#pragma once
#include <cstdint>
#include <type_traits>

#include "engine/board.h"

// The play engine's state beside the boards. Every global once, as in frame/state.h: the list
// defines them below, and reset_program_state (frame/state.cpp) puts them back from it.
// clang-format off
#define ZANDORIX_ENGINE_GLOBALS(X)                                                                  \
    X(spielfeld, spielfeld1,) X(spielfeld, spielfeld2,)                                             \
    X(spielfeld, blink_zaehler1,) X(spielfeld, blink_zaehler2,)                                     \
                                                                                                    \
    X(int16_t, pos_x1, = 0) X(int16_t, pos_y1, = 0) X(int16_t, pos_x2, = 0) X(int16_t, pos_y2, = 0) \
    X(int16_t, ziel_x, = 0) X(int16_t, ziel_y, = 0)                                                 \
    X(int16_t, letztes_ziel_x, = 0) X(int16_t, letztes_ziel_y, = 0)                                 \
    X(int16_t, getauscht, = 0)                                                                      \
    X(int16_t, neu_zeichnen, = 0)                                                                   \
                                                                                                    \
    /* 352 while the player leads, 416 while the computer leads, 0 before the first group. */       \
    X(int16_t, fuehrung, = 0)                                                                       \
    X(int16_t, gruppen1, = 0) X(int16_t, gruppen2, = 0)                                             \
                                                                                                    \
    /* Attack-stone meters. */                                                                      \
    X(double, stand1, = 0) X(double, stand2, = 0)                                                   \
    X(double, schwelle1, = 0) X(double, schwelle2, = 0)                                             \
    X(double, zuwachs1, = 0) X(double, zuwachs2, = 0)                                               \
    X(int16_t, zaehl_intervall1, = 0) X(int16_t, zaehl_intervall2, = 0)                             \
                                                                                                    \
    /* The points and seconds popup over the player's board. */                                     \
    X(int16_t, popup_art, = 0) X(int16_t, popup_sekunden, = 0)                                      \
    X(double, popup_punkte, = 0) X(double, popup_zeit, = 0)                                         \
    X(int16_t, popup_x, = 0) X(int16_t, popup_y, = 0)                                               \
                                                                                                    \
    /* Full-board penalty given, and each board's fill percentage at its last new stone. */         \
    X(int16_t, voll1, = 0) X(int16_t, voll2, = 0)                                                   \
    X(int16_t, fuellung1, = 0) X(int16_t, fuellung2, = 0)                                           \
                                                                                                    \
    /* Millisecond time at which the current clock second began. */                                 \
    X(uint32_t, uhr_start, = 0)
// clang-format on

#define ZANDORIX_DEFINE(type, name, start) inline std::type_identity_t<type> name start;
ZANDORIX_ENGINE_GLOBALS(ZANDORIX_DEFINE)
#undef ZANDORIX_DEFINE
