#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "screens/highscore_screen.h"
#include "screens/menu_screen.h"
#include "screens/name_entry.h"
#include "screens/procedures.h"

namespace {
// The menu's Start is the only writer of true; handlers of every screen run meanwhile.
void wait_for_start_signal() {
    start_signal = kFalse;
    // Nothing runs on a clock in the menu: the loop sleeps until input comes.
    while (start_signal != kTrue) rt::wait_events();
    start_signal = kFalse;
    ++games_started;
}
}  // namespace

void Main() {
    sound_pfad = AppPath() + "/sound/";
    const DisplaySize screen = rt::backend().display_size();
    alte_breite = static_cast<float>(screen.width);
    alte_hoehe = static_cast<float>(screen.height);
    aufloesung_setzen(800, 600);
    SetCursorPos(799, 599);
    schwierigkeit = 2;
    hs_schwierigkeit = 2;
    hs_spielzeit = 1;
    spielzeit_wahl = 1;
    highscore_laden();
    spiel_initialisieren();
    restzeit = 600;
    create_sound_device();
    spiel_beendet = kFalse;
    SetCursorPos(400, 300);
    Form3->Show();
    schwierigkeit_anzeigen();
    spielzeit_anzeigen();
    spielsekunden = -1;

    wait_for_start_signal();
    open_game();
    spiel_lauft();
}

void neues_spiel_starten() {
    SetCursorPos(400, 300);
    Form1->Picture16[0].Visible = true;
    Form1->Picture16[1].Visible = true;
    // The list last shown gives the clock until the menu's play time is chosen.
    restzeit = static_cast<int16_t>(hs_spielzeit * 600);
    Form3->Show();
    schwierigkeit_anzeigen();
    spielzeit_anzeigen();
    uhr_rest = 0;

    wait_for_start_signal();
    open_game(true);
    // Cleared only now: until this game's loop begins, OK on the high-score screen still leads here.
    spiel_beendet = kFalse;
    spielsekunden = 0;
    spiel_lauft();
}

void open_game(bool redraw_panels) {
    spiel_initialisieren();
    show_uhr();
    steinfolge_erzeugen();
    SetCursorPos(799, 599);
    Form1->Show();
    Form3->Hide();
    // A later game's panels still show the last game's values; the first game's are fresh.
    if (redraw_panels) {
        show_score();
        show_speed();
        show_speed2();
        show_level();
    }
    loesche_spielfeld();
    fuelle_reihen(start_reihen);
    startreihen_aufbauen();
    zeichne_spielfeld(1);
    zeichne_spielfeld2(1);
}

void programm_beenden() {
    release_sounds();
    Form3.Unload();
    Form1.Unload();
    Form2.Unload();
    Form4.Unload();
    Form6.Unload();
    aufloesung_setzen(alte_breite, alte_hoehe);
    EndProgram();
}
