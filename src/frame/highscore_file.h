#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>

// The layout of "highscore.dat": 180 lines of four double-quoted fields (points, name, seconds
// played, level) separated by commas, every line ended by CR LF, which reads as well without its
// CR. Every character of a field is stored one byte higher by kHighscoreShift; quotes, commas and
// line ends are not shifted.
constexpr int kHighscoreLines = 180;
constexpr int kHighscoreShift = 3;  // 2 would turn a space into a quote

struct HighscoreEntry {
    double points = 0;
    std::string name;
    std::string seconds;  // seconds played
    std::string level;
    bool operator==(const HighscoreEntry&) const = default;
};

// Where line 1..180 belongs: play time outermost, within it difficulty, within that place.
struct HighscoreSlot {
    int place, difficulty, play_time;
};
HighscoreSlot highscore_slot(int line);

using HighscoreLines = std::array<HighscoreEntry, kHighscoreLines>;

// The whole file. Names and seconds lose their end spaces; points and level are written as
// plain decimal numbers ("03" becomes "3").
std::string encode_highscore_file(const HighscoreLines& entries);

struct HighscoreReading {
    // Line n-1 holds line n's entry, or nothing when that line is missing or malformed.
    std::array<std::optional<HighscoreEntry>, kHighscoreLines> lines;
    int bad_lines = 0;           // lines of the 180 that are missing or malformed
    int not_plain_lines = 0;     // lines read whose points or level is not a plain decimal number
    bool trailing_data = false;  // anything after the 180th line end
    bool damaged() const { return bad_lines > 0 || not_plain_lines > 0 || trailing_data; }
};

// Reads each of the 180 lines by its position, so a damaged line costs only its own entry.
// A line is well-formed when it is four quoted fields whose values could be written back as they
// are read. Its points and level read as their leading numbers (0 when there is none), so "05"
// reads as 5; one that is not a plain decimal number, as the writer puts it, still reads so but
// is damage.
HighscoreReading decode_highscore_file(std::string_view bytes);
