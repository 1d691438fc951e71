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

// Decimal text that reads back as the same number: no exponent, no "inf" or "nan".
bool plain_number(const std::string& text) {
    for (const char c : text)
        if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return false;
    return true;
}

std::optional<HighscoreEntry> decode_line(std::string_view line) {
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

    HighscoreEntry entry;
    entry.points = Val(fields[0]);
    entry.name = fields[1];
    entry.seconds = fields[2];
    entry.level = CStr(Val(fields[3]));
    if (!plain_number(CStr(entry.points)) || !plain_number(entry.level)) return std::nullopt;
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
        reading.lines[static_cast<size_t>(read)] = decode_line(bytes.substr(at, end - at));
        at = end + 1;
    }
    for (const auto& line : reading.lines) reading.bad_lines += line ? 0 : 1;
    reading.trailing_data = read == kHighscoreLines && at < bytes.size();
    return reading;
}
