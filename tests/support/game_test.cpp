#include "support/game_test.h"

#include "support/fresh_start.h"

void GameTest::SetUp() { fresh_start(backend); }

void GameTest::TearDown() { leave_fresh_start(); }
