#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/system.h"
#include "runtime/text.h"
#include "screens/highscore_screen.h"

namespace {
constexpr int16_t kGameOverSound = 13;
constexpr int kSpriteHalfWidth = 96;
constexpr int kLastSpriteTop = 468;  // the sprite's 75 rows end at the bottom of the 544-row box
constexpr int kShownRows = 544;      // board rows 2..18

// Puts the buffered board back over the sprite; the screen shows it at the next refresh.
void wipe_sprite() {
    BitBlt(Form1->Picture2.hDC(), 0, 0, spielfeld_breite, kShownRows, Form1->Picture1.Picture(), 0, 32, SRCCOPY);
}

// The sprite slides down the player's board, two pixels a frame, centred on the box.
void slide_game_over_sprite() {
    rt::PictureBox& board = Form1->Picture2;
    const Image& image = Form2->Picture15[0].Picture();
    const Image& mask = Form2->Picture15[1].Picture();
    for (int i = 0; i <= kLastSpriteTop; i += 2) {
        const int x = to_int32(board.Width / 2 - kSpriteHalfWidth);
        BitBlt(board.hDC(), x, i, mask.width, mask.height, mask, 0, 0, SRCAND);
        BitBlt(board.hDC(), x, i, image.width, image.height, image, 0, 0, SRCINVERT);
        board.Refresh();
        Sleep(25);
        // Every frame shows at a Sleep here, so the last wipe waits until after the pause
        // that keeps the sprite on screen.
        if (i < kLastSpriteTop) wipe_sprite();
    }
}

// The first place whose points the score beats, 0 for none; an equal score does not displace.
int16_t place_for(double score, int d, int t) {
    for (int16_t p = 1; p <= 20; ++p)
        if (score > hs_punkte[p][d][t]) return p;
    return 0;
}

void insert_entry(int16_t p, int d, int t) {
    // Place 21 takes the entry pushed out of place 20.
    for (int q = 20; q >= p; --q) {
        hs_punkte[q + 1][d][t] = hs_punkte[q][d][t];
        hs_name[q + 1][d][t] = hs_name[q][d][t];
        hs_zeit[q + 1][d][t] = hs_zeit[q][d][t];
        hs_level[q + 1][d][t] = hs_level[q][d][t];
    }
    hs_punkte[p][d][t] = gesamtpunkte;
    hs_name[p][d][t] = spieler_name;
    hs_zeit[p][d][t] = CStr(spielsekunden);
    hs_level[p][d][t] = CStr(level);
}
}  // namespace

void spielende() {
    play_sound(kGameOverSound);
    slide_game_over_sprite();
    // The score goes into the lists as last saved, not as they stand in memory.
    highscore_laden();
    Sleep(1500);
    wipe_sprite();

    const int d = schwierigkeit, t = spielzeit_wahl;
    const int16_t p = place_for(gesamtpunkte, d, t);
    if (p > 0) insert_entry(p, d, t);

    spiel_beendet = kTrue;
    hs_schwierigkeit = schwierigkeit;
    hs_spielzeit = spielzeit_wahl;
    neuer_rang = p;
    Form4->zeige_highscore(neuer_rang);
    SetCursorPos(400, 500);
    Form4->Show();
    Form1->Hide();
}
