#include "engine/board.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "screens/menu_screen.h"
#include "screens/procedures.h"

namespace {
void wait_for_start_signal() {
    start_signal = kFalse;
    while (start_signal != kTrue) DoEvents();
    start_signal = kFalse;
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

void open_game() {
    spiel_initialisieren();
    show_uhr();
    steinfolge_erzeugen();
    SetCursorPos(799, 599);
    Form1->Show();
    // A replay opens its game without ever having shown the menu.
    if (Form3.loaded()) Form3->Hide();
    loesche_spielfeld();
    fuelle_reihen(start_reihen);
    startreihen_aufbauen();
    zeichne_spielfeld(1);
    zeichne_spielfeld2(1);
}

void programm_beenden() {
    release_sounds();
    Form1.Unload();
    Form2.Unload();
    aufloesung_setzen(alte_breite, alte_hoehe);
    EndProgram();
}
