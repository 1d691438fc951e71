#pragma once
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

// A board: signed 16-bit cells indexed (x 0..14, y 0..20). Columns 1..spalten are in play,
// row 1 is the hidden entry row, rows 2..18 are shown, rows 19 and 20 are the floor.
struct spielfeld {
    static constexpr int kColumns = 15;
    static constexpr int kRows = 21;
    std::array<int16_t, kColumns * kRows> cells{};

    int16_t& operator()(int x, int y) {
        assert(x >= 0 && x < kColumns && y >= 0 && y < kRows);
        return cells[static_cast<size_t>(x * kRows + y)];
    }
    int16_t operator()(int x, int y) const {
        assert(x >= 0 && x < kColumns && y >= 0 && y < kRows);
        return cells[static_cast<size_t>(x * kRows + y)];
    }
    bool operator==(const spielfeld&) const = default;
};

// Cell codes. Ranges are tested as ranges: 100 + c is a falling stone's target cell,
// 1000..1031 the cell it leaves (offset in pixels), 10000 + c a group member, 20000..20003 a
// vanishing cell, and each effect kind owns a block of ten codes of which the first three are used.
namespace feldwert {
constexpr int16_t leer = 0;
constexpr int16_t blockstein = 10;
constexpr int16_t reihenstein = 11;
constexpr int16_t kreuzstein = 12;
constexpr int16_t wand = 99;
constexpr int16_t fall_ziel = 100;
constexpr int16_t fall_quelle = 1000;
constexpr int16_t markiert = 10000;
constexpr int16_t verschwinden = 20000;
constexpr int16_t effekt_reihe = 30000;
constexpr int16_t effekt_links = 30010;
constexpr int16_t effekt_rechts = 30020;
constexpr int16_t effekt_oben = 30030;
constexpr int16_t effekt_unten = 30040;
constexpr int16_t effekt_kreuz = 30050;

// A settled cell: a stone, an attack stone, or wall and floor.
constexpr bool settled(int v) { return v >= 1 && v <= 99; }
// Cells below 100 are still and may be swapped.
constexpr bool still(int v) { return v < 100; }
}  // namespace feldwert

void loesche_spielfeld();
// Floor and side walls of both boards for the current column count; a column that has left
// play becomes wall, whatever it held.
void build_walls();
void fuelle_reihen(int16_t reihe);
