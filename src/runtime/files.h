#pragma once
#include <cstddef>
#include <string>

// Reads at most max_bytes from the start of a file; whole tells whether that was all of it.
// False, with the reason, when the file cannot be read.
bool read_file_start(const std::string& path, size_t max_bytes, std::string& bytes, bool& whole, std::string& error);

// Writes a file whole or not at all: a new file beside it, flushed to disk, then renamed over
// the old one. On failure the old file is untouched and the reason is given.
bool replace_file(const std::string& path, const std::string& bytes, std::string& error);
