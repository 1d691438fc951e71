#pragma once
#include <array>
#include <cstdint>

// The computer's pattern rules, as data. Each block names a local arrangement around a start
// cell (x, y) of colour c, the target cell that arrangement wants filled with c, and which stones
// of colour c in the target's row may be carried there. computer.cpp runs them in table order.
namespace computer {

// What one cell of a pattern must hold, relative to the start cell. B is the board, W the
// working copy with its reservation (-3) and pair (-2) marks.
enum class Test : uint8_t {
    none,            // unused slot
    same,            // B = c
    stone_not_c,     // B a stone (1..99) other than c
    not_c,           // B other than c, any value
    still_not_c,     // B other than c and below 100
    empty,           // B = 0
    w_not_reserved,  // W not -3
    w_lone,          // W > 0
    w_zero,          // W = 0
};

struct CellTest {
    int8_t dx = 0, dy = 0;
    Test test = Test::none;
};

// Which strength value opens a block: taktik_an or taktik_chance.
enum class Gate : uint8_t { on, chance };

// How a block accepts a candidate.
enum class Kind : uint8_t {
    R,  // refuses the last exchange while getauscht, and pushing a reserved stone aside
    M,  // refuses the last exchange while getauscht
    P,  // accepts at once, clears getauscht, keeps the last target
    N,  // stops at a marked neighbour, leaves the last target and getauscht alone
};

// Candidate filters (B(k, r) = c is always required, except for kEmptyBeside).
enum Filter : uint16_t {
    kRests = 1 << 0,        // B(k, r + 1) is a stone; the floor counts
    kNotReserved = 1 << 1,  // W(k, r) not -3
    kLone = 1 << 2,         // W(k, r) > 0
    kNotTx = 1 << 3,        // k is not the target column
    kNotX = 1 << 4,         // k is not the start column
    kNotPair = 1 << 5,      // k is neither x nor x + 1
    kOnlyTx = 1 << 6,       // k is the target column, and the cell under the candidate has an
                            // empty neighbour left or right
    kEmptyBeside = 1 << 7,  // the candidate is the empty cell right of the target, else left of it
};

struct Block {
    Gate gate;
    int8_t y_first, y_last;  // start rows, scanned from y_first to y_last
    int8_t x_last;           // 0: start columns 1..spalten; else from spalten down to x_last
    std::array<CellTest, 5> pattern;
    int8_t tx_dx;  // target column relative to x
    int8_t r_dy;   // first candidate row relative to y
    int8_t r_top;  // 0: only that row; else rows upward to this one
    uint16_t filter;
    int8_t target_dy;  // the exchange row relative to the candidate row
    Kind kind;
};

inline constexpr int kBlocks = 26;
// Blocks 1 to 20 run before the pair marks are made, 21 to 26 after them.
inline constexpr int kFirstPairBlock = 21;

using enum Test;
using enum Gate;
using enum Kind;

// clang-format off
inline constexpr std::array<Block, kBlocks> kBlockTable{{
    // Blocks 1-8: one foreign stone between equal stones of a column; a stone c in its place
    // (or at the free end) makes four or five.
    /* 1 */ {on, 18, 6, 0, {{{0, -1, same}, {0, -2, stone_not_c}, {0, -3, same}, {0, -4, not_c}}},
             0, -4, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 2 */ {on, 18, 6, 0, {{{0, -1, same}, {0, -2, stone_not_c}, {0, -3, not_c}, {0, -4, same}}},
             0, -3, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 3 */ {on, 2, 14, 0, {{{0, 1, same}, {0, 2, stone_not_c}, {0, 3, same}, {0, 4, not_c}}},
             0, 4, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 4 */ {on, 2, 14, 0, {{{0, 1, same}, {0, 2, stone_not_c}, {0, 3, not_c}, {0, 4, same}}},
             0, 3, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 5 */ {on, 18, 5, 0, {{{0, -1, same}, {0, -2, stone_not_c}, {0, -3, same}}},
             0, -2, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 6 */ {on, 18, 5, 0, {{{0, -1, stone_not_c}, {0, -2, same}, {0, -3, same}}},
             0, -1, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 7 */ {on, 18, 5, 0, {{{0, -1, stone_not_c}, {0, -2, same}, {0, -3, not_c},
                            {0, 0, w_not_reserved}, {0, -2, w_not_reserved}}},
             0, -3, 0, kRests | kNotReserved | kNotTx, 0, R},
    /* 8 */ {on, 18, 5, 0, {{{0, -1, same}, {0, -2, stone_not_c}, {0, -3, not_c},
                            {0, 0, w_not_reserved}, {0, -1, w_not_reserved}}},
             0, -3, 0, kRests | kNotReserved | kNotTx, 0, R},
    // Blocks 9-10: the hole in c c _ c, filled from a higher row down the empty column.
    /* 9 */ {on, 3, 18, 0, {{{1, 0, same}, {2, 0, empty}, {3, 0, same}}},
             2, -1, 2, kRests, 0, P},
    /* 10 */ {on, 3, 18, 3, {{{-1, 0, same}, {-2, 0, empty}, {-3, 0, same}}},
             -2, -1, 2, kRests, 0, P},
    // Blocks 11-20: a pair and the cell that makes it three.
    /* 11 */ {chance, 2, 16, 0, {{{0, 1, same}, {0, 2, still_not_c}}},
             0, 2, 0, 0, 0, M},
    /* 12 */ {chance, 18, 3, 0, {{{0, -1, still_not_c}, {0, -2, same}}},
             0, -1, 0, kRests, 0, M},
    /* 13 */ {chance, 18, 4, 0, {{{0, -1, same}, {0, -2, stone_not_c}, {0, -3, same}}},
             0, -2, 0, kEmptyBeside, 0, M},
    /* 14 */ {chance, 18, 4, 0, {{{0, -1, stone_not_c}, {0, -2, same}, {0, -3, same}}},
             0, -1, 0, kEmptyBeside, 0, M},
    /* 15 */ {chance, 18, 4, 0, {{{0, -1, same}, {0, -2, still_not_c}}},
             0, -2, 0, kRests, 0, M},
    /* 16 */ {chance, 18, 4, 0, {{{0, -1, same}, {0, -2, empty}}},
             0, -2, 2, kRests | kNotTx, 0, M},
    /* 17 */ {chance, 18, 4, 0, {{{0, -1, same}, {0, -2, not_c}}},
             0, -2, 2, kRests | kOnlyTx, 1, M},
    /* 18 */ {chance, 2, 18, 0, {{{1, 0, same}, {2, 0, still_not_c}}},
             0, 0, 0, kRests | kNotReserved | kNotPair, 0, M},
    /* 19 */ {chance, 3, 18, 0, {{{1, 0, same}, {2, 0, empty}}},
             2, -1, 2, kRests | kNotReserved, 0, M},
    /* 20 */ {chance, 3, 18, 3, {{{-1, 0, same}, {-2, 0, empty}}},
             -2, -1, 2, kRests | kNotReserved, 0, M},
    // Blocks 21-26: a lone stone and a lone stone of its colour brought beside it.
    /* 21 */ {chance, 2, 17, 0, {{{0, 0, w_lone}, {0, 1, not_c}, {0, 1, w_lone}}},
             0, 1, 0, kLone, 0, N},
    /* 22 */ {chance, 18, 3, 0, {{{0, 0, w_lone}, {0, -1, not_c}, {0, -1, w_lone}}},
             0, -1, 0, kLone | kRests, 0, N},
    /* 23 */ {chance, 18, 3, 0, {{{0, 0, w_lone}, {0, -1, empty}}},
             0, -1, 3, kLone | kRests, 0, N},
    /* 24 */ {chance, 2, 18, 0, {{{0, 0, w_lone}, {1, 0, not_c}, {1, 0, w_lone}}},
             0, 0, 0, kLone | kRests | kNotX, 0, N},
    /* 25 */ {chance, 3, 18, 0, {{{1, 0, empty}}},
             1, -1, 2, kLone | kRests | kNotX, 0, N},
    /* 26 */ {chance, 3, 18, 2, {{{-1, 0, not_c}, {-1, 0, w_zero}}},
             -1, -1, 2, kLone | kRests | kNotX, 0, N},
}};
// clang-format on

// Every block may run.
inline constexpr uint32_t kAllBlocks = (1u << kBlocks) - 1;

// wohin2 with only the blocks whose bit (block n: bit n - 1) is set allowed to run; the others
// still draw their gate value. Tests use it to show which block finds a target.
void wohin2_with(uint32_t allowed_blocks);

}  // namespace computer
