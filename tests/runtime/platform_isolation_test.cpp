#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
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
