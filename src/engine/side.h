#pragma once
#include <cstdint>

#include "engine/board.h"
#include "runtime/controls.h"

// What differs between the player's board (1) and the computer's (2). Twin procedures keep
// their names as entry points and share one implementation that takes a side.
struct BoardSide {
    int number;  // 1 player, 2 computer
    spielfeld& board;
    spielfeld& blink;
    int16_t& pos_x;
    int16_t& pos_y;
    int16_t& folge_zeiger;
    int16_t& fuellung;
    int16_t& voll;
    int16_t& gruppen;
    double& stand;
    double& schwelle;
    double& zuwachs;
    int16_t& intervall;
    int16_t& tempo_stufe;

    BoardSide& other() const;
    rt::PictureBox& buffer() const;   // off-screen buffer, rows 1..18
    rt::PictureBox& display() const;  // visible box, rows 2..18
    rt::PictureBox& meter() const;    // attack-stone meter box
};

BoardSide& side1();
BoardSide& side2();
