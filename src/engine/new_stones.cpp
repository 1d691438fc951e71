#include "engine/procedures.h"
#include "engine/side.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "runtime/text.h"

namespace {
int16_t random_column() { return static_cast<int16_t>(static_cast<int>(Rnd() * static_cast<float>(spalten)) + 1); }

// A column that is not free in the entry row, or lies outside play, cannot take the stone.
bool entry_free(const spielfeld& board, int x) { return x >= 1 && x <= spalten && board(x, 1) == feldwert::leer; }

int settled_in_play(const spielfeld& board) {
    int n = 0;
    for (int x = 1; x <= spalten; ++x)
        for (int y = 2; y <= 18; ++y) n += feldwert::settled(board(x, y)) ? 1 : 0;
    return n;
}

// What the player's and the computer's full board do differently.
struct PenaltyTwin {
    int16_t first_sound;  // before the rows vanish; -1 for none
    int16_t last_sound;   // after slot 4
    int16_t seconds;      // moves the clock and is shown in the popup
    int16_t popup_kind;
};
constexpr PenaltyTwin kPlayerPenalty{-1, 9, -60, 3};
constexpr PenaltyTwin kComputerPenalty{7, 8, 60, 2};

void board_full(BoardSide& side, const PenaltyTwin& twin) {
    if (side.voll != kFalse) return;  // already given for this filling
    side.voll = kTrue;
    if (twin.first_sound >= 0) play_sound(twin.first_sound);
    for (int y = 18; y >= 12; --y)
        for (int x = 1; x <= spalten; ++x) side.board(x, y) = feldwert::verschwinden;
    play_sound(4);
    play_sound(twin.last_sound);
    restzeit = static_cast<int16_t>(restzeit + twin.seconds);
    // Either way the popup stands over the player's board, at the player's cursor.
    popup_sekunden = twin.seconds;
    popup_zeit = 0;
    popup_x = pos_x1;
    popup_y = pos_y1;
    popup_art = twin.popup_kind;
}

void new_stone(BoardSide& side, int16_t ii, void (*penalty)()) {
    spielfeld& board = side.board;
    int taken = 0;
    for (int x = 1; x <= spalten; ++x) taken += board(x, 1) != feldwert::leer ? 1 : 0;
    if (taken < spalten) {
        int16_t stone = 0;
        int16_t column = 0;
        if (ii == 0) {
            if (++side.folge_zeiger > 1000) side.folge_zeiger = 1;
            stone = folge[side.folge_zeiger];
            column = folge_spalte[side.folge_zeiger];
        } else {
            stone = static_cast<int16_t>(feldwert::blockstein + ii - 1);
            column = random_column();
        }
        while (!entry_free(board, column)) column = random_column();
        board(column, 1) = stone;
    }
    // A full entry row takes no stone, but the board is still measured.
    const int n = settled_in_play(board);
    const int cells = spalten * 17;
    if (n >= cells - 3) penalty();
    if (n < cells - 10) side.voll = kFalse;
    side.fuellung = to_int16(n * 100.0 / cells);
}
}  // namespace

void neuer_stein1(int16_t ii) { new_stone(side1(), ii, Spielfeld_voll); }

void neuer_stein2(int16_t ii) { new_stone(side2(), ii, Spielfeld_voll2); }

void Spielfeld_voll() { board_full(side1(), kPlayerPenalty); }

void Spielfeld_voll2() { board_full(side2(), kComputerPenalty); }
