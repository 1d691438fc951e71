#pragma once
#include <cstddef>
#include <string>

enum class FileStart { missing, read, failed };

// Reads at most max_bytes from the start of an ordinary file, or of the one a link names; whole
// tells whether that was all of it. missing when nothing at all is at path; failed, with the
// reason, when what is there cannot be read. A folder, FIFO or device is never opened.
FileStart read_file_start(const std::string& path, size_t max_bytes, std::string& bytes, bool& whole,
                          std::string& error);

// The file that a save to path replaces: path itself when an ordinary file or nothing is there,
// the file named by a link at path when that is an ordinary file. False, with the reason, for
// anything else, which a save leaves alone.
bool file_to_replace(const std::string& path, std::string& target, std::string& error);

// Gives the ordinary file at path a second name beside it, in place of any file of that name.
// The bytes are not copied: neither reading them nor a full disk can stop it, and replacing
// path later leaves them under the second name.
bool keep_as(const std::string& path, const std::string& name, std::string& error);

// Writes a file whole or not at all: a new file of its own beside it, flushed to disk, then
// renamed over it. On failure the old file is untouched and the reason is given. New files left
// beside it by a save that was killed are removed.
bool replace_file(const std::string& path, const std::string& bytes, std::string& error);
