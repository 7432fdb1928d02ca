#include "storage/kept_aside.h"

#include <sys/stat.h>

#include <cstdio>

#include "platform/atomic_file.h"

namespace bw {

namespace {

bool Present(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

std::string FreeAsideName(const std::string& path) {
    std::string aside = path + ".bad";
    for (int n = 2; Present(aside); ++n) aside = path + ".bad" + std::to_string(n);
    return aside;
}

std::string CopyAside(const std::string& path) {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return {};
    std::string bytes;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    if (!ok) return {};
    const std::string aside = FreeAsideName(path);
    return platform::ReplaceFileContent(aside, bytes, "rpl") == 0 ? aside : std::string();
}

std::string FileNameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace bw
