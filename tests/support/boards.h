#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "engine/board.h"

// Boards written as text, one string per row, from column 1:
// '.' empty, '1'..'9' colours, 'B' 'R' 'K' the attack stones (blockstein, reihenstein,
// kreuzstein), 'f' a stone of colour 5 falling into the cell, 'q' a cell a stone is leaving,
// 'm' a marked stone, 'v' a vanishing cell, 'e' an effect cell.
int16_t cell_code(char ch);
// Lays the rows onto a board; the last row given is row `bottom`.
void lay(spielfeld& board, const std::vector<std::string>& rows, int bottom = 18);
