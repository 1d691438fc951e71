#include "runtime/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace {
// A new file is written under the file's name and this, then six characters of its own.
constexpr const char* kNewSuffix = ".new.";
constexpr size_t kNewNameLength = 6;

FileId id_of(const struct stat& status) {
    return {static_cast<uint64_t>(status.st_dev), static_cast<uint64_t>(status.st_ino),
            static_cast<int64_t>(status.st_size), static_cast<int64_t>(status.st_mtim.tv_sec),
            static_cast<int64_t>(status.st_mtim.tv_nsec)};
}

// Says what failed and why; errno is taken before anything else can change it.
std::string reason(const std::string& step, const std::string& path) {
    const int code = errno;
    return step + " " + path + ": " + std::strerror(code);
}

std::string not_ordinary(const std::string& path, mode_t mode) {
    const char* what = S_ISDIR(mode)                    ? "a folder"
                       : S_ISFIFO(mode)                 ? "a FIFO"
                       : S_ISCHR(mode) || S_ISBLK(mode) ? "a device"
                                                        : "something else";
    return path + " is not an ordinary file but " + what;
}

std::string folder_of(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

bool write_all(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// A name change is only lasting once the folder is on disk too; a failure here loses nothing
// that was there before, so it goes unreported.
void sync_folder(const std::string& path) {
    const int fd = ::open(folder_of(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The mode any program gives a file it makes: 0644 under the umask.
mode_t usual_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0644 & ~mask;
}

// A new file is its saver's, in the saver's group: whoever reached the old file as its owner or
// through its group could be locked out. So it takes on the old owner and group where the saver
// may set them (root both, a member of the old group that group alone), then the old permissions
// where it has either. Where it has neither, those were meant for other people: it gets the usual
// ones. Its owner may always read it, or the next start could not read the scores it holds.
// False when the mode cannot be set; where neither owner nor group can, the file stays the saver's.
bool take_after_old_file(int fd, const struct stat* old) {
    bool shared = false;
    if (old) {
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), old->st_gid);
        struct stat now {};
        shared = ::fstat(fd, &now) == 0 && (now.st_uid == old->st_uid || now.st_gid == old->st_gid);
    }
    return ::fchmod(fd, (shared ? old->st_mode & 0777 : usual_mode()) | S_IRUSR) == 0;
}

// A new file's name as mkostemp would make it, for a file that mkostemp cannot make: a link.
std::string new_file_name(const std::string& path) {
    static constexpr char kCharacters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937 draw{std::random_device{}()};
    std::string name = path + kNewSuffix;
    for (size_t i = 0; i < kNewNameLength; ++i) name += kCharacters[draw() % (sizeof kCharacters - 1)];
    return name;
}
}  // namespace

// Whatever else took such a name, a link included, is unlinked and never followed. Other names,
// the one older saves used without the last part among them, may be a player's own files and stay.
void remove_left_new_files(const std::string& path) {
    const std::string stem = std::filesystem::path(path).filename().string() + kNewSuffix;
    DIR* folder = ::opendir(folder_of(path).c_str());
    if (!folder) return;
    while (const dirent* entry = ::readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() == stem.size() + kNewNameLength && name.starts_with(stem))
            ::unlinkat(::dirfd(folder), name.c_str(), 0);
    }
    ::closedir(folder);
}

FileStart read_file_start(const std::string& path, size_t max_bytes, std::string& bytes, bool& whole,
                          std::optional<FileId>& id, std::string& error) {
    bytes.clear();
    whole = false;
    id.reset();
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        const int code = errno;
        if (code != ENOENT) {
            error = reason("cannot open", path);
            return FileStart::failed;
        }
        if (::lstat(path.c_str(), &status) != 0) return FileStart::missing;
        errno = code;
        error = reason("cannot follow the link", path);
        return FileStart::failed;
    }
    id = id_of(status);
    // Opening a FIFO or a device could wait for ever or set something going: only an ordinary
    // file is opened, and checked again once open in case it was swapped meanwhile.
    if (!S_ISREG(status.st_mode)) {
        error = not_ordinary(path, status.st_mode);
        return FileStart::failed;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = reason("cannot open", path);
        return FileStart::failed;
    }
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        error = not_ordinary(path, status.st_mode);
        ::close(fd);
        return FileStart::failed;
    }
    id = id_of(status);
    // One byte more than wanted shows whether anything lies beyond.
    bytes.resize(max_bytes + 1);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            error = reason("cannot read", path);
            ::close(fd);
            bytes.clear();
            return FileStart::failed;
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    whole = done <= max_bytes;
    bytes.resize(whole ? done : max_bytes);
    return FileStart::read;
}

bool file_to_replace(const std::string& path, std::string& target, std::string& error) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno != ENOENT) {
            error = reason("cannot look at", path);
            return false;
        }
        target = path;
        return true;
    }
    if (S_ISREG(status.st_mode)) {
        target = path;
        return true;
    }
    if (S_ISLNK(status.st_mode)) {
        if (::stat(path.c_str(), &status) != 0) {
            error = reason("cannot follow the link", path);
            return false;
        }
        if (S_ISREG(status.st_mode)) {
            // The new file is made beside the one the link names, so that the rename replaces that.
            char* real = ::realpath(path.c_str(), nullptr);
            if (!real) {
                error = reason("cannot follow the link", path);
                return false;
            }
            target = real;
            std::free(real);
            return true;
        }
    }
    error = not_ordinary(path, status.st_mode);
    return false;
}

Keeping keep_as(const std::string& path, const FileId& id, const std::string& name, std::string& error) {
    const std::string step = "cannot keep " + path + " as";
    // The older kept file is replaced only by the rename, once the new link stands.
    std::string linked = new_file_name(name);
    for (int tries = 1; ::link(path.c_str(), linked.c_str()) != 0; ++tries) {
        if (errno == ENOENT) return Keeping::other_file;  // nothing is there now
        if (errno != EEXIST || tries == 100) {
            error = reason(step, name);
            return Keeping::failed;
        }
        linked = new_file_name(name);
    }
    struct stat status {};
    Keeping keeping = Keeping::kept;
    if (::lstat(linked.c_str(), &status) != 0) {
        error = reason(step, name);
        keeping = Keeping::failed;
    } else if (id_of(status) != id) {
        keeping = Keeping::other_file;
    } else if (::rename(linked.c_str(), name.c_str()) != 0) {
        error = reason(step, name);
        keeping = Keeping::failed;
    }
    // The new link goes whatever happened. A rename took it already, but not where name already
    // was this file (kept by a save killed before it replaced path, or by another copy of the
    // game): that rename did nothing.
    ::unlink(linked.c_str());
    if (keeping == Keeping::kept) sync_folder(name);
    return keeping;
}

bool replace_file(const std::string& path, const std::string& bytes, std::string& error) {
    remove_left_new_files(path);
    // A name of its own, made here and now: nothing planted under it can be written through.
    std::string temporary = path + kNewSuffix + std::string(kNewNameLength, 'X');
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error = reason("cannot create a new file beside", path);
        return false;
    }
    // mkostemp makes a file for its owner alone.
    struct stat old {};
    const bool replacing = ::stat(path.c_str(), &old) == 0;
    bool ok = take_after_old_file(fd, replacing ? &old : nullptr);
    if (!ok) error = reason("cannot set the mode of", temporary);
    if (ok && !write_all(fd, bytes)) {
        ok = false;
        error = reason("cannot write", temporary);
    }
    if (ok && ::fsync(fd) != 0) {
        ok = false;
        error = reason("cannot flush", temporary);
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = reason("cannot close", temporary);
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        error = reason("cannot rename the new file to", path);
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    sync_folder(path);
    return true;
}
