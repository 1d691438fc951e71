#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

// Only the SDL backend speaks to SDL: everything else runs on any backend, the test one included.
TEST(PlatformIsolation, SdlHeadersAppearOnlyInTheSdlBackend) {
    const std::filesystem::path src = std::filesystem::path(ZANDORIX_SOURCE_DIR) / "src";
    const std::regex sdl_include(R"(#\s*include\s*[<"]SDL)");
    int files = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const auto relative = std::filesystem::relative(entry.path(), src).generic_string();
        if (relative.rfind("runtime/sdl/", 0) == 0) continue;
        ++files;
        std::ifstream file(entry.path());
        std::string line;
        while (std::getline(file, line)) EXPECT_FALSE(std::regex_search(line, sdl_include)) << relative << ": " << line;
    }
    EXPECT_GT(files, 10);
}

// The include graph of src/ by folder. The runtime knows nothing of the game and reaches SDL only
// through its backend; the game's folders call one another from their sources, but a header of
// one never includes a header of another, so that no include cycle can form.
TEST(PlatformIsolation, IncludesKeepToTheLayers) {
    const std::filesystem::path src = std::filesystem::path(ZANDORIX_SOURCE_DIR) / "src";
    const std::regex local_include(R"(#\s*include\s*"([a-z_/]+)/[a-z0-9_]+\.h")");
    const std::set<std::string> game = {"frame", "engine", "screens"};
    int includes = 0;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(src)) {
        if (!entry.is_regular_file()) continue;
        const auto relative = std::filesystem::relative(entry.path(), src);
        const std::string folder = relative.parent_path().generic_string();
        if (folder.empty()) continue;  // main.cpp may include anything
        const bool header = entry.path().extension() == ".h";
        std::ifstream file(entry.path());
        std::string line;
        std::smatch m;
        while (std::getline(file, line)) {
            if (!std::regex_search(line, m, local_include)) continue;
            ++includes;
            const std::string to = m[1];
            bool allowed = to == folder || to == "runtime";
            if (game.count(folder)) allowed = allowed || (!header && game.count(to));
            if (folder == "runtime/sdl") allowed = allowed || to == "runtime";
            EXPECT_TRUE(allowed) << relative.generic_string() << " includes " << to << "/";
        }
    }
    EXPECT_GT(includes, 100);
}
