#include "pictures/pictures.h"

bool draw_pictures(const std::filesystem::path&) { return true; }
