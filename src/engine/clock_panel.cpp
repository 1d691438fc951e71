#include <string>

#include "engine/digits.h"
#include "engine/game_screen.h"
#include "engine/procedures.h"
#include "frame/picture_store.h"
#include "frame/procedures.h"
#include "frame/state.h"

namespace {
constexpr int kRedTiles = 40;
constexpr int16_t kTick = 6;
}  // namespace

void show_uhr() {
    // A penalty can take the clock below 0; it stops at 00:00.
    if (restzeit < 0) restzeit = 0;
    const int minutes = restzeit / 60;
    const int seconds = restzeit - 60 * minutes;
    // Like every digit panel, a field too narrow for its number shows the last digits; the
    // colour still tells a long clock from the last minute.
    const std::string text = field_digits(minutes, 2) + ":" + field_digits(seconds, 2);

    const PictureStore& store = Form2.get();
    rt::PictureBox& box = Form1->Picture14;
    BitBlt(box.hDC(), 0, 0, 104, 30, store.Picture14.Picture(), 0, 0, SRCCOPY);
    if (minutes < 1) play_sound(kTick);
    const int first_tile = minutes > 0 ? 0 : kRedTiles;
    // The background holds the colon.
    const struct { int character, x; } places[] = {{0, 2}, {1, 24}, {3, 56}, {4, 78}};
    for (const auto& p : places)
        BitBlt(box.hDC(), p.x, 4, 22, 22, store.Picture9[first_tile + digit_value(text[p.character])].Picture(), 0, 0,
               SRCCOPY);
    spielsekunden = spielsekunden + 1;
    box.Refresh();
}
