// Writes every picture and sound of the game into the given assets folder.
#include <cstdio>
#include <filesystem>

#include "pictures/pictures.h"
#include "sounds/sounds.h"

int main(int argc, char** argv) {
    const std::filesystem::path assets = argc > 1 ? argv[1] : "assets";
    bool ok = draw_pictures(assets / "pictures");
    ok = synth_sounds(assets / "sound") && ok;
    if (!ok) {
        std::fprintf(stderr, "zandorix-assets: some assets could not be written\n");
        return 1;
    }
    return 0;
}
