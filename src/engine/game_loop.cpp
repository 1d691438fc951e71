#include "engine/game_loop.h"

#include <algorithm>
#include <utility>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"

namespace {
constexpr int16_t kNewPress = static_cast<int16_t>(0x8001);

// A key counts only when it is down and was pressed since its previous poll.
bool new_press(int key) { return GetAsyncKeyState(key) == kNewPress; }

// Milliseconds since a step time; unsigned arithmetic keeps it right across the counter's wrap.
int64_t since(uint32_t t) { return static_cast<uint32_t>(timeGetTime() - t); }

// Every timed step waits for more than its interval.
bool due(uint32_t t, int interval) { return since(t) > interval; }

void set_speed_step(int step) {
    tempo_stufe1 = static_cast<int16_t>(std::clamp(step, 1, 3));
    intervall1 = tempo[tempo_klasse][tempo_stufe1];
    show_speed();
}

void cursor_step(int16_t& pos, int delta, bool allowed) {
    if (!allowed) return;
    pos = static_cast<int16_t>(pos + delta);
    play_sound(0);
    neu_zeichnen = kTrue;
}

// Both cells under a cursor must be still to be swapped.
bool swap_under_cursor(spielfeld& board, int x, int y) {
    if (!feldwert::still(board(x, y)) || !feldwert::still(board(x + 1, y))) return false;
    play_sound(2);
    std::swap(board(x, y), board(x + 1, y));
    neu_zeichnen = kTrue;
    return true;
}

void player_keys() {
    if (new_press(vk::PageUp)) set_speed_step(tempo_stufe1 + 1);
    if (new_press(vk::PageDown)) set_speed_step(tempo_stufe1 - 1);
    if (new_press(vk::P)) waiting();
    if (new_press(vk::Escape)) programm_beenden();
    if (new_press(vk::Up)) cursor_step(pos_y1, -1, pos_y1 > 2);
    if (new_press(vk::Down)) cursor_step(pos_y1, +1, pos_y1 < 18);
    if (new_press(vk::Right)) cursor_step(pos_x1, +1, pos_x1 < spalten - 1);
    if (new_press(vk::Left)) cursor_step(pos_x1, -1, pos_x1 > 1);
    if (new_press(vk::Space) && swap_under_cursor(spielfeld1, pos_x1, pos_y1)) spielfeld_pruefen();
}

void computer_tick(StepTimes& t) {
    // The early chance is drawn on every pass, whether or not the tick is due anyway.
    const bool early = Rnd() < zug_frueh_chance;
    if (!due(t.computer, zug_intervall) && !(early && due(t.computer, zug_intervall_kurz))) return;
    if (Rnd() < zug_chance) {
        wohin2();
        computer_move();
    }
    schneller_oder_nicht();
    t.computer = timeGetTime();
}

// The progress column creeps one pixel per gravity tick toward the side that leads.
void slide_progress_column() {
    rt::PictureBox& column = Form1->Picture13;
    const double left = column.Left;
    if (left > fuehrung && fuehrung == 352) column.Left = left - 1;
    else if (left < fuehrung && fuehrung == 416) column.Left = left + 1;
    else return;
    column.Refresh();
}

// The clock counts whole seconds; what a pass overran a second by is carried into the next.
void clock_second() {
    const uint32_t now = timeGetTime();
    const double elapsed = static_cast<double>(static_cast<uint32_t>(now - uhr_start));
    const double threshold = 1000 - uhr_rest;
    if (elapsed < threshold) return;
    restzeit = static_cast<int16_t>(restzeit - 1);
    uhr_rest = elapsed - threshold;
    uhr_start = now;
    show_uhr();
    if (restzeit <= 0) spielende();
}
}  // namespace

void computer_move() {
    if (ziel_x < 0) return;
    if (ziel_x >= spalten) ziel_x = static_cast<int16_t>(spalten - 1);
    // The column first, then the row; one step per tick.
    if (ziel_x > pos_x2) cursor_step(pos_x2, +1, true);
    else if (ziel_x < pos_x2) cursor_step(pos_x2, -1, true);
    else if (ziel_y > pos_y2) cursor_step(pos_y2, +1, true);
    else if (ziel_y < pos_y2) cursor_step(pos_y2, -1, true);
    if (pos_x2 != ziel_x || pos_y2 != ziel_y) return;
    if (!swap_under_cursor(spielfeld2, pos_x2, pos_y2)) return;
    getauscht = kTrue;
    spielfeld_pruefen2();
}

StepTimes loop_start() {
    neu_zeichnen = kFalse;
    uhr_start = timeGetTime();
    StepTimes t;
    t.gravity = timeGetTime();
    t.stone1 = timeGetTime();
    t.stone2 = timeGetTime();
    t.computer = timeGetTime();
    t.meter1 = timeGetTime();
    t.meter2 = timeGetTime();
    return t;
}

void loop_pass(StepTimes& t) {
    // Waits up to a millisecond when no input is pending: the loop passes some 500 to 1000
    // times a second without keeping a processor busy, and no interval loses precision.
    DoEvents();
    player_keys();
    computer_tick(t);
    if (neu_zeichnen != kFalse) {
        zeichne_spielfeld(1);
        zeichne_spielfeld2(1);
        neu_zeichnen = kFalse;
    }
    if (due(t.gravity, fall_intervall)) {
        fall_down();
        fall_down2();
        t.gravity = timeGetTime();
        slide_progress_column();
    }
    if (due(t.stone1, intervall1)) {
        neuer_stein1(0);
        t.stone1 = timeGetTime();
    }
    if (due(t.stone2, intervall2)) {
        neuer_stein2(0);
        t.stone2 = timeGetTime();
    }
    if (due(t.meter1, zaehl_intervall1)) {
        counting();
        t.meter1 = timeGetTime();
    }
    if (due(t.meter2, zaehl_intervall2)) {
        counting2();
        t.meter2 = timeGetTime();
    }
    clock_second();
}

void spiel_lauft() {
    StepTimes t = loop_start();
    while (spiel_beendet == kFalse) loop_pass(t);
}

void waiting() {
    Form1->Picture2.Visible = false;
    Form1->Refresh();
    play_sound(16);
    // Only the P key is polled: no handler runs while the game is paused. Closing the window
    // still ends the program, as it does everywhere else.
    while (!new_press(vk::P)) {
        if (rt::quit_requested()) programm_beenden();
        rt::await_input();
    }
    Form1->Picture2.Visible = true;
    Form1->Refresh();
    play_sound(16);
    Sleep(250);
    // The clock second starts afresh; the part of a second before the pause is lost.
    uhr_rest = 0;
    uhr_start = timeGetTime();
}

void schneller_oder_nicht() {
    int n = 0;
    for (int x = 1; x <= spalten; ++x)
        for (int y = 2; y <= 18; ++y) n += feldwert::settled(spielfeld2(x, y)) ? 1 : 0;
    const double p = n * 100.0 / (spalten * 17);
    // An emptier board gets its stones faster: step 3 is the shortest interval.
    if (p < tempo_schwellen[1]) intervall2 = tempo[tempo_klasse][3];
    else if (p < tempo_schwellen[2]) intervall2 = tempo[tempo_klasse][2];
    else if (p < tempo_schwellen[3]) intervall2 = tempo[tempo_klasse][1];
    show_speed2();
}
