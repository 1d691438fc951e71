#include <algorithm>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/text.h"

namespace {
// At the level end that reaches `level`, the variable takes `value`.
struct LevelStep {
    int level;
    int16_t value;
};
using Steps = std::vector<LevelStep>;

// How each difficulty gets harder with the levels.
struct LevelTable {
    Steps stein_arten, spalten, tempo_klasse, computer_level;
};

const LevelTable& level_stufen(int difficulty) {
    static const LevelTable table[3] = {
        {{{8, 7}, {16, 8}, {24, 9}},
         {{15, 8}, {30, 7}, {45, 6}},
         {{15, 3}},
         {{6, 3}, {12, 4}, {18, 5}, {24, 6}, {30, 7}}},
        {{{6, 8}, {12, 9}}, {{10, 8}, {20, 7}, {30, 6}}, {{10, 3}}, {{5, 4}, {10, 5}, {15, 6}, {20, 7}}},
        {{{4, 9}}, {{7, 8}, {14, 7}, {21, 6}}, {}, {{4, 5}, {8, 6}, {12, 7}}},
    };
    return table[std::clamp(difficulty, 1, 3) - 1];
}

// Equality tests only: each change happens once, at the level end that reaches its level.
void apply(const Steps& steps, int16_t& variable) {
    for (const LevelStep& step : steps)
        if (level == step.level) variable = step.value;
}

// The winner loses its lowest attack stones first, left to right within a row; the
// column count is still the finished level's.
void clear_attack_stones(BoardSide& winner) {
    int cleared = 0;
    for (int y = 18; y >= 2; --y)
        for (int x = 1; x <= spalten; ++x)
            if (winner.board(x, y) == feldwert::blockstein && cleared < spalten - 2) {
                winner.board(x, y) = feldwert::verschwinden;
                play_sound(4);
                ++cleared;
            }
}

// Seconds by the winner's share of the level's groups: 30 for all of them.
int16_t level_seconds(int16_t groups) { return to_int16(((groups * 100.0) / gruppen_ziel) * 30 / 100); }

void popup_at_player_cursor(int16_t art, int16_t seconds) {
    popup_y = pos_y1;
    popup_x = pos_x1;
    popup_zeit = 0;
    popup_art = art;
    popup_sekunden = seconds;
}

void player_wins() {
    clear_attack_stones(side1());
    popup_punkte = level * 100;
    gesamtpunkte = gesamtpunkte + popup_punkte;
    show_score();
    const int16_t seconds = level_seconds(gruppen1);
    popup_at_player_cursor(1, seconds);
    restzeit = static_cast<int16_t>(restzeit + seconds);
    play_sound(10);
}

void computer_wins() {
    clear_attack_stones(side2());
    const int16_t seconds = static_cast<int16_t>(-level_seconds(gruppen2));
    popup_at_player_cursor(2, seconds);
    restzeit = static_cast<int16_t>(restzeit + seconds);
    play_sound(9);
}

void next_level_values() {
    const LevelTable& table = level_stufen(schwierigkeit);
    apply(table.stein_arten, stein_arten);
    apply(table.spalten, spalten);
    steinfolge_erzeugen();
    balken_schritt = 416.0f / 20.0f;
    gruppen_ziel = 20;
    balken_pos = 416;
    apply(table.tempo_klasse, tempo_klasse);
    tempo_tabelle_setzen();
    intervall1 = tempo[tempo_klasse][tempo_stufe1];
    intervall2 = tempo[tempo_klasse][tempo_stufe2];
    apply(table.computer_level, computer_level);
    level_werte_setzen();
}

// A two-cell cursor must stay within the columns in play.
void keep_in_play(int16_t& x) {
    if (x >= spalten) x = static_cast<int16_t>(x - 1);
}
}  // namespace

void next_level() {
    Form1->Picture13.SetPicture(Form2->Picture13.Picture());
    Form1->Picture13.Refresh();

    if (fuehrung == 352) player_wins();
    else computer_wins();

    level = level + 1;
    next_level_values();
    build_walls();
    set_column_values();
    keep_in_play(pos_x1);
    keep_in_play(pos_x2);
    keep_in_play(ziel_x);
    place_boards();
    balken_pos = 416;
    gruppen1 = 0;
    gruppen2 = 0;
    show_level();
}
