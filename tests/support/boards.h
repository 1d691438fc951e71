#pragma once
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "engine/board.h"
#include "engine/side.h"

// Boards written as text, one string per row, from column 1:
// '.' empty, '1'..'9' colours, 'B' 'R' 'K' the attack stones (blockstein, reihenstein,
// kreuzstein), 'f' a stone of colour 5 falling into the cell, 'q' a cell a stone is leaving,
// 'm' a marked stone, 'v' a vanishing cell, 'e' an effect cell.
int16_t cell_code(char ch);
// Lays the rows onto a board; the last row given is row `bottom`.
void lay(spielfeld& board, const std::vector<std::string>& rows, int bottom = 18);

// One cell with its code, for boards that text cannot write.
struct Cell {
    int x, y;
    int16_t code = 0;
};
void put(spielfeld& board, const std::vector<Cell>& cells);
// Fills `count` cells of the play area with `code`, row by row from the bottom, left to right.
void settle(spielfeld& board, int count, int16_t code = 5);

// The player's side (1) or the computer's (2).
BoardSide& side(int number);

// A failed comparison shows the board's rows.
void PrintTo(const spielfeld& board, std::ostream* out);
