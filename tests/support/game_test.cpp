#include "support/game_test.h"

#include "engine/board.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/fresh_start.h"

void GameTest::SetUp() { fresh_start(backend); }

void GameTest::TearDown() { leave_fresh_start(); }

void GameTest::new_game(int16_t difficulty) {
    schwierigkeit = difficulty;
    spiel_initialisieren();
    loesche_spielfeld();
    backend.sounds_played.clear();
}
