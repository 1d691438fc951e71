// libFuzzer target for the high-score file reader: any bytes at all are read without a crash,
// and whatever was read can be written and read back to the very same file, with its lines ended
// by CR LF or by LF alone.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frame/highscore_file.h"

namespace {
HighscoreLines kept_lines(const HighscoreReading& reading) {
    HighscoreLines entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (reading.lines[i]) entries[i] = *reading.lines[i];
        else entries[i] = {500, "Kelvaro", "600", "1"};
    }
    return entries;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const HighscoreReading first = decode_highscore_file(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string written = encode_highscore_file(kept_lines(first));
    const HighscoreReading again = decode_highscore_file(written);
    if (again.damaged()) std::abort();
    if (encode_highscore_file(kept_lines(again)) != written) std::abort();
    // A field never holds a CR, so this takes the CR off every line end and nothing else.
    std::string bare = written;
    std::erase(bare, '\r');
    const HighscoreReading lf_only = decode_highscore_file(bare);
    if (lf_only.damaged()) std::abort();
    if (encode_highscore_file(kept_lines(lf_only)) != written) std::abort();
    return 0;
}
