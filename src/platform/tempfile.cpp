#include "platform/tempfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

#include "platform/clock.h"

namespace bw::platform {

std::string CreateTempFile(const std::string& dir, const std::string& prefix) {
    std::string folder = dir;
    if (folder.empty()) {
        std::error_code ec;
        folder = std::filesystem::temp_directory_path(ec).string();
        if (ec) folder = "/tmp";
    }
    if (folder.back() != '/') folder += '/';
    const std::string pre = prefix.substr(0, 3);
    unsigned start = static_cast<unsigned>(TickCount() ^ (static_cast<unsigned>(getpid()) << 8));
    for (unsigned attempt = 0; attempt < 0x10000; ++attempt) {
        unsigned n = (start + attempt) & 0xFFFF;
        char hex[8];
        std::snprintf(hex, sizeof hex, "%X", n);
        std::string path = folder + pre + hex + ".tmp";
        int fd = open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY, 0666);
        if (fd >= 0) {
            close(fd);
            return path;
        }
        if (errno != EEXIST) return std::string();
    }
    return std::string();
}

}  // namespace bw::platform
