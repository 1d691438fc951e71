#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

enum class FileStart { missing, read, failed };

// Which file a name stood for when it was looked at, and as it was then: a file saved over it
// since is another, and so is one written in place or made anew after a delete, which may be
// handed the freed inode number at once.
struct FileId {
    uint64_t device = 0, inode = 0;
    int64_t size = 0, modified_seconds = 0, modified_nanoseconds = 0;
    bool operator==(const FileId&) const = default;
};

// Reads at most max_bytes from the start of an ordinary file, or of the one a link names; whole
// tells whether that was all of it. missing when nothing at all is at path; failed, with the
// reason, when what is there cannot be read. A folder, FIFO or device is never opened. id tells
// which file was found, even one that could not be read; nullopt when none was.
FileStart read_file_start(const std::string& path, size_t max_bytes, std::string& bytes, bool& whole,
                          std::optional<FileId>& id, std::string& error);

// The file that a save to path replaces: path itself when an ordinary file or nothing is there,
// the file named by a link at path when that is an ordinary file. False, with the reason, for
// anything else, which a save leaves alone.
bool file_to_replace(const std::string& path, std::string& target, std::string& error);

enum class Keeping { kept, other_file, failed };

// Gives the file id a second name beside it, in place of any file of that name, as long as path
// still names it: other_file when path names another file or none. The bytes are not copied, so
// neither reading them nor a full disk can stop it, and replacing path later leaves them under
// the second name. The second name is made under a name of its own first and then renamed, so on
// failure, the reason given, any older file of that name is still there as it was. Nothing else is
// left beside them, also where name already was that file; what a keep that was killed left is
// removed by remove_left_new_files.
Keeping keep_as(const std::string& path, const FileId& id, const std::string& name, std::string& error);

// Writes a file whole or not at all: a new file of its own beside it, flushed to disk, then
// renamed over it. The new file keeps the old one's owner, group and permissions as far as the
// saving user may set them, and is always readable by its owner. On failure the old file is
// untouched and the reason is given. New files left beside it by a save that was killed are removed.
bool replace_file(const std::string& path, const std::string& bytes, std::string& error);

// Removes the new files that a save or keep to path left beside it when it was killed before
// its rename.
void remove_left_new_files(const std::string& path);
