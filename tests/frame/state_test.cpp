#include "engine/state.h"

#include <string>

#include "frame/state.h"
#include "support/game_test.h"

namespace {
using ProgramState = GameTest;

// Every kind of global, and the first and last element of each array dimension.
TEST_F(ProgramState, ResetPutsEveryKindOfGlobalBackToItsStart) {
    restzeit = 77, level = 3, uhr_start = 9, spielfeld1(0, 0) = 5, spielfeld2(14, 20) = 5;
    tempo[0][0] = tempo[3][3] = folge[1000] = 4;
    hs_punkte[0][0][0] = hs_punkte[21][3][3] = 1;
    sound_pfad = hs_name[0][0][0] = hs_level[21][3][3] = "ZOE";
    reset_program_state();
    EXPECT_EQ(values(restzeit, level, uhr_start, spielfeld1(0, 0), spielfeld2(14, 20), tempo[0][0], tempo[3][3],
                     folge[1000], hs_punkte[0][0][0], hs_punkte[21][3][3]),
              values(0, 0, 0, 0, 0, 0, 0, 0, 0, 0));
    EXPECT_EQ(sound_pfad + hs_name[0][0][0] + hs_level[21][3][3], "");
}
}  // namespace
