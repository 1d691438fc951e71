// The computer's choice of exchange on hand-made boards of board 2.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/computer_patterns.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "support/boards.h"
#include "support/game_test.h"

namespace {

using Target = std::pair<int, int>;
constexpr Target kNone{-1, -1};

// One block's bit for wohin2_with.
constexpr uint32_t only(int block) { return 1u << (block - 1); }
// Blocks 1 to n.
constexpr uint32_t up_to(int block) { return (1u << block) - 1; }

class ComputerTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        taktik_an = 1;
        taktik_chance = 1;
        letztes_ziel_x = letztes_ziel_y = -1000;
        getauscht = kFalse;
    }

    // Rows top to bottom; the last one is row 18. The width is the number of columns in play.
    void set_board(const std::vector<std::string>& rows) {
        spalten = static_cast<int16_t>(rows.front().size());
        loesche_spielfeld();
        lay(spielfeld2, rows);
    }

    Target choose(uint32_t allowed_blocks = computer::kAllBlocks) {
        computer::wohin2_with(allowed_blocks);
        return {ziel_x, ziel_y};
    }
    // How many random values one call of wohin2 draws.
    int gate_draws() {
        Randomize(77);
        wohin2();
        const float following[3] = {Rnd(), Rnd(), Rnd()};
        for (int n = 0; n < 40; ++n) {
            Randomize(77);
            for (int i = 0; i < n; ++i) Rnd();
            if (Rnd() == following[0] && Rnd() == following[1] && Rnd() == following[2]) return n;
        }
        return -1;
    }
};

struct BlockCase {
    int block;
    std::vector<std::string> rows;
    Target target;
    uint32_t also = 0;  // other blocks that alone find the same exchange on this board
};

// For each block a board on which it is the block that decides: the blocks before it find
// nothing, it finds the exchange alone, and no other block but those in `also` finds the same.
const std::vector<BlockCase> kBlockCases = {
    {1, {"..1...", "1BB...", "BBB...", "1BB...", "1BB..."}, {2, 14}},
    {2, {"1.....", "B21...", "BBB...", "1BB...", "1BB..."}, {2, 15}, only(8)},
    {3, {"1.....", "1.....", "BB....", "1B....", "BB1..."}, {2, 18}},
    {4, {"1.....", "1.....", "B.....", "B.1...", "1.B..."}, {2, 17}},
    {5, {"1.....", "BB1...", "1BB...", "1BB..."}, {2, 16}, only(12) | only(15)},
    {6, {"1.....", "1.....", "BB1...", "1BB..."}, {2, 17}, only(11) | only(12)},
    {7, {"..1...", "1.B...", "B.B...", "1.B..."}, {2, 15}},
    {8, {"..1...", "B.B...", "1.B...", "1.B..."}, {2, 15}},
    {9, {"....1.", "11.1B."}, {4, 17}, only(19)},
    {10, {".1....", ".B1.11"}, {2, 17}, only(20)},
    {11, {"1.....", "1.....", "B.1..."}, {2, 18}},
    {12, {"1.....", "B.1...", "1.B..."}, {2, 17}},
    {13, {"1.....", "B.....", "1B....", "1B...."}, {1, 16}, only(17)},
    {14, {"1.....", "1.....", "B.....", "1B...."}, {1, 17}},
    {15, {"B.1...", "1.B...", "1.B..."}, {2, 16}},
    {16, {"..1...", "..B...", "1.B...", "1.B..."}, {2, 15}},
    {17, {"1.....", "B.....", "B.....", "1.....", "1....."}, {1, 15}},
    {18, {"1.11B."}, {1, 18}},
    {19, {"...1..", "11.B.."}, {3, 17}},
    {20, {"..1...", "..B.11"}, {3, 17}},
    {21, {"1.....", "231..."}, {2, 18}},
    {22, {"251...", "1433.."}, {2, 17}},
    {23, {".51...", ".43...", "162..."}, {2, 16}},
    {24, {"1231.."}, {3, 18}},
    {25, {"2.....", "2.51..", "1.63.."}, {3, 17}},
    {26, {"14....", "652...", "6.13.."}, {1, 16}},
};

TEST_F(ComputerTest, EachBlockDecidesItsBoard) {
    for (const BlockCase& f : kBlockCases) {
        SCOPED_TRACE("block " + std::to_string(f.block));
        set_board(f.rows);

        EXPECT_EQ(choose(), f.target);
        EXPECT_EQ(choose(up_to(f.block - 1)), kNone);
        for (int j = 1; j <= computer::kBlocks; ++j) {
            const bool same_target = j == f.block || (f.also & only(j));
            if (same_target) EXPECT_EQ(choose(only(j)), f.target) << "block " << j;
            else EXPECT_NE(choose(only(j)), f.target) << "block " << j;
        }
    }
}

// Every gate draws its value whether its block runs or not; the pair blocks draw only when
// blocks 1 to 20 found nothing.
TEST_F(ComputerTest, GateDrawsTwentyOrTwentySixValues) {
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        int16_t an;
        double chance;
        int draws;
        Target target;
    };
    const std::vector<std::string> block1 = kBlockCases[0].rows;
    const std::vector<std::string> block21 = kBlockCases[20].rows;
    const Case cases[] = {
        {"empty board", {"......"}, 1, 1, 26, kNone},
        {"found by block 1", block1, 1, 1, 20, {2, 14}},
        {"block 1 shut", block1, 0, 1, 26, kNone},
        {"block 21 shut", block21, 1, 0, 26, kNone},
        {"a fraction passes below it", block21, 1, 0.5, 26, {2, 18}},  // seed 77 draws 0.06 there
    };
    for (const Case& f : cases) {
        SCOPED_TRACE(f.name);
        set_board(f.rows);
        taktik_an = f.an;
        taktik_chance = f.chance;
        EXPECT_EQ(gate_draws(), f.draws);
        EXPECT_EQ(Target(ziel_x, ziel_y), f.target);
    }
}

TEST_F(ComputerTest, LastExchangeIsRefusedWhileGetauscht) {
    struct Case {
        const char* name;
        int block;
        Target last;
        int16_t getauscht_before;
        Target target, last_after;
        int16_t getauscht_after;
    };
    const Case cases[] = {
        {"block 11 refuses", 11, {2, 18}, kTrue, kNone, {2, 18}, kTrue},
        {"block 11 after no exchange", 11, {2, 18}, kFalse, {2, 18}, {2, 18}, kFalse},
        {"block 11 records its target", 11, {4, 4}, kTrue, {2, 18}, {2, 18}, kFalse},
        {"block 1 refuses", 1, {2, 14}, kTrue, kNone, {2, 14}, kTrue},
        {"block 9 does not refuse", 9, {4, 17}, kTrue, {4, 17}, {4, 17}, kFalse},
        {"block 9 keeps the last target", 9, {1, 1}, kTrue, {4, 17}, {1, 1}, kFalse},
        {"block 21 does not refuse", 21, {2, 18}, kTrue, {2, 18}, {2, 18}, kTrue},
    };
    for (const Case& f : cases) {
        SCOPED_TRACE(f.name);
        set_board(kBlockCases[static_cast<size_t>(f.block - 1)].rows);
        letztes_ziel_x = static_cast<int16_t>(f.last.first);
        letztes_ziel_y = static_cast<int16_t>(f.last.second);
        getauscht = f.getauscht_before;
        EXPECT_EQ(choose(), f.target);
        EXPECT_EQ(values(letztes_ziel_x, letztes_ziel_y, getauscht),
                  values(f.last_after.first, f.last_after.second, f.getauscht_after));
    }
}

// Which candidate wins: the nearest, the first of equals, never one that would push a reserved
// stone aside (but block 12 may), the foreign stone put on the empty side; a pair block stops at
// a candidate whose neighbour is marked.
TEST_F(ComputerTest, ChoosesTheNearestCandidateThatPushesNoReservedStone) {
    struct Case {
        const char* why;
        std::vector<std::string> rows;
        Target target;
        double chance = 1;  // taktik_chance; 0 shuts block 12 and the later ones
        uint32_t also = 0;  // a block that alone finds the same
        uint32_t blocks = computer::kAllBlocks;
    };
    const std::vector<std::string> refused = {"..1...", "..1...", "1.B1..", "BB1B..", "BB1B.."};
    const std::vector<std::string> beside_bbbb = {"1B....", "BB1...", "1BB...", "1BB..."};
    const Case cases[] = {
        // Block 12 fills (3, 17); the stones at columns 1 and 5 are both two columns away.
        {"of equal distances the first", {"..1...", "1.B.1.", "B.1.B."}, {1, 17}},
        {"the nearer one wins wherever it stands in the scan", {"..1...", "1.B1..", "B.1B.."}, {3, 17}},
        // Block 5 accepts the stone two columns away, then refuses the nearer one, which would push
        // the reserved stone of c c X c c aside: the refusal leaves nothing.
        {"a refusal discards the target accepted before", refused, kNone, 0, only(5)},
        {"block 12 may push reserved stones aside", refused, {3, 16}},
        {"a foreign stone reserved in its column B B B B stays for blocks 1 to 8", beside_bbbb, kNone, 0},
        {"block 12 pushes it aside", beside_bbbb, {2, 16}},
        // Block 1's only candidate (3, 14) is the middle stone of 2 2 1 2 2.
        {"reserved in 2 2 1 2 2", {"..2...", "..2...", "..1...", "1B2...", "BB2...", "1BB...", "1BB..."}, kNone, 0},
        {"not reserved in 3 2 1 2 2",
         {"..3...", "..2...", "..1...", "1B2...", "BB2...", "1BB...", "1BB..."},
         {2, 14},
         0},
        // Block 5 fills the foreign stone's cell (4, 16) from one column away.
        {"c c X c c from the left", {"...1..", "...1..", "..1B..", "..B1..", "..B1.."}, kNone, 0, only(5)},
        {"c c X c c from the right", {"...1..", "...1..", "...B1.", "...1B.", "...1B."}, kNone, 0, only(5)},
        {"c c X c from the left", {"......", "...1..", "..1B..", "..B1..", "..B1.."}, {3, 16}, 0, only(5)},
        {"c c X c from the right", {"......", "...1..", "...B1.", "...1B.", "...1B."}, {4, 16}, 0, only(5)},
        {"block 13, both sides empty: to the right", {"..1...", "..B...", ".B1B..", ".B1B.."}, {3, 16}},
        {"block 13, only the left side empty", {"..1...", "..BB..", ".B1B..", ".B1B.."}, {2, 16}},
        {"block 14, both sides empty", {"..1...", "..1...", "..B...", ".B1B.."}, {3, 17}},
        {"block 14, only the left side empty", {"..1...", "..1...", "..BB..", ".B1B.."}, {2, 17}},
        // The caller clamps ziel_x = spalten to spalten - 1.
        {"block 17 aims at spalten", {".....1", ".....B", ".....B", ".....1", ".....1"}, {6, 15}, 1, only(17)},
        // From (5, 18), (2, 17) is accepted at distance 3; in row 16, (1, 16) is farther and passed
        // over although its neighbour is marked, and (7, 16) at distance 2 is taken.
        {"block 23 stops only for a nearer one", {"1....51", "213..45", "3246123"}, {6, 16}, 1, 0, only(23)},
        // Block 23's board with a lone 1 in row 17 beside an empty pair: the search of (1, 18)
        // stops there, before row 16.
        {"a stop skips the higher rows", {".51...", ".43.17", "162.BB"}, kNone},
        // The stop at (3, 17) for (1, 18) leaves the side flag set; from (5, 18) the row end beside
        // the marked (6, 17) gives up before the 2 in row 16.
        {"the row end stops with the side flag set", {"..24..", "..15..", "1.362."}, kNone},
        {"a lone stone at the row end does not stop", {"..24..", "..15.7", "1.3628"}, {3, 16}},
        // Block 22 stops at (6, 16) for (4, 17), beside the empty pair (5, 16) (5, 17); the side flag
        // it leaves ends block 23's search from (1, 18) at the paired (6, 17), short of (3, 16).
        {"the side flag carries over into the next block", {".912.4", ".384.5", "126755"}, kNone},
        {"no flag left over", {".912..", ".384.5", "126755"}, {2, 16}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        set_board(c.rows);
        taktik_chance = c.chance;
        EXPECT_EQ(choose(c.blocks), c.target);
        EXPECT_EQ(choose(c.also ? c.also : c.blocks), c.target);
    }
}

}  // namespace
