#include "engine/groups.h"

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
// What a group does differently on the two boards.
struct GroupTwin {
    int16_t sound;   // slot of a group
    int tile;        // progress tile: store cell tile of this colour
    int16_t leader;  // fuehrung while this side leads
    bool scores;     // points, popup and score: the player's board only
};
constexpr GroupTwin kTwin1{1, 1, 352, true};
constexpr GroupTwin kTwin2{12, 4, 416, false};
constexpr int16_t kLeadSound = 11;

// Attack stones never form a group.
bool farbstein(int v) {
    return feldwert::settled(v) && v != feldwert::blockstein && v != feldwert::reihenstein && v != feldwert::kreuzstein;
}

struct Cell {
    int x, y;
};

// One scan of the board: the first triple in scan order and every later triple sharing a cell
// with those taken. Marks go into the working copy only.
struct Scan {
    const spielfeld& board;
    spielfeld kopie{};
    int16_t zellen = 0;
    bool treffer = false;
    Cell last_triple{0, 0};  // first cell of the last triple taken

    explicit Scan(const spielfeld& b) : board(b) {
        for (int x = 1; x <= spalten; ++x)
            for (int y = 1; y <= 18; ++y) {
                const int16_t v = board(x, y);
                kopie(x, y) = v >= feldwert::verschwinden ? int16_t{-1} : v;
            }
    }

    bool marked(Cell c) const { return kopie(c.x, c.y) > feldwert::markiert; }

    void offer(int16_t colour, Cell a, Cell b, Cell c) {
        // A triple apart from the group found so far waits for a later check.
        if (treffer && !marked(a) && !marked(b) && !marked(c)) return;
        for (Cell cell : {a, b, c}) {
            if (!marked(cell)) ++zellen;
            kopie(cell.x, cell.y) = static_cast<int16_t>(feldwert::markiert + colour);
        }
        treffer = true;
        last_triple = a;
    }

    void run() {
        const spielfeld& B = board;
        for (int x = 1; x <= spalten; ++x)
            for (int y = 1; y <= 18; ++y) {
                const int16_t c = B(x, y);
                if (!farbstein(c)) continue;
                // Anything but an empty cell holds up a column, moving cells included.
                if (y <= 16 && B(x, y + 1) == c && B(x, y + 2) == c && B(x, y + 3) != feldwert::leer)
                    offer(c, {x, y}, {x, y + 1}, {x, y + 2});
                // A row needs settled cells under all three stones.
                if (x <= spalten - 2 && B(x + 1, y) == c && B(x + 2, y) == c && feldwert::settled(B(x, y + 1)) &&
                    feldwert::settled(B(x + 1, y + 1)) && feldwert::settled(B(x + 2, y + 1)))
                    offer(c, {x, y}, {x + 1, y}, {x + 2, y});
            }
    }
};

void send_attack(BoardSide& target, int16_t zellen) {
    const int16_t ii = attack_kind(zellen);
    if (target.number == 1) neuer_stein1(ii);
    else neuer_stein2(ii);
}

void add_progress_tile(const GroupTwin& twin) {
    BitBlt(Form1->Picture13.hDC(), 0, to_int16(balken_pos - 32), 32, 32, Form2->Picture1[twin.tile].hDC(), 0, 0,
           SRCCOPY);
    Form1->Picture13.Refresh();
    balken_pos = balken_pos - balken_schritt;
}

void lower_threshold(BoardSide& side, int16_t zellen) {
    side.schwelle -= zellen == 3 ? 3 : zellen == 4 ? 6 : 12;
    if (side.schwelle < skala / 2) side.schwelle = skala / 2;
    side.zuwachs = zuwachs_start;
}

void score_group(int16_t zellen) {
    int16_t points = static_cast<int16_t>(100 - fuellung1 + fuellung2);
    if (zellen == 4) points = static_cast<int16_t>(points * 2);
    if (zellen >= 5) points = static_cast<int16_t>(points * 4);
    popup_punkte = points;
    popup_zeit = 0;
    popup_art = 0;
    popup_sekunden = 0;
    gesamtpunkte = gesamtpunkte + popup_punkte;
    show_score();
}

// Resting row and cross stones go off at the first check that finds them resting.
void set_off_attack_stones(spielfeld& B) {
    for (int x = 1; x <= spalten; ++x)
        for (int y = 1; y <= 18; ++y) {
            if (B(x, y) == feldwert::reihenstein && feldwert::settled(B(x, y + 1))) B(x, y) = feldwert::effekt_reihe;
            if (B(x, y) == feldwert::kreuzstein && feldwert::settled(B(x, y + 1))) B(x, y) = feldwert::effekt_kreuz;
        }
}

void check_groups(BoardSide& side, const GroupTwin& twin) {
    Scan scan(side.board);
    scan.run();

    if (scan.treffer) {
        BoardSide& other = side.other();
        if (twin.scores) {
            popup_x = static_cast<int16_t>(scan.last_triple.x);
            popup_y = static_cast<int16_t>(scan.last_triple.y);
        }
        play_sound(twin.sound);
        ++side.gruppen;
        add_progress_tile(twin);
        if (side.gruppen > other.gruppen) {
            if (fuehrung != twin.leader) play_sound(kLeadSound);
            fuehrung = twin.leader;
        }
        send_attack(other, scan.zellen);
        lower_threshold(side, scan.zellen);
        if (twin.scores) score_group(scan.zellen);
        for (int x = 1; x <= spalten; ++x)
            for (int y = 1; y <= 18; ++y)
                if (scan.kopie(x, y) != -1) side.board(x, y) = scan.kopie(x, y);
        if (gruppen1 + gruppen2 >= gruppen_ziel) next_level();
    }

    set_off_attack_stones(side.board);
}
}  // namespace

int16_t attack_kind(int16_t zellen) { return zellen <= 3 ? 1 : zellen == 4 ? 2 : 3; }

void spielfeld_pruefen() { check_groups(side1(), kTwin1); }

void spielfeld_pruefen2() { check_groups(side2(), kTwin2); }
