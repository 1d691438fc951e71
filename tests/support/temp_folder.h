#pragma once
#include <filesystem>
#include <string>

// A folder of a test's own, removed with everything in it when the test is done: tests run in
// parallel, and the build folder may hold a player's real files.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Lets the folder stand in for the program's folder: sound/ leads to the build's sounds.
    void link_sounds() const;

private:
    std::filesystem::path path_;
};

std::string read_bytes(const std::string& path);
void write_bytes(const std::string& path, const std::string& bytes);
