#pragma once

// The menu's option buttons mirror the game settings (menu_screen.cpp).
void schwierigkeit_anzeigen();
void spielzeit_anzeigen();
