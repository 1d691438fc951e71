#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"
#include "support/tiles.h"

namespace {
using namespace feldwert;

const Image& p1(int i) { return Form2->Picture1[i].Picture(); }

// Names the store tile that a cell of a buffer shows, or "?" when none matches.
std::string shown_tile(const Image& buf, int x, int y) {
    const std::pair<const char*, const rt::ControlArray<rt::PictureBox>*> sets[] = {
        {"P1", &Form2->Picture1}, {"P4", &Form2->Picture4}, {"P7", &Form2->Picture7}, {"P8", &Form2->Picture8}};
    for (const auto& [name, set] : sets)
        for (int i = 0; i < set->size(); ++i)
            if (shows_tile(buf, 32 * (x - 1), 32 * (y - 1), 32, 32, (*set)[i].Picture()))
                return std::string(name) + "[" + std::to_string(i) + "]";
    return "?";
}

class RendererTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        schwierigkeit = 1;
        spiel_initialisieren();
        loesche_spielfeld();
    }

    // Both twins must behave alike on their own data.
    static spielfeld& board(int side) { return side == 1 ? spielfeld1 : spielfeld2; }
    static spielfeld& blink(int side) { return side == 1 ? blink_zaehler1 : blink_zaehler2; }
    static const Image& buffer(int side) { return (side == 1 ? Form1->Picture1 : Form1->Picture3).Picture(); }
    static const Image& shown(int side) { return (side == 1 ? Form1->Picture2 : Form1->Picture4).Picture(); }
    static void draw(int side, int16_t flag = 0) { side == 1 ? zeichne_spielfeld(flag) : zeichne_spielfeld2(flag); }

    static void set_columns(int16_t n) {
        spalten = n;
        set_column_values();
        Form1->Picture1.Width = spielfeld_breite;
        Form1->Picture3.Width = spielfeld_breite;
        loesche_spielfeld();
    }
};

// A marked stone blinks by its counter and clears, a vanishing cell runs its frames into an empty
// cell, an effect its two smoke frames into a blockstein: a frame per call, from wherever it
// stands, and the blink counter is left ready for the next group.
TEST_F(RendererTest, AnimatedCellsRunTheirFrames) {
    struct Case {
        int16_t start;
        std::vector<std::string> frames;
        std::vector<int16_t> codes;
        int16_t counter = 10;
    };
    const auto then_empty = [](size_t frames, int16_t code) {
        std::vector<int16_t> codes(frames - 1, code);
        codes.push_back(leer);
        return codes;
    };
    std::vector<Case> cases = {
        {markiert + 3,
         {"P1[3]", "P4[3]", "P1[3]", "P4[3]", "P1[3]", "P4[3]", "P1[3]", "P4[3]", "P1[3]", "P1[0]"},
         then_empty(10, markiert + 3)},
        // A blink cut short earlier starts where its counter stopped.
        {markiert + 3, {"P1[3]", "P4[3]", "P1[3]", "P1[0]"}, then_empty(4, markiert + 3), 4},
        {20000, {"P7[0]", "P7[1]", "P7[2]", "P1[0]"}, {20001, 20002, 20003, 0}},
        {20002, {"P7[2]", "P1[0]"}, {20003, 0}},
    };
    for (int16_t kind : {effekt_reihe, effekt_links, effekt_rechts, effekt_oben, effekt_unten, effekt_kreuz})
        cases.push_back({kind,
                         {"P8[0]", "P8[1]", "P1[0]", "P1[10]"},
                         {static_cast<int16_t>(kind + 1), static_cast<int16_t>(kind + 2), blockstein, blockstein}});
    for (int side : {1, 2})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "side " << side << ", code " << c.start << ", counter " << c.counter);
            loesche_spielfeld();
            board(side)(6, 18) = c.start;
            blink(side)(6, 18) = c.counter;
            std::vector<std::string> seen;
            std::vector<int16_t> codes;
            for (size_t i = 0; i < c.frames.size(); ++i) {
                draw(side);
                seen.push_back(shown_tile(buffer(side), 6, 18));
                codes.push_back(board(side)(6, 18));
            }
            EXPECT_EQ(seen, c.frames);
            EXPECT_EQ(codes, c.codes);
            EXPECT_EQ(blink(side)(6, 18), 10);
        }
}

// An effect on its last frame becomes a blockstein and hands itself on within the board only (the
// whole board compared); sideways it takes falling, marked and effect cells, and a left neighbour,
// drawn already in this pass, keeps its code until the next call.
TEST_F(RendererTest, EndingEffectHandsOnWithinTheBoardOnly) {
    struct Case {
        const char* what;
        int16_t kind;
        int x, y;
        std::vector<Cell> before, after;
    };
    constexpr int16_t E = effekt_links;
    const auto left = [](const char* what, std::vector<Cell> before, std::vector<Cell> after) {
        return Case{what, E, 5, 10, std::move(before), std::move(after)};
    };
    // Seven columns, so that column 8 is the wall and column 9 lies outside.
    const Case cases[] = {
        {"row, column 1", effekt_reihe, 1, 10, {}, {{2, 10, 30021}}},
        {"row, column spalten", effekt_reihe, 7, 10, {}, {{6, 10, 30010}}},
        {"row, middle", effekt_reihe, 4, 10, {}, {{5, 10, 30021}, {3, 10, 30010}}},
        {"left, column 1", effekt_links, 1, 10, {}, {}},
        {"right, column spalten", effekt_rechts, 7, 10, {}, {}},
        {"right, middle", effekt_rechts, 4, 10, {}, {{5, 10, 30021}}},
        {"up, row 1", effekt_oben, 4, 1, {}, {}},
        {"up, middle", effekt_oben, 4, 10, {}, {{4, 9, 30030}}},
        {"down, row 18", effekt_unten, 4, 18, {}, {}},
        {"down, middle", effekt_unten, 4, 10, {}, {{4, 11, 30041}}},
        {"down over a falling stone", effekt_unten, 4, 10, {{4, 11, 1008}, {4, 12, 102}}, {{4, 11, 30041}}},
        {"up over a marked stone", effekt_oben, 4, 10, {{4, 9, 10004}}, {{4, 9, 30030}}},
        {"cross, top left", effekt_kreuz, 1, 1, {}, {{1, 2, 30041}, {2, 1, 30021}}},
        {"cross, bottom right", effekt_kreuz, 7, 18, {}, {{7, 17, 30030}, {6, 18, 30010}}},
        {"cross, middle", effekt_kreuz, 4, 10, {}, {{4, 9, 30030}, {4, 11, 30041}, {3, 10, 30010}, {5, 10, 30021}}},
        left("stone on a stone", {{4, 10, 5}, {4, 11, 3}}, {{4, 10, E}}),
        left("empty cell", {}, {{4, 10, E}}),
        left("stone falling out of the cell", {{4, 10, 1012}, {4, 11, 103}}, {{4, 10, E}, {4, 11, 0}}),
        left("leaving the cell below", {{4, 10, 2}, {4, 11, 1000}, {4, 12, 105}}, {{4, 10, E}, {4, 11, E}, {4, 12, 0}}),
        left("falling into the cell", {{4, 9, 1010}, {4, 10, 104}, {4, 11, 6}}, {{4, 9, E}, {4, 10, 0}}),
        left("falling out of the cell below", {{4, 11, 1020}, {4, 12, 107}, {4, 13, 8}}, {{4, 11, E}, {4, 12, 0}}),
        left("leaving two cells below", {{4, 11, 4}, {4, 12, 1000}, {4, 13, 106}},
             {{4, 10, E}, {4, 11, E}, {4, 12, 0}}),
        left("marked", {{4, 10, 10003}, {4, 11, 10002}}, {{4, 10, E}}),
        left("vanishing", {{4, 10, 20001}, {4, 11, 3}}, {{4, 10, E}}),
        left("effect", {{4, 10, 30041}}, {{4, 10, E}}),
        left("nothing for a stone on a marked stone", {{4, 10, 5}, {4, 11, 10002}}, {}),
    };
    set_columns(7);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loesche_spielfeld();
        put(spielfeld1, c.before);
        spielfeld1(c.x, c.y) = static_cast<int16_t>(c.kind + 2);
        spielfeld expected = spielfeld1;
        expected(c.x, c.y) = blockstein;
        put(expected, c.after);
        zeichne_spielfeld(0);
        EXPECT_EQ(spielfeld1, expected);
    }
}

// A falling stone is drawn at its offset below its source cell, which shows empty above it. One
// whose target a vanishing or effect cell has taken (or that has become empty or a blocker) has
// lost its colour: nothing is drawn over its source cell.
TEST_F(RendererTest, FallingStoneIsDrawnAtItsOffsetWhileItsTargetHoldsIt) {
    for (int side : {1, 2}) {
        for (int offset : {0, 14, 31}) {
            SCOPED_TRACE("side " + std::to_string(side) + ", offset " + std::to_string(offset));
            loesche_spielfeld();
            board(side)(3, 5) = static_cast<int16_t>(fall_quelle + offset);
            board(side)(3, 6) = fall_ziel + 4;
            draw(side);
            EXPECT_TRUE(shows_picture(buffer(side), 64, 128 + offset, p1(4)));
            EXPECT_TRUE(shows_picture(buffer(side), 64, 128, Image(32, offset, 0)));
        }
    }
    for (int16_t target : {20000, 20002, 30001, 30011, 30021, 30031, 30041, 30051, 10, 0}) {
        SCOPED_TRACE(target);
        loesche_spielfeld();
        spielfeld1(3, 5) = fall_quelle + 14;
        spielfeld1(3, 6) = target;
        zeichne_spielfeld(0);
        EXPECT_EQ(shown_tile(buffer(1), 3, 5), "P1[0]");
    }
}

TEST_F(RendererTest, CursorIsAMaskedSpriteOverTheTwoCells) {
    struct Case {
        int side;
        int16_t x, y;
    };
    for (const Case& c : {Case{1, 2, 7}, Case{2, 8, 18}}) {
        SCOPED_TRACE(c.side);
        board(c.side)(c.x, c.y) = 1;
        board(c.side)(c.x + 1, c.y) = 5;
        (c.side == 1 ? pos_x1 : pos_x2) = c.x;
        (c.side == 1 ? pos_y1 : pos_y2) = c.y;
        Image under(64, 32);
        BitBlt(under, 0, 0, 32, 32, p1(1), 0, 0, SRCCOPY);
        BitBlt(under, 32, 0, 32, 32, p1(5), 0, 0, SRCCOPY);
        const int left = 32 * (c.x - 1), top = 32 * (c.y - 1);

        draw(c.side, 0);
        EXPECT_TRUE(shows_picture(buffer(c.side), left, top, under));
        draw(c.side, 1);
        const Image over = sprite_over(under, 0, 0, Form2->Picture6[0].Picture(), Form2->Picture6[1].Picture());
        EXPECT_NE(over.pixels, under.pixels);
        EXPECT_TRUE(shows_picture(buffer(c.side), left, top, over));
    }
}

TEST_F(RendererTest, VisibleBoxShowsRowsTwoToEighteenOfTheBuffer) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 18; ++y) spielfeld1(x, y) = static_cast<int16_t>((x + y) % 9 + 1);
    zeichne_spielfeld(1);
    Image rows(288, 544);
    BitBlt(rows, 0, 0, 288, 544, buffer(1), 0, 32, SRCCOPY);
    EXPECT_TRUE(shows_picture(shown(1), 0, 0, rows));

    // With fewer columns only their width is copied; the rest of the box keeps what it held.
    set_columns(7);
    constexpr uint32_t kOld = rgb(1, 2, 3);
    Form1->Picture2.hDC().fill(kOld);
    zeichne_spielfeld(0);
    EXPECT_TRUE(shows_picture(shown(1), 0, 0, Image(224, 544, 0)));
    EXPECT_TRUE(shows_picture(shown(1), 224, 0, Image(64, 544, kOld)));
}
// Cells whose tile is already in the buffer are not copied again; a frame must still come out
// as one drawn from nothing would, whatever moved, blinked, fell or was drawn over in between.
TEST_F(RendererTest, FramesDrawnOneAfterAnotherEqualFramesDrawnAfresh) {
    std::mt19937 random(11);
    auto pick = [&](int low, int high) {
        return static_cast<int16_t>(low + static_cast<int>(random() % static_cast<unsigned>(high - low + 1)));
    };
    for (int step = 0; step < 400; ++step) {
        const int side = pick(1, 2);
        SCOPED_TRACE("step " + std::to_string(step));
        for (int n = pick(0, 4); n > 0; --n) board(side)(pick(1, 9), pick(1, 18)) = pick(0, 12);
        switch (pick(0, 6)) {
            case 0: {  // a stone on its way down
                const int16_t x = pick(1, 9), y = pick(1, 17);
                board(side)(x, y) = static_cast<int16_t>(fall_quelle + pick(0, 31));
                board(side)(x, y + 1) = static_cast<int16_t>(fall_ziel + pick(1, 12));
                break;
            }
            case 1: {  // a blinking stone
                const int16_t x = pick(1, 9), y = pick(1, 18);
                board(side)(x, y) = static_cast<int16_t>(markiert + pick(1, 9));
                blink(side)(x, y) = pick(1, 10);
                break;
            }
            case 2:  // somebody else draws into the buffer
                BitBlt((side == 1 ? Form1->Picture1 : Form1->Picture3).hDC(), pick(0, 200), pick(0, 500), 40, 40,
                       Image(40, 40, rgb(1, 2, 3)), 0, 0, SRCCOPY);
                break;
            case 4:  // somebody else draws into the visible box (the start rows, the game's end)
                BitBlt((side == 1 ? Form1->Picture2 : Form1->Picture4).hDC(), pick(0, 200), pick(0, 500), 40, 40,
                       Image(40, 40, rgb(4, 5, 6)), 0, 0, SRCCOPY);
                break;
            case 3:  // points float up over board one
                popup_zeit = pick(0, 20), popup_x = pick(1, 8);
                popup_y = pick(3, 17), popup_punkte = pick(1, 500);
                break;
            default: break;
        }
        (side == 1 ? pos_x1 : pos_x2) = pick(1, 8);
        (side == 1 ? pos_y1 : pos_y2) = pick(1, 18);
        const int16_t flag = pick(0, 1);

        const spielfeld cells = board(side), counters = blink(side);
        const double zeit = popup_zeit;
        const int16_t x = popup_x;
        draw(side, flag);
        const Image kept = shown(side);

        board(side) = cells, blink(side) = counters;
        popup_zeit = zeit, popup_x = x;
        (side == 1 ? Form1->Picture1 : Form1->Picture3).hDC();  // nothing in the buffer is known now
        draw(side, flag);
        ASSERT_EQ(kept.pixels, shown(side).pixels);
        popup_zeit = -1;
    }
}
}  // namespace
