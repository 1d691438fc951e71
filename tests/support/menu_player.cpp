#include "support/menu_player.h"

#include "frame/state.h"

void use_start_settings() {
    schwierigkeit = hs_schwierigkeit = 2;
    spielzeit_wahl = hs_spielzeit = 1;
    restzeit = 600;
}

void type_name(rt::TestBackend& backend, const std::string& name) {
    for (char c : name) backend.tap(c == ' ' ? vk::Space : static_cast<int>(c));
    backend.tap(vk::Return);
}

void start_from_menu(rt::TestBackend& backend, const std::string& name) {
    backend.click(menu_spot::kStart[0], menu_spot::kStart[1]);
    type_name(backend, name);
}
