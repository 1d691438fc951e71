#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"
#include "support/popup_state.h"
#include "support/tiles.h"

namespace {
constexpr uint32_t kBoard = rgb(40, 80, 120);

class PopupTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        schwierigkeit = 2;
        spiel_initialisieren();
        loesche_spielfeld();
    }

    // Names the glyph at (x, y) of the buffer, drawn over the plain board colour: "g5" green 5,
    // "o", "b", "r" the other colours, "bs" / "rs" the letter s, "r-" the minus sign, "." nothing.
    static std::string glyph_at(const Image& buf, int x, int y) {
        const PictureStore& s = Form2.get();
        const Image plain(buf.width, buf.height, kBoard);
        const auto shows = [&](const rt::PictureBox& image, const rt::PictureBox& mask) {
            return shows_picture(buf, x, y, sprite_over(plain, x, y, image.Picture(), mask.Picture()));
        };
        for (const auto& [name, first] : {std::pair{'g', 0}, {'o', 20}, {'b', 30}, {'r', 40}})
            for (int d = 0; d <= 9; ++d)
                if (shows(s.Picture9[first + d], s.Picture10[d])) return std::string(1, name) + char('0' + d);
        if (shows(s.Picture12[0], s.Picture12[1])) return "bs";
        if (shows(s.Picture12[2], s.Picture12[1])) return "rs";
        if (shows(s.Picture12[4], s.Picture12[3])) return "r-";
        return shows_picture(buf, x, y, Image(22, 22, kBoard)) ? "." : "?";
    }

    // The glyphs of a line, for the positions that lie wholly on the buffer.
    static std::string line_at(int x0, int y) {
        const Image& buf = Form1->Picture1.Picture();
        std::string line;
        for (int k = 1; k <= 6; ++k) {
            const int x = x0 + 22 * (k - 1);
            if (x + 22 > buf.width) break;
            line += (k > 1 ? " " : "") + glyph_at(buf, x, y);
        }
        return line;
    }
};

TEST_F(PopupTest, DrawsItsLinesInTheirColoursAndKeepsThemOnTheBoard) {
    const int16_t n = spalten;
    ASSERT_EQ(Form1->Picture1.Width.get(), 32 * n);  // lines are read as far as the buffer holds them
    const struct {
        const char* what;
        int16_t kind, seconds;
        double points;
        int16_t column, column_after;
        const char* points_line;
        const char* seconds_line;
    } cases[] = {
        {"group at the last column", 0, 0, 150, n, static_cast<int16_t>(n - 2), "g1 g5 g0 .", ". . . ."},
        // The third digit sticks out by two pixels and is cut off.
        {"group one column in", 0, 0, 150, static_cast<int16_t>(n - 1), static_cast<int16_t>(n - 1), "g1 g5", ". ."},
        {"two digits", 0, 0, 80, n, static_cast<int16_t>(n - 1), "g8 g0", ". ."},
        {"seven digits", 0, 0, 1234567, 1, 1, "g1 g2 g3 g4 g5 g6", ". . . . . ."},
        {"level bonus", 1, 18, 300, 2, 2, "o3 o0 o0 . . .", "b1 b8 bs . . ."},
        {"player's full board", 3, -60, 0, 2, 2, ". . . . . .", "r- r6 r0 rs . ."},
        {"lost level", 2, -5, 0, 2, 2, ". . . . . .", "r- r0 r5 rs . ."},
        {"computer's full board", 2, 60, 0, 2, 2, ". . . . . .", "b6 b0 bs . . ."},
        {"few seconds won", 2, 7, 0, 2, 2, ". . . . . .", "b7 bs . . . ."},
        // The clamp counts the last points' digits even when no points are drawn.
        {"penalty after a group", 3, -60, 150, n, static_cast<int16_t>(n - 2), ". . . .", "r- r6 r0 rs"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Form1->Picture1.hDC().fill(kBoard);
        set_popup({c.kind, c.seconds, c.points, c.column, 10, 3});
        show_points(popup_art, popup_sekunden);
        EXPECT_EQ(popup_now(), (Popup{c.kind, c.seconds, c.points, c.column_after, 10, 3.5}));
        const int x0 = 32 * (c.column_after - 1), y = 32 * 9 - 6;
        EXPECT_EQ(line_at(x0, y), c.points_line);
        EXPECT_EQ(line_at(x0, y - 22), c.seconds_line);
    }
}

// The popup rises a pixel a frame of board 1, over the cells just drawn, for 65 frames, then goes.
TEST_F(PopupTest, RisesWithEachFrameOfBoardOneForSixtyFiveFrames) {
    zeichne_spielfeld(0);
    const Image board = Form1->Picture2.Picture();
    const PictureStore& s = Form2.get();

    set_popup({.points = 5, .x = 3, .y = 12});
    std::vector<double> timer;
    for (int frame = 0; frame < 65; ++frame) {
        zeichne_spielfeld2(0);  // the computer's board does not move it
        zeichne_spielfeld(0);
        timer.push_back(popup_zeit);
        const int y = 32 * 11 - frame - 32;  // the shown box starts at row 2 of the buffer
        if (frame == 0 || frame == 64) {
            EXPECT_TRUE(shows_picture(Form1->Picture2.Picture(), 64, y,
                                      sprite_over(board, 64, y, s.Picture9[5].Picture(), s.Picture10[5].Picture())))
                << "frame " << frame;
        }
    }
    zeichne_spielfeld(0);
    EXPECT_EQ(values(timer.front(), timer[63], timer.back(), popup_zeit), values(0.5, 32, -1, -1));
    EXPECT_TRUE(Form1->Picture2.Picture().pixels == board.pixels);
}
}  // namespace
