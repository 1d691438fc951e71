#include "frame/highscore_file.h"

#include "runtime/text.h"

namespace {
constexpr char kQuote = '"';

// A byte that the shift would turn into a quote or a line end, or that leaves 0..255,
// cannot be stored.
bool storable(int shifted) { return shifted <= 255 && shifted != kQuote && shifted != '\r' && shifted != '\n'; }

std::string shift_up(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const int shifted = static_cast<unsigned char>(c) + kHighscoreShift;
        // Leaving the character out keeps the line readable; a name never holds such a character.
        if (storable(shifted)) out += static_cast<char>(shifted);
    }
    return out;
}

bool shift_down(std::string_view stored, std::string& text) {
    text.clear();
    for (const char c : stored) {
        const int byte = static_cast<unsigned char>(c);
        if (byte < kHighscoreShift || !storable(byte)) return false;
        text += static_cast<char>(byte - kHighscoreShift);
    }
    return true;
}

// A number as the writer puts it: an optional minus, digits, and an optional point with digits.
// Anything else in a number field is damage, a flipped bit in a digit included, even where its
// leading number still reads; and a value whose text has an exponent would not read back.
bool decimal_number(std::string_view text) {
    size_t at = text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        const size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9') ++at;
        return at > from;
    };
    if (!digits()) return false;
    if (at < text.size() && text[at] == '.') {
        ++at;
        if (!digits()) return false;
    }
    return at == text.size();
}

// plain tells whether a line that reads has plain decimal numbers for its points and level.
std::optional<HighscoreEntry> decode_line(std::string_view line, bool& plain) {
    // Written with CR LF, read with or without the CR: a copy may have lost it.
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::array<std::string, 4> fields;
    size_t at = 0;
    for (size_t f = 0; f < fields.size(); ++f) {
        if (f > 0 && (at >= line.size() || line[at++] != ',')) return std::nullopt;
        if (at >= line.size() || line[at] != kQuote) return std::nullopt;
        const size_t close = line.find(kQuote, at + 1);
        if (close == std::string_view::npos) return std::nullopt;
        if (!shift_down(line.substr(at + 1, close - at - 1), fields[f])) return std::nullopt;
        at = close + 1;
    }
    if (at != line.size()) return std::nullopt;

    plain = decimal_number(fields[0]) && decimal_number(fields[3]);
    HighscoreEntry entry;
    entry.points = Val(fields[0]);
    entry.name = fields[1];
    entry.seconds = fields[2];
    entry.level = CStr(Val(fields[3]));
    if (!decimal_number(CStr(entry.points)) || !decimal_number(entry.level)) return std::nullopt;
    return entry;
}
}  // namespace

HighscoreSlot highscore_slot(int line) {
    const int n = line - 1;
    return {n % 20 + 1, n / 20 % 3 + 1, n / 60 + 1};
}

std::string encode_highscore_file(const HighscoreLines& entries) {
    std::string out;
    for (const HighscoreEntry& e : entries) {
        const std::string fields[] = {CStr(e.points), Trim(e.name), Trim(e.seconds), CStr(Val(e.level))};
        for (size_t f = 0; f < 4; ++f) {
            if (f > 0) out += ',';
            out += kQuote;
            out += shift_up(fields[f]);
            out += kQuote;
        }
        out += "\r\n";
    }
    return out;
}

HighscoreReading decode_highscore_file(std::string_view bytes) {
    HighscoreReading reading;
    size_t at = 0;
    int read = 0;
    for (; read < kHighscoreLines; ++read) {
        const size_t end = bytes.find('\n', at);
        // A last line without its line end was cut off.
        if (end == std::string_view::npos) break;
        bool plain = false;
        auto& line = reading.lines[static_cast<size_t>(read)];
        line = decode_line(bytes.substr(at, end - at), plain);
        reading.not_plain_lines += line && !plain ? 1 : 0;
        at = end + 1;
    }
    for (const auto& line : reading.lines) reading.bad_lines += line ? 0 : 1;
    reading.trailing_data = read == kHighscoreLines && at < bytes.size();
    return reading;
}
