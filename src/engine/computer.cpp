// The computer's choice of its next exchange on board 2: a reservation pass, the pattern blocks
// of computer_patterns.h in order, and between blocks 20 and 21 the pair pass.
#include <cassert>
#include <cstdlib>

#include "engine/computer_patterns.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
#include "runtime/system.h"

namespace computer {
namespace {

constexpr int16_t kReserved = -3;
constexpr int16_t kPair = -2;

// Everything one call keeps: the working copy, the best distance so far and the side flag.
struct Search {
    explicit Search(const spielfeld& b) : B(b) {}

    const spielfeld& B;
    int16_t vorsicht[15][20] = {};
    int16_t beste = 1000;
    // Set while the last candidate that passed a filter stood right of its target; it outlives
    // the candidate and is read again by the row-end test of the pair blocks.
    bool right_of_target = false;

    int16_t& W(int x, int y) {
        assert(x >= 0 && x < 15 && y >= 0 && y < 20);
        return vorsicht[x][y];
    }
    // Copies a board cell into the working copy unless the cell was copied or marked before.
    void copy_cell(int x, int y) {
        if (W(x, y) == 0) W(x, y) = B(x, y);
    }
};

bool is_stone(int v) { return feldwert::settled(v); }

// Three sweeps reserve the stones of almost complete columns, so that no exchange takes them.
struct ReservationSweep {
    int y_last;
    std::array<int8_t, 3> equal;   // rows relative to y holding the same value as (x, y)
    int8_t stone;                  // row relative to y that must hold a stone
    std::array<int8_t, 4> marked;  // rows relative to y that become reserved
};
constexpr std::array<ReservationSweep, 3> kReservationSweeps{{
    {5, {-1, -3, 0}, -2, {0, -1, -3, 0}},
    {5, {-2, -3, 0}, -1, {0, -2, -3, 0}},
    // The stone between the two pairs is reserved, the upper stone of the lower pair is not.
    {6, {-1, -3, -4}, -2, {0, -2, -3, -4}},
}};

void reserve_columns(Search& s) {
    for (const ReservationSweep& sweep : kReservationSweeps) {
        for (int x = 1; x <= spalten; ++x) {
            for (int y = 18; y >= sweep.y_last; --y) {
                s.copy_cell(x, y);
                // Equal values of any kind count, empty cells too.
                const int16_t v = s.B(x, y);
                bool fits = is_stone(s.B(x, y + sweep.stone));
                for (int8_t dy : sweep.equal)
                    if (s.B(x, y + dy) != v) fits = false;
                if (!fits) continue;
                for (int8_t dy : sweep.marked) s.W(x, y + dy) = kReserved;
            }
        }
    }
}

// Marks every cell equal to its neighbour below or to its right; what stays positive is a
// lone stone. Two empty cells are a pair as well.
void mark_pairs(Search& s) {
    for (int y = 2; y <= 17; ++y) {
        for (int x = 1; x <= spalten; ++x) {
            s.copy_cell(x, y);
            if (s.B(x, y + 1) == s.B(x, y)) s.W(x, y) = s.W(x, y + 1) = kPair;
        }
    }
    for (int y = 2; y <= 18; ++y) {
        for (int x = 1; x <= spalten; ++x) {
            s.copy_cell(x, y);
            if (s.B(x + 1, y) == s.B(x, y)) s.W(x, y) = s.W(x + 1, y) = kPair;
        }
    }
}

bool start_cell(int c) { return c >= 1 && c <= 99 && c != feldwert::blockstein; }

bool pattern_matches(Search& s, const Block& b, int x, int y, int c) {
    for (const CellTest& t : b.pattern) {
        const int px = x + t.dx, py = y + t.dy;
        // clang-format off
        switch (t.test) {
            case Test::none: return true;
            case Test::same: if (s.B(px, py) != c) return false; break;
            case Test::stone_not_c: if (!is_stone(s.B(px, py)) || s.B(px, py) == c) return false; break;
            case Test::not_c: if (s.B(px, py) == c) return false; break;
            case Test::still_not_c: if (s.B(px, py) == c || s.B(px, py) >= 100) return false; break;
            case Test::empty: if (s.B(px, py) != feldwert::leer) return false; break;
            case Test::w_not_reserved: if (s.W(px, py) == kReserved) return false; break;
            case Test::w_lone: if (s.W(px, py) <= 0) return false; break;
            case Test::w_zero: if (s.W(px, py) != 0) return false; break;
        }
        // clang-format on
    }
    return true;
}

// The filter of a block for a stone c at (k, r); B(k, r) = c has been tested.
bool candidate_passes(Search& s, uint16_t f, int k, int r, int x, int tx) {
    if ((f & kRests) && !is_stone(s.B(k, r + 1))) return false;
    if ((f & kNotReserved) && s.W(k, r) == kReserved) return false;
    if ((f & kLone) && s.W(k, r) <= 0) return false;
    if ((f & kNotTx) && k == tx) return false;
    if ((f & kNotX) && k == x) return false;
    if ((f & kNotPair) && (k == x || k == x + 1)) return false;
    if (f & kOnlyTx) {
        if (k != tx) return false;
        if (s.B(x - 1, r + 1) != feldwert::leer && s.B(x + 1, r + 1) != feldwert::leer) return false;
    }
    return true;
}

// A pair block stops at a candidate whose cell on the far side of the exchange is marked.
bool neighbour_marked(Search& s, int k, int r) { return s.right_of_target ? s.W(k - 1, r) < 0 : s.W(k + 1, r) < 0; }

enum class Next { go_on, stop };

// One candidate that passed its filter: side flag, distance test, exchange, acceptance.
Next take_candidate(Search& s, const Block& b, int k, int r, int tx) {
    s.right_of_target = k > tx;
    const int d = std::abs(tx - k);
    if (d >= s.beste) return Next::go_on;
    // Only a candidate that beats the best distance can stop a pair block's search.
    if (b.kind == Kind::N && neighbour_marked(s, k, r)) return Next::stop;

    // The exchange carries the candidate one column toward the target.
    const auto zx = static_cast<int16_t>(s.right_of_target ? k - 1 : k);
    const auto zy = static_cast<int16_t>(r + b.target_dy);
    bool refused = false;
    if (b.kind == Kind::R || b.kind == Kind::M) {
        // Never undo the exchange just made (any non-zero getauscht counts as true); a reserved
        // stone must not be pushed aside.
        refused = zx == letztes_ziel_x && zy == letztes_ziel_y && getauscht != kFalse;
        if (!refused && b.kind == Kind::R)
            refused = s.right_of_target ? s.W(zx, r) == kReserved : s.W(zx + 1, r) == kReserved;
    }
    if (refused) {
        ziel_x = ziel_y = -1;
    } else {
        s.beste = static_cast<int16_t>(d);
        ziel_x = zx;
        ziel_y = zy;
        if (b.kind == Kind::R || b.kind == Kind::M) {
            letztes_ziel_x = zx;
            letztes_ziel_y = zy;
        }
        if (b.kind != Kind::N) getauscht = kFalse;
    }
    s.right_of_target = false;
    return Next::go_on;
}

// The candidates for one matching start cell, row by row from the start cell upward.
void search_candidates(Search& s, const Block& b, int x, int y, int c) {
    const int tx = x + b.tx_dx;
    const int r_first = y + b.r_dy;
    if (b.filter & kEmptyBeside) {
        // The foreign stone goes to the empty cell beside it, the right one first.
        int k = 0;
        if (s.B(x + 1, r_first) == feldwert::leer) k = x + 1;
        else if (s.B(x - 1, r_first) == feldwert::leer) k = x - 1;
        if (k != 0) take_candidate(s, b, k, r_first, tx);
        return;
    }
    const int r_last = b.r_top != 0 ? b.r_top : r_first;
    for (int r = r_first; r >= r_last; --r) {
        for (int k = 1; k <= spalten; ++k) {
            if (s.B(k, r) != c || !candidate_passes(s, b.filter, k, r, x, tx)) continue;
            if (take_candidate(s, b, k, r, tx) == Next::stop) return;
        }
        // At the end of a row the stop test looks once more, one column past the last: with the
        // side flag set that is the last column's cell. Blocks of one row have nothing to skip.
        if (b.kind == Kind::N && neighbour_marked(s, spalten + 1, r)) return;
    }
}

void run_block(Search& s, const Block& b) {
    const int y_step = b.y_last >= b.y_first ? 1 : -1;
    for (int y = b.y_first; y != b.y_last + y_step; y += y_step) {
        const bool descending = b.x_last != 0;
        const int x_first = descending ? spalten : 1;
        const int x_end = descending ? b.x_last - 1 : spalten + 1;
        const int x_step = descending ? -1 : 1;
        for (int x = x_first; x != x_end; x += x_step) {
            const int c = s.B(x, y);
            if (!start_cell(c) || !pattern_matches(s, b, x, y, c)) continue;
            search_candidates(s, b, x, y, c);
        }
    }
}

// Every block draws its gate value, whether it runs or not; blocks 21 to 26 too after one of
// them has found a target.
bool gate_open(const Block& b) {
    const float draw = Rnd();
    const double threshold = b.gate == Gate::on ? static_cast<double>(taktik_an) : taktik_chance;
    return ziel_x < 0 && static_cast<double>(draw) < threshold;
}

}  // namespace

void wohin2_with(uint32_t allowed_blocks) {
    ziel_x = ziel_y = -1;
    Search s(spielfeld2);
    reserve_columns(s);

    auto run_blocks = [&](int first, int last) {
        for (int n = first; n <= last; ++n) {
            const Block& b = kBlockTable[static_cast<size_t>(n - 1)];
            if (gate_open(b) && ((allowed_blocks >> (n - 1)) & 1u)) run_block(s, b);
        }
    };
    run_blocks(1, kFirstPairBlock - 1);
    if (ziel_x >= 0) return;
    mark_pairs(s);
    run_blocks(kFirstPairBlock, kBlocks);
}

}  // namespace computer

void wohin2() { computer::wohin2_with(computer::kAllBlocks); }
