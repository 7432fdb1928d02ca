#include "platform/line_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace bw::platform {

namespace {
constexpr size_t kBlock = 8192;
}  // namespace

int OpenRegularFile(const std::string& path, int flags) {
    int fd = ::open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

LineReader::LineReader(const std::string& path) : fd_(OpenRegularFile(path, O_RDONLY)) {
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
