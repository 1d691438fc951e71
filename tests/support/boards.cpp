#include "support/boards.h"

#include <stdexcept>

#include "frame/state.h"

int16_t cell_code(char ch) {
    using namespace feldwert;
    if (ch >= '1' && ch <= '9') return static_cast<int16_t>(ch - '0');
    switch (ch) {
        case '.': return leer;
        case 'B': return blockstein;
        case 'R': return reihenstein;
        case 'K': return kreuzstein;
        case 'f': return fall_ziel + 5;
        case 'q': return fall_quelle + 10;
        case 'm': return markiert + 6;
        case 'v': return verschwinden + 1;
        case 'e': return effekt_reihe + 1;
    }
    throw std::invalid_argument(std::string("no cell is written '") + ch + "'");
}

void lay(spielfeld& board, const std::vector<std::string>& rows, int bottom) {
    int y = bottom - static_cast<int>(rows.size()) + 1;
    for (const std::string& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) board(static_cast<int>(i) + 1, y) = cell_code(row[i]);
        ++y;
    }
}

void put(spielfeld& board, const std::vector<Cell>& cells) {
    for (const Cell& c : cells) board(c.x, c.y) = c.code;
}

void settle(spielfeld& board, int count, int16_t code) {
    for (int y = 18; y >= 2 && count > 0; --y)
        for (int x = 1; x <= spalten && count > 0; ++x, --count) board(x, y) = code;
}

BoardSide& side(int number) { return number == 1 ? side1() : side2(); }

void PrintTo(const spielfeld& board, std::ostream* out) {
    for (int y = 0; y < spielfeld::kRows; ++y) {
        *out << "\n ";
        for (int x = 0; x < spielfeld::kColumns; ++x) *out << ' ' << board(x, y);
    }
}
