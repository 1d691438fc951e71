#include <algorithm>

#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "engine/state.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"

namespace {
struct Difficulty {
    int16_t columns, colours, start_rows, speed_class, computer;
};
// Start blockers (5 in rows 14..18, 10 in rows 12..18) are placed by fuelle_reihen.
constexpr Difficulty kDifficulties[3] = {
    {9, 6, 3, 2, 2},
    {9, 7, 5, 2, 3},
    {9, 8, 7, 3, 4},
};
}  // namespace

void set_column_values() {
    switch (spalten) {
        case 9: skala = 473; break;
        case 8: skala = 420; break;
        case 7: skala = 367; break;
        case 6: skala = 315; break;
        default: break;  // another column count keeps the scale
    }
    spielfeld_breite = static_cast<int16_t>(spalten * 32);
}

void place_boards() {
    Form1->Picture1.Width = spielfeld_breite;
    Form1->Picture2.Width = spielfeld_breite;
    Form1->Picture3.Width = spielfeld_breite;
    Form1->Picture4.Width = spielfeld_breite;
    Form1->Picture2.Top = 24;
    Form1->Picture2.Left = 200 - spielfeld_breite / 2;
    Form1->Picture4.Top = 24;
    Form1->Picture4.Left = 600 - spielfeld_breite / 2;
    Form1->Picture5.Top = 568;
    Form1->Picture5.Left = 200 - 288 / 2;
    Form1->Picture8.Top = 568;
    Form1->Picture8.Left = 600 - 288 / 2;
}

void spiel_initialisieren() {
    Randomize();
    tempo_stufe1 = tempo_stufe2 = 1;
    pos_x1 = 1, pos_y1 = 18;
    pos_x2 = 1, pos_y2 = 18;
    stand1 = 0;
    stand2 = 0;
    popup_zeit = -1;
    voll1 = voll2 = kFalse;
    gesamtpunkte = 0;
    level = 1;
    zaehl_intervall1 = zaehl_intervall2 = 150;
    letztes_ziel_x = letztes_ziel_y = -1000;
    getauscht = kFalse;
    gruppen1 = gruppen2 = 0;

    const Difficulty& d = kDifficulties[std::clamp<int>(schwierigkeit, 1, 3) - 1];
    spalten = d.columns;
    stein_arten = d.colours;
    start_reihen = d.start_rows;
    gruppen_ziel = 20;
    balken_schritt = 416.0f / 20.0f;
    balken_pos = 416;
    folge_zeiger[1] = folge_zeiger[2] = 0;
    tempo_klasse = d.speed_class;
    tempo_tabelle_setzen();
    intervall1 = tempo[tempo_klasse][tempo_stufe1];
    intervall2 = tempo[tempo_klasse][tempo_stufe2];
    computer_level = d.computer;
    level_werte_setzen();

    set_column_values();
    schwelle1 = skala;
    schwelle2 = skala;

    // The first use of the game screen creates it, hidden, and runs its load handler.
    place_boards();
    // The column and the meters start empty with their values: the last game's must not greet the next.
    Form1->Picture13.SetPicture(Form2->Picture13.Picture());
    draw_meters();
}
