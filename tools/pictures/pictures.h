#pragma once
#include <filesystem>

// Draws every picture of the game as PNG files under dir. Returns false on any failure.
bool draw_pictures(const std::filesystem::path& dir);
