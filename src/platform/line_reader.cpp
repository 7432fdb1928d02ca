#include "platform/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace bw::platform {

namespace {
constexpr size_t kBlock = 8192;
}  // namespace

namespace {

int ProblemOf(const struct stat& st) {
    if (S_ISREG(st.st_mode)) return 0;
    if (S_ISLNK(st.st_mode)) return ELOOP;
    return S_ISDIR(st.st_mode) ? EISDIR : ENODEV;
}

int Look(const std::string& path, Links links, struct stat& st) {
    const int r = links == Links::kFollow ? ::stat(path.c_str(), &st) : ::lstat(path.c_str(), &st);
    return r != 0 ? errno : ProblemOf(st);
}

}  // namespace

int RegularFileProblem(const std::string& path, Links links) {
    struct stat st {};
    return Look(path, links, st);
}

std::string FileErrorText(int err) {
    if (err == ELOOP) return "Is a symbolic link";
    if (err == ENODEV) return "Is not a regular file";
    if (err == EILSEQ) return "Is in UTF-16, which the program does not read";
    return std::strerror(err);
}

bool WriteProtected(const std::string& path, const struct stat& st) {
    return (st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0;
}

int OpenRegularFile(const std::string& path, int flags, Links links) {
    struct stat before {};
    int problem = Look(path, links, before);
    // A file the player made read-only stays as it is, for root too.
    if (!problem && (flags & O_ACCMODE) != O_RDONLY && WriteProtected(path, before))
        problem = EACCES;
    if (problem) {
        errno = problem;
        return -1;
    }
    // Between the look and the open the name may come to stand for a pipe
    // or a link: the open neither waits for a pipe's writer nor follows a
    // refused link, and the handle must be the file that was looked at.
    const int noFollow = links == Links::kRefuse ? O_NOFOLLOW : 0;
    int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | noFollow);
    if (fd < 0) return -1;
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : ProblemOf(st);
    if (!err && (st.st_dev != before.st_dev || st.st_ino != before.st_ino)) err = ENODEV;
    if (!err && ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) err = errno;
    if (err) {
        ::close(fd);
        errno = err;
        return -1;
    }
    return fd;
}

int ReadRegularFile(const std::string& path, std::string& out, size_t maxBytes, Links links) {
    out.clear();
    const int fd = OpenRegularFile(path, O_RDONLY, links);
    if (fd < 0) return errno;
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : 0;
    if (!err && static_cast<uint64_t>(st.st_size) > maxBytes) err = EFBIG;
    if (!err) {
        // Read to the end, whatever the size said: the file may be growing.
        out.resize(static_cast<size_t>(st.st_size) + 1);
        size_t got = 0;
        for (;;) {
            if (got == out.size()) {
                if (out.size() > maxBytes) {
                    err = EFBIG;
                    break;
                }
                out.resize(std::min(out.size() * 2, maxBytes + 1));
            }
            const ssize_t r = ::read(fd, out.data() + got, out.size() - got);
            if (r < 0 && errno == EINTR) continue;
            if (r < 0) err = errno;
            if (r <= 0) break;
            got += static_cast<size_t>(r);
        }
        out.resize(err ? 0 : got);
    }
    ::close(fd);
    return err;
}

LineReader::LineReader(const std::string& path, Links links)
    : fd_(OpenRegularFile(path, O_RDONLY, links)) {
    ok_ = fd_ >= 0;
    eof_ = !ok_;
}

LineReader::LineReader(Text text) : ok_(true), buf_(std::move(text.bytes)), eof_(true) {}

LineReader::~LineReader() {
    if (fd_ >= 0) ::close(fd_);
}

bool LineReader::Next(std::string& line) {
    line.clear();
    for (;;) {
        if (pos_ == buf_.size()) {
            if (eof_) break;
            Fill();
            continue;
        }
        size_t nl = buf_.find('\n', pos_);
        if (nl == std::string::npos) {
            line.append(buf_, pos_, std::string::npos);
            pos_ = buf_.size();
            continue;
        }
        line.append(buf_, pos_, nl - pos_);
        pos_ = nl + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return !line.empty();
}

void LineReader::Fill() {
    buf_.resize(kBlock);
    pos_ = 0;
    ssize_t r;
    do {
        r = ::read(fd_, buf_.data(), kBlock);
    } while (r < 0 && errno == EINTR);
    if (r < 0) failed_ = true;
    if (r <= 0) {
        buf_.clear();
        eof_ = true;
        return;
    }
    buf_.resize(static_cast<size_t>(r));
}

}  // namespace bw::platform
