#include "runtime/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>

namespace {
// Says what failed and why; errno is taken before anything else can change it.
std::string reason(const char* step, const std::string& path) {
    const int code = errno;
    return std::string(step) + " " + path + ": " + std::strerror(code);
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

// The rename itself is only lasting once the folder is on disk too; a failure here loses
// nothing that was there before, so it goes unreported.
void sync_folder(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
}  // namespace

bool read_file_start(const std::string& path, size_t max_bytes, std::string& bytes, bool& whole, std::string& error) {
    bytes.clear();
    whole = false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = reason("cannot open", path);
        return false;
    }
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
            return false;
        }
        if (n == 0) break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    whole = done <= max_bytes;
    bytes.resize(whole ? done : max_bytes);
    return true;
}

bool replace_file(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string temporary = path + ".new";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        error = reason("cannot create", temporary);
        return false;
    }
    bool ok = write_all(fd, bytes);
    if (!ok) error = reason("cannot write", temporary);
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
