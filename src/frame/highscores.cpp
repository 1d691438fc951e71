#include <cstdio>
#include <optional>

#include "frame/highscore_file.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/files.h"
#include "runtime/system.h"
#include "runtime/text.h"

namespace {
// A whole file is some 7 KB; anything much larger is damaged and is not read to its end.
constexpr size_t kMostBytesRead = 64 * 1024;

std::string highscore_path() { return AppPath() + "/highscore.dat"; }

// The file that the last load found damaged or could not read, none when it loaded whole or was
// not there: the next save keeps it aside before replacing it, unless another file (saved by
// another copy of the game, say) has taken its place meanwhile.
struct NotLoadedWhole {
    std::string path;
    FileId file;
};
std::optional<NotLoadedWhole> not_loaded_whole;

HighscoreEntry default_entry(const HighscoreSlot& s) {
    return {8500.0 + 2000 * s.play_time - 500 * s.place, "Kelvaro", CStr(600 * s.play_time), "1"};
}

void store(const HighscoreSlot& s, const HighscoreEntry& e) {
    hs_punkte[s.place][s.difficulty][s.play_time] = e.points;
    hs_name[s.place][s.difficulty][s.play_time] = e.name;
    hs_zeit[s.place][s.difficulty][s.play_time] = e.seconds;
    hs_level[s.place][s.difficulty][s.play_time] = e.level;
}

HighscoreEntry stored(const HighscoreSlot& s) {
    return {hs_punkte[s.place][s.difficulty][s.play_time], hs_name[s.place][s.difficulty][s.play_time],
            hs_zeit[s.place][s.difficulty][s.play_time], hs_level[s.place][s.difficulty][s.play_time]};
}
}  // namespace

void highscore_laden() {
    // Whatever the file lacks keeps its default entry.
    for (int line = 1; line <= kHighscoreLines; ++line)
        store(highscore_slot(line), default_entry(highscore_slot(line)));

    const std::string path = highscore_path();
    not_loaded_whole.reset();
    std::string bytes, error;
    bool whole = false;
    std::optional<FileId> file;
    switch (read_file_start(path, kMostBytesRead, bytes, whole, file, error)) {
        case FileStart::missing: return;
        case FileStart::failed:
            if (file) not_loaded_whole = {path, *file};
            std::fprintf(stderr, "zandorix: %s; the high scores start from the default lists\n", error.c_str());
            return;
        case FileStart::read: break;
    }
    const HighscoreReading reading = decode_highscore_file(bytes);
    for (int line = 1; line <= kHighscoreLines; ++line) {
        const auto& entry = reading.lines[static_cast<size_t>(line - 1)];
        if (entry) store(highscore_slot(line), *entry);
    }
    // The file is left as it is until the next save, which keeps it aside.
    if (reading.damaged() || !whole) not_loaded_whole = {path, *file};
    if (reading.bad_lines > 0 || reading.not_plain_lines > 0) {
        const std::string of_its = " of its " + std::to_string(kHighscoreLines) + " lines";
        std::string found;
        if (reading.bad_lines > 0)
            found = std::to_string(reading.bad_lines) + of_its + " are missing or unreadable and hold default entries";
        if (reading.not_plain_lines > 0) {
            found += found.empty() ? std::to_string(reading.not_plain_lines) + of_its
                                   : ", and " + std::to_string(reading.not_plain_lines);
            found += " hold a number that is not plain and read as its leading number";
        }
        std::fprintf(stderr, "zandorix: the high-score file %s is damaged: %s until the next save\n", path.c_str(),
                     found.c_str());
    } else if (reading.trailing_data || !whole) {
        std::fprintf(stderr, "zandorix: the high-score file %s is damaged: what follows its %d lines is ignored\n",
                     path.c_str(), kHighscoreLines);
    }
}

void highscore_speichern() {
    HighscoreLines entries;
    for (int line = 1; line <= kHighscoreLines; ++line)
        entries[static_cast<size_t>(line - 1)] = stored(highscore_slot(line));
    const std::string path = highscore_path();
    std::string target, error;
    const auto not_saved = [&] {
        std::fprintf(stderr, "zandorix: the high scores were not saved (%s); %s is unchanged\n", error.c_str(),
                     path.c_str());
    };
    if (!file_to_replace(path, target, error)) return not_saved();
    // What the program could not read may still be worth something to the player.
    const std::string kept = target + ".damaged";
    remove_left_new_files(kept);  // a keep killed before its rename left a link
    const Keeping keeping = not_loaded_whole && not_loaded_whole->path == path
                                ? keep_as(target, not_loaded_whole->file, kept, error)
                                : Keeping::other_file;
    if (keeping == Keeping::failed) return not_saved();
    if (!replace_file(target, encode_highscore_file(entries), error)) return not_saved();
    not_loaded_whole.reset();
    if (keeping == Keeping::kept) {
        std::fprintf(stderr, "zandorix: the high scores are saved; the file they replaced is kept as %s\n",
                     kept.c_str());
    }
}
