#include "engine/state.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"

void tempo_tabelle_setzen() {
    struct Class {
        int16_t steps[3];
        int16_t fall_ms;
        double growth;
    };
    // Milliseconds between new stones: 2500 - 250 × (class + step).
    static constexpr Class classes[3] = {
        {{2000, 1750, 1500}, 30, 0.001},
        {{1750, 1500, 1250}, 27, 0.002},
        {{1500, 1250, 1000}, 24, 0.003},
    };
    for (int k = 1; k <= 3; ++k) {
        const Class& row = classes[k - 1];
        for (int s = 1; s <= 3; ++s) tempo[k][s] = row.steps[s - 1];
        if (tempo_klasse == k) {
            fall_intervall = row.fall_ms;
            zuwachs_beschl = row.growth;
        }
    }
    zuwachs_start = 0.02;
    zuwachs1 = zuwachs_start;
    zuwachs2 = zuwachs_start;
}

void level_werte_setzen() {
    struct Strength {
        int16_t interval, short_interval;
        double early_chance, move_chance, tactic_chance;
        int16_t tactic_on;
        int16_t thresholds[3];
    };
    static constexpr Strength levels[7] = {
        {230, 200, 0.3, 0.6, 0.5, 0, {20, 50, 75}},    {200, 180, 0.3, 0.65, 0.6, 0, {50, 70, 80}},
        {200, 180, 0.4, 0.75, 0.7, 0, {60, 80, 90}},   {190, 170, 0.45, 0.75, 0.75, 1, {70, 80, 90}},
        {180, 160, 0.5, 0.85, 0.85, 1, {80, 90, 100}}, {175, 150, 0.6, 1, 1, 1, {100, 100, 100}},
        {170, 140, 0.7, 1, 1, 1, {100, 100, 100}},
    };
    if (computer_level < 1 || computer_level > 7) return;
    const Strength& row = levels[computer_level - 1];
    zug_intervall = row.interval;
    zug_frueh_chance = row.early_chance;
    zug_intervall_kurz = row.short_interval;
    zug_chance = row.move_chance;
    taktik_chance = row.tactic_chance;
    taktik_an = row.tactic_on;
    for (int i = 0; i < 3; ++i) tempo_schwellen[i + 1] = row.thresholds[i];
}

void steinfolge_erzeugen() {
    Randomize();
    for (int n = 1; n <= 1000; ++n) {
        folge[n] = static_cast<int16_t>(static_cast<int>(Rnd() * static_cast<float>(stein_arten)) + 1);
        folge_spalte[n] = static_cast<int16_t>(static_cast<int>(Rnd() * static_cast<float>(spalten)) + 1);
    }
}
