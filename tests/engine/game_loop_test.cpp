#include "engine/game_loop.h"

#include <algorithm>
#include <vector>

#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/boards.h"
#include "support/game_test.h"

namespace {
constexpr uint32_t kStart = 10000;

class GameLoopTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        new_game(2);
        steinfolge_erzeugen();
        restzeit = 600;
        // Distinct intervals per board, so that a mix-up of the twins shows.
        fall_intervall = 27;
        intervall1 = 1750;
        intervall2 = 1500;
        zaehl_intervall1 = 150;
        zaehl_intervall2 = 160;
        zug_intervall = 200;
        zug_intervall_kurz = 180;
        zug_frueh_chance = 0;
        zug_chance = 0;
        // The computer's fill rule keeps intervall2 as set.
        tempo_schwellen[1] = tempo_schwellen[2] = tempo_schwellen[3] = 0;
        backend.clock = kStart;
    }

    // Runs passes until pred holds; returns the milliseconds since `from` at that pass.
    template <class Pred>
    int64_t run_until(StepTimes& t, uint32_t from, Pred pred) {
        for (int pass = 0; pass < 5000; ++pass) {
            loop_pass(t);
            if (pred()) return static_cast<int64_t>(timeGetTime()) - from;
        }
        ADD_FAILURE() << "never happened";
        return -1;
    }

    // One pass with the key newly pressed, then let go.
    void pass_pressing(StepTimes& t, int key) {
        backend.key_down(key);
        loop_pass(t);
        backend.key_up(key);
    }
};

TEST_F(GameLoopTest, EachTimedStepRunsOnceMoreThanItsIntervalHasPassed) {
    struct Case {
        const char* step;
        uint32_t StepTimes::*time;
        double early_chance;
        int first_run;  // ms after the loop's start
    };
    const Case cases[] = {
        {"gravity", &StepTimes::gravity, 0, 28},           {"new stone 1", &StepTimes::stone1, 0, 1751},
        {"new stone 2", &StepTimes::stone2, 0, 1501},      {"meter 1", &StepTimes::meter1, 0, 151},
        {"meter 2", &StepTimes::meter2, 0, 161},           {"computer", &StepTimes::computer, 0, 201},
        {"computer, early", &StepTimes::computer, 1, 181},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        zug_frueh_chance = c.early_chance;
        const uint32_t start = backend.clock;
        StepTimes t = loop_start();
        const int64_t first = run_until(t, start, [&] { return t.*c.time != start; });
        EXPECT_EQ(first, c.first_run);
        EXPECT_EQ(t.*c.time, backend.clock);
        // Timed from the end of its step, the next run comes one interval plus one later.
        const uint32_t last = t.*c.time;
        EXPECT_EQ(run_until(t, last, [&] { return t.*c.time != last; }), c.first_run);
    }
}

TEST_F(GameLoopTest, ClockSecondCarriesWhatAPassOverran) {
    StepTimes t = loop_start();
    EXPECT_EQ(run_until(t, kStart, [] { return restzeit == 599; }), 1000);  // at least a second
    EXPECT_EQ(uhr_rest, 0);
    // One slow pass ends the next second 30 ms late...
    const uint32_t second = backend.clock;
    backend.advance(1029);
    loop_pass(t);
    EXPECT_EQ(values(restzeit, uhr_rest, uhr_start), values(598, 30, second + 1030));
    // ...and the one after it 30 ms early.
    EXPECT_EQ(run_until(t, uhr_start, [] { return restzeit == 597; }), 970);
    EXPECT_EQ(uhr_rest, 0);
}

// Records, for every frame shown, whether the "Pause" caption behind board 1 can be seen.
class PauseRecorder : public rt::TestBackend {
public:
    int probe_x = 0, probe_y = 0;
    uint32_t caption = 0;
    std::vector<bool> caption_seen;
    void present(const Image& shown, const std::vector<Rect>& rects) override {
        TestBackend::present(shown, rects);
        caption_seen.push_back(shown.at(probe_x, probe_y) == caption);
    }
};

TEST_F(GameLoopTest, PauseHidesTheBoardAndRestartsTheClockSecond) {
    PauseRecorder screen;
    screen.clock = kStart;
    rt::install_backend(&screen);
    Form1->Show();
    const Image& art = Form1->Picture20.Picture();
    for (int i = 0; i < art.width * art.height && screen.caption == 0; ++i) {
        screen.probe_x = i % art.width;
        screen.probe_y = i / art.width;
        screen.caption = art.at(screen.probe_x, screen.probe_y);
    }
    ASSERT_NE(screen.caption, 0u);
    screen.probe_x += 150;
    screen.probe_y += 285;

    StepTimes t = loop_start();
    uhr_rest = 300;
    screen.key_down(vk::P, kStart);
    screen.key_up(vk::P, kStart + 40);
    screen.key_down(vk::P, kStart + 3000);  // P again ends the pause
    loop_pass(t);

    EXPECT_EQ(screen.sounds_played, (std::vector<int>{16, 16}));
    // The paused screen was shown with the board hidden; the resumed one shows it again.
    EXPECT_NE(std::find(screen.caption_seen.begin(), screen.caption_seen.end(), true), screen.caption_seen.end());
    ASSERT_FALSE(screen.caption_seen.empty());
    EXPECT_FALSE(screen.caption_seen.back());
    EXPECT_TRUE(Form1->Picture2.Visible);
    // 250 ms after the second press every timed step has run once, and no second was counted.
    const uint32_t resumed = kStart + 3250;
    EXPECT_EQ(values(screen.clock, uhr_start, uhr_rest, restzeit, folge_zeiger[1], folge_zeiger[2]),
              values(resumed, resumed, 0, 600, 1, 1));
    EXPECT_EQ(values(t.computer, t.gravity, t.stone1, t.stone2, t.meter1, t.meter2), std::vector<double>(6, resumed));
    rt::install_backend(&backend);
}

// The arrows move the cursor within the board, a refused step silently; Page Up and Page Down
// move the speed step within 1 to 3 and set board 1's interval, also where the step stays.
TEST_F(GameLoopTest, KeysMoveTheCursorAndTheSpeedStepWithinTheirBounds) {
    struct Case {
        int key;
        int16_t x, y, step, x_after, y_after, step_after;
    };
    const Case cases[] = {
        {vk::Up, 4, 3, 2, 4, 2, 2},       {vk::Up, 4, 2, 2, 4, 2, 2},       {vk::Down, 4, 17, 2, 4, 18, 2},
        {vk::Down, 4, 18, 2, 4, 18, 2},   {vk::Right, 7, 9, 2, 8, 9, 2},    {vk::Right, 8, 9, 2, 8, 9, 2},
        {vk::Left, 2, 9, 2, 1, 9, 2},     {vk::Left, 1, 9, 2, 1, 9, 2},     {vk::PageUp, 4, 9, 1, 4, 9, 2},
        {vk::PageUp, 4, 9, 3, 4, 9, 3},   {vk::PageDown, 4, 9, 3, 4, 9, 2}, {vk::PageDown, 4, 9, 2, 4, 9, 1},
        {vk::PageDown, 4, 9, 1, 4, 9, 1},
    };
    StepTimes t = loop_start();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "key " << c.key << " at " << c.x << "," << c.y << " step " << c.step);
        pos_x1 = c.x, pos_y1 = c.y, tempo_stufe1 = c.step;
        intervall1 = 1;
        backend.sounds_played.clear();
        pass_pressing(t, c.key);
        const bool speed = c.key == vk::PageUp || c.key == vk::PageDown;
        EXPECT_EQ(values(pos_x1, pos_y1, tempo_stufe1, intervall1, intervall2),
                  values(c.x_after, c.y_after, c.step_after, speed ? tempo[tempo_klasse][c.step_after] : 1, 1500));
        const bool moved = c.x != c.x_after || c.y != c.y_after;
        EXPECT_EQ(backend.sounds_played, (moved ? std::vector<int>{0} : std::vector<int>{}));
    }
    EXPECT_EQ(values(pos_x2, pos_y2), values(1, 18));
}

// A tap between two polls is missed, and a held key counts once.
TEST_F(GameLoopTest, OnlyANewPressOfAKeyCounts) {
    StepTimes t = loop_start();
    pos_y1 = 10;
    backend.tap(vk::Up);
    loop_pass(t);
    backend.key_down(vk::Up);
    loop_pass(t);
    loop_pass(t);
    backend.key_up(vk::Up);
    loop_pass(t);
    pass_pressing(t, vk::Up);
    EXPECT_EQ(pos_y1, 8);
}

TEST_F(GameLoopTest, SpaceSwapsOnlyStillCells) {
    struct Case {
        int16_t left, right;
        bool swaps;
    };
    const Case cases[] = {
        {3, 5, true},     {0, 0, true},      {10, 12, true},    {99, 4, true},         {103, 0, false},
        {2, 1010, false}, {10004, 3, false}, {6, 20000, false}, {30050, 30050, false},
    };
    StepTimes t = loop_start();
    pos_x1 = 4, pos_y1 = 12;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.left << " " << c.right);
        spielfeld1(4, 12) = c.left;
        spielfeld1(5, 12) = c.right;
        backend.sounds_played.clear();
        pass_pressing(t, vk::Space);
        EXPECT_EQ(spielfeld1(4, 12), c.swaps ? c.right : c.left);
        EXPECT_EQ(spielfeld1(5, 12), c.swaps ? c.left : c.right);
        EXPECT_EQ(backend.sounds_played, (c.swaps ? std::vector<int>{2} : std::vector<int>{}));
    }
}

TEST_F(GameLoopTest, ComputerStepsTowardItsTargetAndSwapsThere) {
    struct Case {
        const char* what;
        int16_t x, y, target_x, target_y;
        int16_t cell;  // right-hand cell at the target
        int16_t x_after, y_after, target_x_after;
        std::vector<int> sounds;
        bool swapped;
    };
    const Case cases[] = {
        {"no target", 3, 10, -1, 12, 4, 3, 10, -1, {}, false},
        {"column first", 3, 10, 5, 12, 4, 4, 10, 5, {0}, false},
        {"then the row", 5, 10, 5, 12, 4, 5, 11, 5, {0}, false},
        {"row upward", 5, 13, 5, 12, 4, 5, 12, 5, {0, 2}, true},
        {"target in the last column", 8, 12, 9, 12, 4, 8, 12, 8, {2}, true},
        {"target beyond the board", 6, 12, 14, 12, 4, 7, 12, 8, {0}, false},
        {"swap refused", 5, 12, 5, 12, 1004, 5, 12, 5, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loesche_spielfeld();
        backend.sounds_played.clear();
        pos_x2 = c.x, pos_y2 = c.y;
        ziel_x = c.target_x, ziel_y = c.target_y;
        getauscht = kFalse;
        const int16_t right_x = c.target_x_after < 0 ? 1 : c.target_x_after;
        spielfeld2(right_x, c.target_y) = 7;
        spielfeld2(right_x + 1, c.target_y) = c.cell;
        computer_move();
        EXPECT_EQ(values(pos_x2, pos_y2, ziel_x, getauscht),
                  values(c.x_after, c.y_after, c.target_x_after, c.swapped ? kTrue : kFalse));
        EXPECT_EQ(backend.sounds_played, c.sounds);
        EXPECT_EQ(spielfeld2(right_x, c.target_y), c.swapped ? c.cell : 7);
    }
}

TEST_F(GameLoopTest, ComputersIntervalFollowsTheFillOfItsBoard) {
    // 8 columns: 136 cells, so 68 settled cells are exactly 50 % and 102 exactly 75 %.
    struct Case {
        int settled;
        int16_t interval_after;
    };  // interval_after 1: kept
    const Case cases[] = {{0, 1000}, {67, 1000}, {68, 1250}, {101, 1250}, {102, 1500}, {135, 1500}, {136, 1}};
    spalten = 8;
    tempo_klasse = 3;
    tempo_schwellen[1] = 50, tempo_schwellen[2] = 75, tempo_schwellen[3] = 100;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.settled);
        loesche_spielfeld();
        settle(spielfeld2, c.settled, feldwert::blockstein);
        settle(spielfeld2, c.settled / 2, 3);
        // Neither the entry row nor cells in motion or animation count, nor the player's board.
        for (int x = 1; x <= 8; ++x) spielfeld2(x, 1) = 4;
        if (c.settled < 120) put(spielfeld2, {{1, 2, 1010}, {2, 2, 104}, {3, 2, 10004}, {4, 2, 20000}, {5, 2, 30021}});
        settle(spielfeld1, 136);
        intervall2 = 1;
        schneller_oder_nicht();
        EXPECT_EQ(intervall2, c.interval_after);
    }
}

TEST_F(GameLoopTest, ProgressColumnCreepsTowardTheLeaderOnGravityTicks) {
    struct Case {
        int16_t leader;
        double left, left_after;
    };
    const Case cases[] = {
        {0, 385, 385},   {352, 385, 384}, {352, 353, 352}, {352, 352, 352}, {352, 340, 340},
        {416, 385, 386}, {416, 415, 416}, {416, 416, 416}, {416, 420, 420},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "leader " << c.leader << " at " << c.left);
        fuehrung = c.leader;
        Form1->Picture13.Left = c.left;
        StepTimes t = loop_start();
        loop_pass(t);  // no gravity tick yet: the column stays
        EXPECT_EQ(Form1->Picture13.Left, c.left);
        backend.advance(fall_intervall);
        loop_pass(t);
        ASSERT_NE(t.gravity, kStart);
        EXPECT_EQ(Form1->Picture13.Left, c.left_after);
        backend.clock = kStart;
    }
}

// The loop runs its passes until Escape ends the program, and not at all once the game has ended
// (where a fault would run on, the Escape it meets ends it).
TEST_F(GameLoopTest, LoopRunsUntilEscapeOrTheGamesEnd) {
    backend.key_down(vk::Escape, kStart + 6500);
    EXPECT_TRUE(ends_program([] { spiel_lauft(); }));
    EXPECT_EQ(values(backend.clock, restzeit), values(kStart + 6500, 594));
    spiel_beendet = kTrue;
    backend.key_up(vk::Escape, kStart + 8000);
    backend.key_down(vk::Escape, kStart + 9000);
    EXPECT_FALSE(ends_program([] { spiel_lauft(); }));
    EXPECT_EQ(backend.clock, kStart + 6500);
}
}  // namespace
