#include "frame/state.h"

#include <type_traits>

#include "engine/state.h"

namespace {
template <class T, size_t N>
void clear(T (&array)[N]) {
    for (auto& element : array) {
        if constexpr (std::is_array_v<T>) clear(element);
        else element = T{};
    }
}
}  // namespace

void reset_program_state() {
    sound_pfad.clear();
    alte_breite = alte_hoehe = 0;
    schwierigkeit = hs_schwierigkeit = spielzeit_wahl = hs_spielzeit = 0;
    restzeit = 0;
    uhr_rest = 0;
    spiel_beendet = start_signal = kFalse;
    games_started = 0;
    spielsekunden = 0;
    spalten = stein_arten = start_reihen = spielfeld_breite = 0;
    tempo_klasse = tempo_stufe1 = tempo_stufe2 = intervall1 = intervall2 = computer_level = 0;
    level = gesamtpunkte = 0;
    gruppen_ziel = 0;
    balken_schritt = 0;
    balken_pos = skala = 0;
    clear(tempo);
    fall_intervall = 0;
    zuwachs_beschl = zuwachs_start = 0;
    zug_intervall = zug_intervall_kurz = 0;
    zug_frueh_chance = zug_chance = taktik_chance = 0;
    taktik_an = 0;
    clear(tempo_schwellen);
    clear(folge);
    clear(folge_spalte);
    clear(folge_zeiger);
    clear(hs_punkte);
    clear(hs_name);
    clear(hs_zeit);
    clear(hs_level);
    spieler_name.clear();
    neuer_rang = 0;
    eingabe_fertig = kFalse;

    spielfeld1 = spielfeld2 = blink_zaehler1 = blink_zaehler2 = spielfeld{};
    pos_x1 = pos_y1 = pos_x2 = pos_y2 = 0;
    ziel_x = ziel_y = letztes_ziel_x = letztes_ziel_y = 0;
    getauscht = neu_zeichnen = 0;
    fuehrung = 0;
    gruppen1 = gruppen2 = 0;
    stand1 = stand2 = schwelle1 = schwelle2 = zuwachs1 = zuwachs2 = 0;
    zaehl_intervall1 = zaehl_intervall2 = 0;
    popup_art = popup_sekunden = 0;
    popup_punkte = popup_zeit = 0;
    popup_x = popup_y = 0;
    voll1 = voll2 = fuellung1 = fuellung2 = 0;
    uhr_start = 0;
}
