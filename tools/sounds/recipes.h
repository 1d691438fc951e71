#pragma once
// One recipe per sound of the game. Each returns the raw sound; its level is set
// afterwards by the sound table, so the recipes only care about shape and timbre.
#include "sounds/kit.h"

namespace snd {

Stereo cursor_tick();       // 0.wav
Stereo group_chime();       // 1.wav
Stereo swap_click();        // 2.wav
Stereo stone_thud();        // 3.wav
Stereo crumble();           // 4.wav
Stereo heavy_thud();        // 5.wav
Stereo clock_tick();        // 6.wav
Stereo alarm_two_tone();    // 7.wav
Stereo alarm_siren();       // 8.wav
Stereo falling_tone();      // 9.wav
Stereo fanfare();           // 10.wav
Stereo lead_change();       // 11.wav
Stereo game_over();         // 12.wav
Stereo highscore_button();  // 13.wav
Stereo menu_button();       // 14.wav
Stereo pause_tone();        // 15.wav

}  // namespace snd
