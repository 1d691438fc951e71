#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <vector>

#include "frame/highscore_file.h"
#include "frame/procedures.h"
#include "frame/state.h"
#include "support/game_test.h"
#include "support/temp_folder.h"

namespace fs = std::filesystem;

// Entries print as their fields, not as bytes, when a comparison fails.
void PrintTo(const HighscoreEntry& e, std::ostream* out) {
    *out << e.points << " \"" << e.name << "\" " << e.seconds << " " << e.level;
}

namespace {
class HighscoreStore : public GameTest {
protected:
    void SetUp() override {
        GameTest::SetUp();
        backend.folder = folder.path().string();
    }

    std::string file() const { return folder.file("highscore.dat"); }
    std::string kept_file() const { return file() + ".damaged"; }
    // A file of one line that is no high-score line.
    static constexpr const char* kDamaged = "not a high-score line\r\n";

    // Gives every entry of the nine lists its own values, so a misplaced line shows.
    static void fill_distinct() {
        for (int t = 1; t <= 3; ++t)
            for (int d = 1; d <= 3; ++d)
                for (int p = 1; p <= 20; ++p) {
                    hs_punkte[p][d][t] = 100000 - 1000 * p - 100 * d - 10 * t;
                    hs_name[p][d][t] = std::string(1, static_cast<char>('A' + p)) + " " + std::to_string(d * 10 + t);
                    hs_zeit[p][d][t] = std::to_string(600 * t - p);
                    hs_level[p][d][t] = std::to_string(p % 7 + 1);
                }
    }

    // Loads and returns what was said on standard error.
    static std::string load() { return stderr_of(highscore_laden); }
    static std::string save() { return stderr_of(highscore_speichern); }

    static HighscoreEntry entry(const HighscoreSlot& s) {
        return {hs_punkte[s.place][s.difficulty][s.play_time], hs_name[s.place][s.difficulty][s.play_time],
                hs_zeit[s.place][s.difficulty][s.play_time], hs_level[s.place][s.difficulty][s.play_time]};
    }
    static std::vector<HighscoreEntry> all_entries() {
        std::vector<HighscoreEntry> entries;
        for (int line = 1; line <= kHighscoreLines; ++line) entries.push_back(entry(highscore_slot(line)));
        return entries;
    }
    static HighscoreEntry default_entry(const HighscoreSlot& s) {
        return {8500.0 + 2000 * s.play_time - 500 * s.place, "Kelvaro", std::to_string(600 * s.play_time), "1"};
    }

    // Index of a list entry's line, counted from 0: play time outermost, then difficulty, then place.
    static size_t line_index(int p, int d, int t) { return static_cast<size_t>((t - 1) * 60 + (d - 1) * 20 + p - 1); }

    // Whether what was said is one line that holds every one of the words.
    static ::testing::AssertionResult one_line_with(const std::string& said, std::initializer_list<std::string> words) {
        for (const std::string& word : words)
            if (said.find(word) == std::string::npos)
                return ::testing::AssertionFailure() << "no " << word << ": " << said;
        if (std::count(said.begin(), said.end(), '\n') != 1)
            return ::testing::AssertionFailure() << "not one line: " << said;
        return ::testing::AssertionSuccess();
    }

    // How many names a folder holds: what a save leaves beside the file.
    static long entries_in(const fs::path& path) { return std::distance(fs::directory_iterator(path), {}); }

    // A save or keep killed before its rename would leave a new file or link.
    static void expect_no_new_file_in(const fs::path& path) {
        for (const auto& entry : fs::directory_iterator(path))
            EXPECT_EQ(entry.path().filename().string().find(".new."), std::string::npos) << entry.path();
    }

    // Who a child process runs as: a user, their group and every group they belong to. Numbers
    // will do: no such user need exist.
    struct User {
        uid_t uid;
        gid_t gid;
        std::vector<gid_t> groups;
    };
    static inline const User kNobody{65534, 65534, {65534}};

    // Whether code, run in a child process as the user, returned true there. Only root can change
    // user.
    static bool as_user(const User& user, const std::function<bool()>& code) {
        const pid_t child = fork();
        if (child == 0) {
            const bool became = setgroups(user.groups.size(), user.groups.data()) == 0 && setgid(user.gid) == 0 &&
                                setuid(user.uid) == 0;
            _exit(became && code() ? 0 : 1);
        }
        int status = 0;
        return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    // The same as the user nobody, who may write in the test's folder.
    bool as_nobody(const std::function<bool()>& code) const {
        fs::permissions(folder.path(), fs::perms::all);
        return as_user(kNobody, code);
    }

    // The mode of the file a path names, in octal.
    static std::string mode_of(const std::string& path) {
        struct stat status {};
        if (stat(path.c_str(), &status) != 0) return "none";
        std::ostringstream mode;
        mode << std::oct << (status.st_mode & 07777);
        return mode.str();
    }
    // Its owner, group and mode: "uid:gid mode".
    static std::string owner_and_mode_of(const std::string& path) {
        struct stat status {};
        if (stat(path.c_str(), &status) != 0) return "none";
        return std::to_string(status.st_uid) + ":" + std::to_string(status.st_gid) + " " + mode_of(path);
    }

    static std::vector<std::string> lines_of(const std::string& bytes) {
        std::vector<std::string> lines;
        size_t at = 0;
        for (size_t end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
            lines.push_back(bytes.substr(at, end - at));
        EXPECT_EQ(at, bytes.size()) << "bytes after the last line end";
        return lines;
    }

    TempFolder folder;
};

TEST_F(HighscoreStore, WithoutAFileAllNineListsHoldTheDefaultsAndNothingIsWritten) {
    EXPECT_EQ(load(), "");
    for (int line = 1; line <= kHighscoreLines; ++line) {
        const HighscoreSlot s = highscore_slot(line);
        EXPECT_EQ(entry(s), default_entry(s)) << "place " << s.place << " list " << s.difficulty << "/" << s.play_time;
    }
    EXPECT_TRUE(fs::is_empty(folder.path()));
}

TEST_F(HighscoreStore, SavesOneShiftedLinePerEntryInFileOrder) {
    highscore_laden();
    hs_punkte[1][2][1] = 12345;
    hs_name[1][2][1] = " MAX  ";
    hs_zeit[1][2][1] = "734";
    hs_level[1][2][1] = "03";
    hs_name[1][1][2] = "A B C D";
    hs_name[20][3][3] = "ZZ";
    hs_punkte[20][3][3] = 0;
    EXPECT_EQ(save(), "");

    const std::vector<std::string> lines = lines_of(read_bytes(file()));
    ASSERT_EQ(lines.size(), 180u);
    // Every field character three codes higher: "1" is "4", "0" is "3", "K" is "N", " " is "#".
    const std::vector<std::pair<size_t, std::string>> expected = {
        {1, R"("43333","Nhoydur","933","4")"},    // place 1, difficulty 1, 10 minutes
        {21, R"("45678","PD[",":67","6")"},       // place 1, difficulty 2, 10 minutes
        {61, R"("45333","D#E#F#G","4533","4")"},  // place 1, difficulty 1, 20 minutes
        {180, R"("3","]]","4;33","4")"},          // place 20, difficulty 3, 30 minutes
        {2, R"("<833","Nhoydur","933","4")"},
    };
    for (const auto& [n, text] : expected) EXPECT_EQ(lines[n - 1], text) << "line " << n;
    // One byte per character between the quotes, and nothing else on a line.
    for (const std::string& line : lines) EXPECT_EQ(line.find(' '), std::string::npos) << line;
}

TEST_F(HighscoreStore, ReloadingGivesTheSavedListsWithTrimmedNamesAndPlainLevels) {
    fill_distinct();
    hs_name[4][2][3] = "  AB CD  ";
    hs_name[5][2][3] = "A B C DE";
    hs_level[6][1][1] = "07";
    hs_level[7][1][1] = " 2";
    hs_zeit[8][3][2] = " 99 ";
    std::vector<HighscoreEntry> before = all_entries();
    save();
    // A level the file holds as "05" (written by hand or by another program) reads as 5.
    std::vector<std::string> lines = lines_of(read_bytes(file()));
    std::string& by_hand = lines[line_index(9, 2, 2)];
    by_hand.replace(by_hand.rfind(",\""), std::string::npos, R"(,"38")");
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    write_bytes(file(), bytes);
    reset_program_state();
    EXPECT_EQ(load(), "");

    before[line_index(9, 2, 2)].level = "5";
    before[line_index(4, 2, 3)].name = "AB CD";
    before[line_index(6, 1, 1)].level = "7";
    before[line_index(7, 1, 1)].level = "2";
    before[line_index(8, 3, 2)].seconds = "99";
    for (int line = 1; line <= kHighscoreLines; ++line)
        EXPECT_EQ(entry(highscore_slot(line)), before[line - 1]) << line;
}

TEST_F(HighscoreStore, LoadingLeavesPlaceTwentyOneAsItWas) {
    fill_distinct();
    save();
    for (const bool with_file : {true, false}) {
        SCOPED_TRACE(with_file ? "from the file" : "defaults");
        if (!with_file) fs::remove(file());
        for (int d = 1; d <= 3; ++d)
            for (int t = 1; t <= 3; ++t) hs_name[21][d][t] = "SCRATCH";
        load();
        for (int d = 1; d <= 3; ++d)
            for (int t = 1; t <= 3; ++t) EXPECT_EQ(hs_name[21][d][t], "SCRATCH") << d << "/" << t;
    }
}

// Each damaged file keeps every well-formed line in its place, gives the others their default
// entries, says so in one line, and is not touched.
TEST_F(HighscoreStore, ADamagedFileKeepsItsWellFormedLinesAndIsLeftAlone) {
    fill_distinct();
    save();
    const std::vector<std::string> good = lines_of(read_bytes(file()));
    const std::vector<HighscoreEntry> saved = all_entries();

    const auto join = [](const std::vector<std::string>& lines, size_t count) {
        std::string bytes;
        for (size_t i = 0; i < count && i < lines.size(); ++i) bytes += lines[i] + "\r\n";
        return bytes;
    };
    const auto with_line = [&](size_t n, const std::string& text) {
        std::vector<std::string> lines = good;
        lines[n - 1] = text;
        return join(lines, lines.size());
    };
    std::string garbage;
    for (int b = 0; b < 256; ++b)
        if (b != '\n') garbage += static_cast<char>(b);
    const std::string whole = join(good, good.size());

    struct Case {
        const char* what;
        std::string bytes;
        std::vector<int> bad;  // lines expected to hold their defaults; {0} for none
    };
    const auto from = [](int first) {
        std::vector<int> lines;
        for (int n = first; n <= kHighscoreLines; ++n) lines.push_back(n);
        return lines;
    };
    std::string shifted_wrong = good[6];
    shifted_wrong[good[6].find(',') + 2] = '\x01';  // decodes below code 0
    std::string carriage_return = good[7];
    carriage_return[good[7].find(',') + 2] = '\r';  // decodes to a line feed, which could not be written back
    const std::vector<Case> cases = {
        {"too short", join(good, 100), from(101)},
        {"cut off in a line", join(good, 50) + good[50].substr(0, 9), from(51)},
        {"too long", whole + join(good, 20), {}},
        {"three fields", with_line(5, good[4].substr(0, good[4].rfind(','))), {5}},
        {"a byte below the shift", with_line(7, shifted_wrong), {7}},
        {"a carriage return in a field", with_line(8, carriage_return), {8}},
        {"binary garbage in a line", with_line(11, garbage), {11}},
        {"points beyond plain decimal text", with_line(12, R"("<<<<<<<<<<<<<<<<<<<<<<","D","3","4")"), {12}},
        {"a space between fields", with_line(13, R"("4", "D","3","4")"), {13}},
        {"text after the fourth field", with_line(14, good[13] + "x"), {14}},
        {"a huge file", whole + std::string(1 << 20, 'x'), {}},
        {"no line end at all", garbage + garbage, from(1)},
        {"empty", "", from(1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        write_bytes(file(), c.bytes);
        reset_program_state();
        const std::string said = c.bad.empty() ? "what follows its 180 lines is ignored\n"
                                               : std::to_string(c.bad.size()) +
                                                     " of its 180 lines are missing or unreadable and hold default "
                                                     "entries until the next save\n";
        EXPECT_TRUE(one_line_with(load(), {file(), said}));
        for (int line = 1; line <= kHighscoreLines; ++line) {
            const bool bad = std::find(c.bad.begin(), c.bad.end(), line) != c.bad.end();
            const HighscoreSlot s = highscore_slot(line);
            EXPECT_EQ(entry(s), bad ? default_entry(s) : saved[line - 1]) << "line " << line;
        }
        EXPECT_EQ(read_bytes(file()), c.bytes);
    }
}

// A file whose lines lost their CR, all or some, reads whole, and the next save writes CR LF again.
TEST_F(HighscoreStore, LinesEndedByALineFeedAloneReadWhole) {
    fill_distinct();
    save();
    const std::string written = read_bytes(file());
    const std::vector<HighscoreEntry> saved = all_entries();
    std::string every_line = written;
    std::erase(every_line, '\r');
    std::string line_9 = written;
    line_9.erase(line_9.find("\r\n", line_9.find(lines_of(written)[8])), 1);

    for (const auto& [what, bytes] : {std::pair{"every line", every_line}, {"line 9", line_9}}) {
        SCOPED_TRACE(what);
        write_bytes(file(), bytes);
        reset_program_state();
        EXPECT_EQ(load(), "");
        EXPECT_EQ(all_entries(), saved);
        EXPECT_EQ(save(), "");
        EXPECT_EQ(read_bytes(file()), written);
        EXPECT_FALSE(fs::exists(kept_file()));
    }
}

// A save writes a new file of its own: a link planted where older saves put their new file is
// not written through, and a new file or link left by a killed save or keep is removed by the next
// save.
TEST_F(HighscoreStore, ASaveWritesThroughNoLinkAndLeavesNoNewFileBehind) {
    TempFolder elsewhere;
    const std::string victim = elsewhere.file("victim.txt");
    write_bytes(victim, "keep\n");
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"a link to another file", [&] { fs::create_symlink(victim, folder.file("highscore.dat.new")); }},
        {"a killed save's new file", [&] { write_bytes(folder.file("highscore.dat.new.a1B2c3"), "\"half a"); }},
        {"a killed keep's new link", [&] { write_bytes(folder.file("highscore.dat.damaged.new.a1B2c3"), "old"); }},
    };
    for (const auto& [what, plant] : cases) {
        SCOPED_TRACE(what);
        plant();
        highscore_laden();
        hs_name[1][1][1] = "NEW";
        EXPECT_EQ(save(), "");
        EXPECT_EQ(read_bytes(victim), "keep\n");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file())));
        EXPECT_EQ(lines_of(read_bytes(file())).size(), 180u);
        expect_no_new_file_in(folder.path());
    }
    // A player's own files stay, named much like a new file as they may be: a save removes only
    // its own kind of name, the file's, ".new." and six characters.
    const std::vector<std::string> players = {"highscore.dat.new.bak", "highscore.dat.old.a1B2c3"};
    for (const std::string& name : players) write_bytes(folder.file(name), name);
    EXPECT_EQ(save(), "");
    for (const std::string& name : players) EXPECT_EQ(read_bytes(folder.file(name)), name);
}

// A file that did not load whole is kept beside the new one, as it was, when the next save
// replaces it: once, as a later save replaces a file that loaded whole.
TEST_F(HighscoreStore, ADamagedOrUnreadableFileIsKeptAsItWasWhenReplaced) {
    fill_distinct();
    save();
    const std::string whole = read_bytes(file());
    const std::string kept = kept_file();
    struct Case {
        const char* what;
        std::string bytes;
        fs::perms mode;
        bool older_kept;
    };
    const auto rw = fs::perms::owner_read | fs::perms::owner_write;
    const std::vector<Case> cases = {
        {"damaged", whole.substr(0, 3000), rw, false},
        {"damaged, with an older kept file", kDamaged, rw, true},
        {"unreadable", whole, fs::perms::none, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto keep_and_save = [&] {
            fs::remove(kept);
            fs::remove(file());
            if (c.older_kept) write_bytes(kept, "an older kept file");
            write_bytes(file(), c.bytes);
            fs::permissions(file(), c.mode);
            EXPECT_TRUE(one_line_with(load(), {file()}));
            hs_name[1][1][1] = "NEW";
            EXPECT_TRUE(one_line_with(save(), {kept}));
            fs::permissions(kept, fs::perms::owner_read, fs::perm_options::add);
            EXPECT_EQ(read_bytes(kept), c.bytes);
            EXPECT_EQ(load(), "");
            EXPECT_EQ(hs_name[1][1][1], "NEW");
            EXPECT_EQ(save(), "");
            EXPECT_EQ(read_bytes(kept), c.bytes);
            return !HasFailure();
        };
        // Root reads a file of mode 000: its own user, who cannot, loads and saves it.
        if (c.mode == fs::perms::none && geteuid() == 0) EXPECT_TRUE(as_nobody(keep_and_save));
        else keep_and_save();
    }
}

// Anything at the file's place but an ordinary file, or a link to one, is reported at load without
// being opened, and a save leaves it alone and says so.
TEST_F(HighscoreStore, WhatIsNotAnOrdinaryFileIsReportedAndLeftAlone) {
    const std::vector<std::pair<const char*, std::function<void()>>> cases = {
        {"a folder", [&] { fs::create_directory(file()); }},
        {"a FIFO", [&] { ASSERT_EQ(mkfifo(file().c_str(), 0644), 0); }},
        {"a link to a device", [&] { fs::create_symlink("/dev/zero", file()); }},
        {"a link to nothing", [&] { fs::create_symlink(folder.file("nothing"), file()); }},
    };
    for (const auto& [what, plant] : cases) {
        SCOPED_TRACE(what);
        fs::remove(file());
        plant();
        const fs::file_status planted = fs::symlink_status(file());
        reset_program_state();
        EXPECT_TRUE(one_line_with(load(), {file()}));
        const HighscoreSlot s = highscore_slot(1);
        EXPECT_EQ(entry(s), default_entry(s));

        EXPECT_TRUE(one_line_with(save(), {"not saved"}));
        EXPECT_EQ(fs::symlink_status(file()).type(), planted.type());
        EXPECT_EQ(entries_in(folder.path()), 1) << "nothing beside it";
    }
}

// A link that the player made to a file elsewhere stays, and the file it names is replaced.
TEST_F(HighscoreStore, ALinkToAnOrdinaryFileStaysAndItsFileIsReplaced) {
    TempFolder elsewhere;
    const std::string real = elsewhere.file("scores");
    fill_distinct();
    save();
    fs::rename(file(), real);
    fs::create_symlink(real, file());
    const std::vector<HighscoreEntry> saved = all_entries();
    reset_program_state();
    EXPECT_EQ(load(), "");
    EXPECT_EQ(all_entries(), saved);

    hs_name[1][1][1] = "NEW";
    EXPECT_EQ(save(), "");
    EXPECT_EQ(fs::read_symlink(file()), real);
    reset_program_state();
    load();
    EXPECT_EQ(hs_name[1][1][1], "NEW");
    EXPECT_EQ(entries_in(elsewhere.path()), 1) << "nothing beside it";
}

// A save that cannot be done leaves the file as it was, says why in one line, and the program
// goes on.
TEST_F(HighscoreStore, AFailedSaveLeavesTheOldFileAsItWas) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        const char* why;
    };
    const std::vector<Case> cases = {
        {"the program's folder is gone", [&] { backend.folder = (folder.path() / "gone").string(); },
         "No such file or directory"},
        {"a damaged file that cannot be kept",
         [&] {
             write_bytes(file(), kDamaged);
             fs::create_directories(folder.path() / "highscore.dat.damaged" / "in the way");
         },
         "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        c.prepare();
        const std::string path = backend.folder + "/highscore.dat";
        const std::string before = read_bytes(path);
        load();
        hs_name[1][1][1] = "NEW";
        EXPECT_TRUE(one_line_with(save(), {path, "not saved", c.why}));
        EXPECT_EQ(read_bytes(path), before);
        expect_no_new_file_in(folder.path());
        backend.folder = folder.path().string();
    }
    EXPECT_FALSE(fs::exists(folder.path() / "gone"));
}
// A keep that fails leaves the older kept file and the damaged one as they were, and saves
// nothing. Here it fails as it does for a player whose folder holds root's file: only root may
// arrange that.
TEST_F(HighscoreStore, AKeepThatFailsLosesNoFile) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can plant another user's file";
    if (read_bytes("/proc/sys/fs/protected_hardlinks") != "1\n") GTEST_SKIP() << "anybody may link any file here";
    const std::string damaged = kDamaged, kept = kept_file();
    write_bytes(file(), damaged);
    write_bytes(kept, "an older kept file");
    load();
    hs_name[1][1][1] = "NEW";
    // Another user, who may write in the folder but not link root's file.
    EXPECT_TRUE(as_nobody([] { return save().find("cannot keep") != std::string::npos; }))
        << "the save as another user said why it failed";
    EXPECT_EQ(read_bytes(kept), "an older kept file");
    EXPECT_EQ(read_bytes(file()), damaged);
    EXPECT_EQ(entries_in(folder.path()), 2) << "nothing left beside them";
}

// Another copy of the game in the same folder kept the damaged file and saved its own lists after
// this one loaded: its file is replaced as any sound file is, and the damaged bytes stay kept.
TEST_F(HighscoreStore, OnlyTheFileTheLoadFoundDamagedIsKept) {
    const std::string damaged = kDamaged, kept = kept_file();
    write_bytes(file(), damaged);
    load();
    write_bytes(kept + ".new.a1B2c3", "a keep killed before its rename");
    fs::create_hard_link(file(), kept);
    write_bytes(folder.file("other copy"), "the other copy's lists");
    fs::rename(folder.file("other copy"), file());

    hs_name[1][1][1] = "NEW";
    EXPECT_EQ(save(), "");
    EXPECT_EQ(read_bytes(kept), damaged);
    EXPECT_EQ(entries_in(folder.path()), 2) << "nothing left beside them";
    EXPECT_EQ(load(), "");
    EXPECT_EQ(hs_name[1][1][1], "NEW");
}

// A number field is sound only as the writer puts it, though leading zeros read. Any other still
// reads by its leading number, 0 when there is none, as older versions read it, but is damage: a
// flipped bit in a digit included, the file is reported and kept.
TEST_F(HighscoreStore, ANumberFieldIsSoundOnlyAsAPlainDecimalNumber) {
    const auto stored = [](const std::string& text) {
        std::string bytes;
        for (const char c : text) bytes += static_cast<char>(c + kHighscoreShift);
        return "\"" + bytes + "\"";
    };
    struct Case {
        const char *points, *level;
        double read_points;
        const char* read_level;
        bool plain;
    };
    const std::vector<Case> cases = {
        {"29007", "3", 29007, "3", true},
        {"-5", "05", -5, "5", true},
        {"12.5", "10", 12.5, "10", true},
        {"2y007", "3", 2, "3", false},
        {"29007", "q", 29007, "0", false},
        {"5", "q7", 5, "0", false},
        {"ABC", "DE", 0, "0", false},
        {"12.", "1", 12, "1", false},
        {".5", "1", 0.5, "1", false},
        {"", "1", 0, "1", false},
        {"+5", "1", 5, "1", false},
        {" 5", "1", 5, "1", false},
        {"5", "1 ", 5, "1", false},
        {"1.2.3", "2.5.1", 1.2, "2.5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.points) + " / " + c.level);
        const std::string line =
            stored(c.points) + "," + stored("MAX") + "," + stored("600") + "," + stored(c.level) + "\r\n";
        const HighscoreReading reading = decode_highscore_file(line);
        ASSERT_TRUE(reading.lines[0].has_value());
        EXPECT_EQ(*reading.lines[0], (HighscoreEntry{c.read_points, "MAX", "600", c.read_level}));
        EXPECT_EQ(reading.not_plain_lines, c.plain ? 0 : 1);
    }

    // In a whole file, each such line reads with its own name, is counted apart from a line that
    // cannot be read, and is written back plain.
    fill_distinct();
    save();
    std::string flipped = read_bytes(file());
    flipped[2] ^= 0x40;  // the second digit of line 1's points
    std::vector<std::string> lines = lines_of(read_bytes(file()));
    lines[0] = stored("2y007") + "," + stored("TWO") + "," + stored("600") + "," + stored("4");
    lines[1] = stored("") + "," + stored("NO POINTS") + "," + stored("500") + "," + stored("5");
    lines[2] = stored("7000") + "," + stored("LEVEL Q") + "," + stored("400") + "," + stored("q7");
    lines[3] = "not a high-score line";
    std::string not_plain;
    for (const std::string& line : lines) not_plain += line + "\r\n";
    const std::string read_so = " hold a number that is not plain and read as its leading number until the next save";
    const std::vector<std::pair<std::string, std::string>> files = {
        {flipped, "1 of its 180 lines" + read_so},
        {not_plain, "1 of its 180 lines are missing or unreadable and hold default entries, and 3" + read_so},
    };
    for (const auto& [bytes, said] : files) {
        write_bytes(file(), bytes);
        fs::remove(kept_file());
        EXPECT_TRUE(one_line_with(load(), {file(), "is damaged: " + said + "\n"}));
        EXPECT_TRUE(one_line_with(save(), {kept_file()}));
        EXPECT_EQ(read_bytes(kept_file()), bytes);
    }
    EXPECT_EQ(load(), "");
    const std::vector<HighscoreEntry> read = {entry(highscore_slot(1)), entry(highscore_slot(2)),
                                              entry(highscore_slot(3))};
    EXPECT_EQ(read, (std::vector<HighscoreEntry>{{2, "TWO", "600", "4"}, {0, "NO POINTS", "500", "5"},
                                                  {7000, "LEVEL Q", "400", "0"}}));
}

// A save keeps the permissions the player gave the file, behind a link too, but never takes
// reading from its owner, the saving player; a first file is made under the umask, readable by
// its owner all the same.
TEST_F(HighscoreStore, ASaveKeepsThePermissionsOfTheFileItReplaces) {
    TempFolder elsewhere;
    const std::string real = elsewhere.file("scores");
    struct Case {
        const char* what;
        std::optional<mode_t> before;  // nothing: no file yet
        bool linked;
        mode_t mask;
        const char* after;  // in octal
    };
    const std::vector<Case> cases = {
        {"owner only", 0600, false, 027, "600"},
        {"group may read, behind a link", 0640, true, 027, "640"},
        {"none", 0, false, 027, "400"},
        {"a first file", {}, false, 027, "640"},
        {"anybody may write", 0666, false, 022, "666"},
        {"a first file, under a umask that lets the group write", {}, false, 002, "644"},
        {"a first file, under a umask that takes reading from its owner", {}, false, 0477, "600"},
    };
    const mode_t mask = umask(027);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(file());
        fs::remove(real);
        if (c.before) {
            write_bytes(c.linked ? real : file(), "");
            chmod((c.linked ? real : file()).c_str(), *c.before);
            if (c.linked) fs::create_symlink(real, file());
        }
        umask(c.mask);
        highscore_laden();
        save();
        EXPECT_EQ(mode_of(file()), c.after);
        EXPECT_EQ(fs::is_symlink(file()), c.linked);
    }
    umask(mask);
}

// A save keeps the file's owner and group where the saver may set them, and its permissions where
// the new file has either: whoever loaded and saved before still can, without a word. The users
// are numbers: a player, their group partner, and the group the two share.
TEST_F(HighscoreStore, AnotherUsersSaveLocksNobodyOut) {
    if (geteuid() != 0) GTEST_SKIP() << "only root can act as other users";
    constexpr gid_t shared = 50100, left = 50200;
    const User root{0, 0, {0}}, player{50001, 50001, {50001, shared}}, partner{50002, 50002, {50002, shared}},
        player_alone{50001, 50001, {50001}};
    struct Case {
        const char* what;
        User saver;
        mode_t mask;  // the saver's umask
        uid_t owner;  // the file's before
        gid_t group;
        mode_t mode;
        bool shared_folder;  // set-group-id, in the shared group
        const char* after;   // "uid:gid mode"
        User next;           // loads and saves after the saver
    };
    const std::vector<Case> cases = {
        {"root under a strict umask, over a player's file", root, 077, 65534, 65534, 0600, false, "65534:65534 600",
         kNobody},
        {"a group partner, in a set-group-id folder", partner, 077, 50001, shared, 0660, true, "50002:50100 660",
         player},
        {"a group partner, in a plain folder", partner, 077, 50001, shared, 0660, false, "50002:50100 660", player},
        {"the player, over their own file in a shared group", player, 022, 50001, shared, 0660, false,
         "50001:50100 660", partner},
        {"the player, over their own file in a group they left", player_alone, 022, 50001, left, 0600, false,
         "50001:50001 600", player_alone},
        {"the player, over root's file that anybody may read", player_alone, 077, 0, 0, 0644, false, "50001:50001 600",
         root},
    };
    fill_distinct();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(file());
        ASSERT_EQ(chown(folder.path().c_str(), 0, c.shared_folder ? shared : 0), 0);
        ASSERT_EQ(chmod(folder.path().c_str(), c.shared_folder ? 02777 : 0777), 0);
        save();
        ASSERT_EQ(chown(file().c_str(), c.owner, c.group), 0);
        ASSERT_EQ(chmod(file().c_str(), c.mode), 0);
        EXPECT_TRUE(as_user(c.saver, [&] {
            umask(c.mask);
            const bool loaded = load().empty();
            hs_name[1][1][1] = "SAVER";
            return loaded && save().empty();
        })) << "the saver loaded and saved without a word";
        EXPECT_EQ(owner_and_mode_of(file()), c.after);
        EXPECT_TRUE(as_user(c.next, [] {
            hs_name[1][1][1] = "";
            const bool read = load().empty() && hs_name[1][1][1] == "SAVER";
            return read && save().empty();
        })) << "the next user loaded and saved without a word";
    }
}

// A damaged file behind the player's link is kept beside the file the link names, where the new
// one is saved.
TEST_F(HighscoreStore, ADamagedFileBehindALinkIsKeptBesideIt) {
    TempFolder elsewhere;
    const std::string real = elsewhere.file("scores"), damaged = kDamaged;
    write_bytes(real, damaged);
    fs::create_symlink(real, file());
    EXPECT_TRUE(one_line_with(load(), {file(), "damaged"}));
    EXPECT_TRUE(one_line_with(save(), {real + ".damaged"}));
    EXPECT_EQ(read_bytes(real + ".damaged"), damaged);
    EXPECT_EQ(fs::read_symlink(file()), real);
    EXPECT_EQ(entries_in(folder.path()), 1) << "nothing beside the link";
    EXPECT_EQ(load(), "");
}

// The damaged file is known by what it was at the load: one written in place since, made anew
// after a delete (perhaps under the same inode number) or gone is replaced, or saved, as any
// sound file is, and the older kept file stays.
TEST_F(HighscoreStore, AFileChangedSinceTheLoadIsNotKept) {
    const std::string damaged = kDamaged, kept = kept_file();
    // Sets the file's modification time to the load's, later by the time given.
    const auto modified = [&](const struct stat& loaded, time_t seconds, long nanoseconds) {
        timespec times[2] = {loaded.st_atim, loaded.st_mtim};
        times[1].tv_sec += seconds;
        times[1].tv_nsec += nanoseconds;
        if (times[1].tv_nsec >= 1000000000) times[1] = {times[1].tv_sec + 1, times[1].tv_nsec - 1000000000};
        ASSERT_EQ(utimensat(AT_FDCWD, file().c_str(), times, 0), 0);
    };
    const std::vector<std::pair<const char*, std::function<void(const struct stat&)>>> cases = {
        {"rewritten in place, one nanosecond later",
         [&](const struct stat& loaded) {
             write_bytes(file(), "not a high-score LINE\r\n");
             modified(loaded, 0, 1);
         }},
        {"rewritten in place, one second later",
         [&](const struct stat& loaded) {
             write_bytes(file(), "not a high-score LINE\r\n");
             modified(loaded, 1, 0);
         }},
        {"rewritten in place at the same time, longer",
         [&](const struct stat& loaded) {
             write_bytes(file(), damaged + "\r\n");
             modified(loaded, 0, 0);
         }},
        {"made anew after a delete",
         [&](const struct stat&) {
             fs::remove(file());
             write_bytes(file(), "another copy's lines\r\n");
         }},
        {"deleted", [&](const struct stat&) { fs::remove(file()); }},
    };
    for (const auto& [what, change] : cases) {
        SCOPED_TRACE(what);
        write_bytes(kept, "an older kept file");
        write_bytes(file(), damaged);
        EXPECT_TRUE(one_line_with(load(), {file()}));
        struct stat loaded {};
        ASSERT_EQ(stat(file().c_str(), &loaded), 0);
        change(loaded);
        hs_name[1][1][1] = "NEW";
        EXPECT_EQ(save(), "");
        EXPECT_EQ(read_bytes(kept), "an older kept file");
        EXPECT_EQ(entries_in(folder.path()), 2) << "nothing beside them";
        EXPECT_EQ(load(), "");
        EXPECT_EQ(hs_name[1][1][1], "NEW");
    }
}

// A keep over a kept name that already is the damaged file, as a save killed after its keep or
// another copy's keep leaves it, leaves nothing but the two files.
TEST_F(HighscoreStore, AKeepOverTheSameFileLeavesNothingElse) {
    const std::string damaged = kDamaged, kept = kept_file();
    write_bytes(file(), damaged);
    load();
    fs::create_hard_link(file(), kept);
    EXPECT_TRUE(one_line_with(save(), {kept}));
    EXPECT_EQ(read_bytes(kept), damaged);
    EXPECT_EQ(entries_in(folder.path()), 2) << "nothing beside them";
}
}  // namespace
