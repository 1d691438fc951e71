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
#include "support/game_test.h"

namespace {

using Ziel = std::pair<int, int>;
constexpr Ziel kKeins{-1, -1};

// One block's bit for wohin2_mit.
constexpr uint32_t nur(int block) { return 1u << (block - 1); }
// Blocks 1 to n.
constexpr uint32_t bis(int block) { return (1u << block) - 1; }

int16_t zelle(char ch) {
    switch (ch) {
        case '.': return feldwert::leer;
        case 'B': return feldwert::blockstein;
        case 'R': return feldwert::reihenstein;
        case 'K': return feldwert::kreuzstein;
        case 'f': return feldwert::fall_ziel + 1;  // a stone 1 falling into this cell
        default: return static_cast<int16_t>(ch - '0');
    }
}

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
    void brett(const std::vector<std::string>& reihen) {
        spalten = static_cast<int16_t>(reihen.front().size());
        loesche_spielfeld();
        const int oben = 19 - static_cast<int>(reihen.size());
        for (size_t i = 0; i < reihen.size(); ++i)
            for (int x = 1; x <= spalten; ++x)
                spielfeld2(x, oben + static_cast<int>(i)) = zelle(reihen[i][static_cast<size_t>(x - 1)]);
    }

    Ziel waehle(uint32_t bloecke = computer::kAllBlocks) {
        computer::wohin2_mit(bloecke);
        return {ziel_x, ziel_y};
    }

    // How many random values one call of wohin2 draws.
    int gezogene_werte() {
        Randomize(77);
        wohin2();
        const float naechste[3] = {Rnd(), Rnd(), Rnd()};
        Randomize(77);
        for (int n = 0; n < 40; ++n) {
            Randomize(77);
            for (int i = 0; i < n; ++i) Rnd();
            if (Rnd() == naechste[0] && Rnd() == naechste[1] && Rnd() == naechste[2]) return n;
        }
        return -1;
    }
};

std::string ziel_text(Ziel z) { return "(" + std::to_string(z.first) + "," + std::to_string(z.second) + ")"; }

struct BlockFall {
    int block;
    std::vector<std::string> reihen;
    Ziel ziel;
    uint32_t auch = 0;  // other blocks that alone find the same exchange on this board
};

// For each block a board on which it is the block that decides: the blocks before it find
// nothing, it finds the exchange alone, and no other block but those in `auch` finds the same.
const std::vector<BlockFall> kBlockFaelle = {
    {1, {"..1...", "1BB...", "BBB...", "1BB...", "1BB..."}, {2, 14}},
    {2, {"1.....", "B21...", "BBB...", "1BB...", "1BB..."}, {2, 15}, nur(8)},
    {3, {"1.....", "1.....", "BB....", "1B....", "BB1..."}, {2, 18}},
    {4, {"1.....", "1.....", "B.....", "B.1...", "1.B..."}, {2, 17}},
    {5, {"1.....", "BB1...", "1BB...", "1BB..."}, {2, 16}, nur(12) | nur(15)},
    {6, {"1.....", "1.....", "BB1...", "1BB..."}, {2, 17}, nur(11) | nur(12)},
    {7, {"..1...", "1.B...", "B.B...", "1.B..."}, {2, 15}},
    {8, {"..1...", "B.B...", "1.B...", "1.B..."}, {2, 15}},
    {9, {"....1.", "11.1B."}, {4, 17}, nur(19)},
    {10, {".1....", ".B1.11"}, {2, 17}, nur(20)},
    {11, {"1.....", "1.....", "B.1..."}, {2, 18}},
    {12, {"1.....", "B.1...", "1.B..."}, {2, 17}},
    {13, {"1.....", "B.....", "1B....", "1B...."}, {1, 16}, nur(17)},
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
    for (const BlockFall& f : kBlockFaelle) {
        SCOPED_TRACE("block " + std::to_string(f.block));
        brett(f.reihen);
        std::string allein;
        for (int j = 1; j <= computer::kBlocks; ++j)
            allein += " " + std::to_string(j) + ":" + ziel_text(waehle(nur(j)));
        SCOPED_TRACE("each block alone:" + allein);

        EXPECT_EQ(waehle(), f.ziel);
        EXPECT_EQ(waehle(bis(f.block - 1)), kKeins);
        for (int j = 1; j <= computer::kBlocks; ++j) {
            const bool gleich = j == f.block || (f.auch & nur(j));
            if (gleich) EXPECT_EQ(waehle(nur(j)), f.ziel) << "block " << j;
            else EXPECT_NE(waehle(nur(j)), f.ziel) << "block " << j;
        }
    }
}

}  // namespace
