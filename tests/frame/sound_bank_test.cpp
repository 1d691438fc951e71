#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/game_screen.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "runtime/sdl/sdl_backend.h"
#include "support/game_test.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

namespace {
// The slot map of the test backend does not show the order of the loads; this does.
class LoadRecorder : public rt::TestBackend {
public:
    std::vector<std::pair<int, std::string>> loads;
    bool load_sound(int slot, const std::string& path, std::string& error) override {
        loads.emplace_back(slot, path);
        return TestBackend::load_sound(slot, path, error);
    }
};

class SoundBankTest : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        rt::install_backend(&recorder);
        // Stand-in wave files that a test may break.
        for (int n = 0; n <= 15; ++n) std::ofstream(folder / (std::to_string(n) + ".wav")) << "RIFF";
        sound_pfad = folder.string() + "/";
    }

    // Runs the device creation; the exit code when it ended the program, -1 otherwise.
    int create_device(std::string& diagnostics) {
        int exit_code = -1;
        diagnostics = stderr_of([&] {
            try {
                create_sound_device();
            } catch (const rt::ProgramEnd& end) {
                exit_code = end.exit_code;
            }
        });
        return exit_code;
    }

    LoadRecorder recorder;
    TempFolder temp;
    const fs::path& folder = temp.path();
};

// Every shipped sound is used, every slot gets one, and the two boards' group sounds have a
// slot each, so that groups on both boards at once sound together.
TEST_F(SoundBankTest, EverySlotHoldsASoundAndEveryFileIsUsed) {
    sound_pfad = std::string(ZANDORIX_BINARY_DIR) + "/sound/";
    create_sound_device();
    EXPECT_TRUE(Form1.loaded());  // the device belongs to the game screen, which therefore exists

    std::map<int, std::string> slots(recorder.loads.begin(), recorder.loads.end());
    ASSERT_EQ(recorder.loads.size(), 17u);
    ASSERT_EQ(values(slots.size(), slots.begin()->first, slots.rbegin()->first), values(17, 0, 16));
    std::map<std::string, std::vector<int>> users;
    for (const auto& [slot, path] : slots) users[path].push_back(slot);
    for (int n = 0; n <= 15; ++n) EXPECT_TRUE(users.count(sound_pfad + std::to_string(n) + ".wav")) << n << ".wav";
    EXPECT_EQ(users[sound_pfad + "1.wav"], (std::vector<int>{1, 12}));
}

// A broken installation ends the program, names the file and the system's reason in one line,
// with or without audio, and gives the display back.
TEST_F(SoundBankTest, ABrokenInstallationEndsNamingTheFileAndGivesTheDisplayBack) {
    struct Case {
        const char* file;
        bool audio;
        std::function<void(const fs::path&)> spoil;
        const char* reason;
    };
    const auto missing = [](const fs::path& file) { fs::remove(file); };
    const Case cases[] = {
        {"0.wav", true, missing, "No such file or directory"},
        {"15.wav", false, missing, "No such file or directory"},
        {"6.wav", true, [](const fs::path& file) { fs::remove(file), fs::create_directory(file); }, "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.reason + (c.audio ? " with audio" : " without audio"));
        const fs::path file = folder / c.file;
        c.spoil(file);
        recorder.audio_available = c.audio;
        recorder.display_changes.clear();
        alte_breite = 1280;
        alte_hoehe = 1024;

        std::string diagnostics;
        EXPECT_EQ(create_device(diagnostics), 1);
        const std::string said = "zandorix: cannot load the sound file " + file.string() + ": " + c.reason + "\n";
        EXPECT_TRUE(diagnostics.ends_with(said)) << diagnostics;
        ASSERT_EQ(recorder.display_changes.size(), 1u);
        EXPECT_EQ(values(recorder.display_changes[0].width, recorder.display_changes[0].height), values(1280, 1024));
        fs::remove_all(file);
        std::ofstream(file) << "RIFF";
    }
}

TEST_F(SoundBankTest, WithoutAnAudioDeviceTheGameGoesOnSilentlyAndSaysSoOnce) {
    recorder.audio_available = false;
    std::string diagnostics;
    EXPECT_EQ(create_device(diagnostics), -1);
    EXPECT_NE(diagnostics.find("found no audio device"), std::string::npos) << diagnostics;
    EXPECT_EQ(diagnostics.find('\n'), diagnostics.size() - 1) << diagnostics;
    // The files are still checked, so a broken installation shows on any machine.
    EXPECT_EQ(recorder.loads.size(), 17u);
    EXPECT_TRUE(recorder.display_changes.empty());
}

// Without an audio device the real backend must still refuse a file that is not a sound.
TEST_F(SoundBankTest, TheRealBackendChecksFilesWhileSilent) {
    std::ofstream(folder / "text.wav") << "not a wave file at all";
    fs::create_directories(folder / "folder.wav");
    const std::pair<std::string, bool> cases[] = {
        {std::string(ZANDORIX_BINARY_DIR) + "/sound/2.wav", true},
        {(folder / "missing.wav").string(), false},
        {(folder / "text.wav").string(), false},
        {(folder / "folder.wav").string(), false},
    };
    // The backend starts SDL's video; a driver that shows nothing is taken when asked for by name.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    rt::SdlBackend sdl;
    for (const auto& [path, loads] : cases) {
        std::string error;
        EXPECT_EQ(sdl.load_sound(2, path, error), loads) << path;
        EXPECT_EQ(error.empty(), loads) << path << ": " << error;
    }
}
}  // namespace
