#include "platform/paths.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "build_info.h"

namespace bw::platform {

namespace {
std::string g_dataOverride;

// "/usr/bin/../share/x" names the same place as "/usr/share/x" but reads
// badly in messages and in the about box.
std::string Canonical(std::string path) {
    if (char* real = realpath(path.c_str(), nullptr)) {
        path = real;
        free(real);
    }
    return path;
}

std::vector<std::string> SplitComponents(const std::string& rel) {
    std::vector<std::string> parts;
    std::string cur;
    for (char ch : rel) {
        if (ch == '\\' || ch == '/') {
            if (!cur.empty()) parts.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    if (!cur.empty()) parts.push_back(cur);
    return parts;
}

// The name in `dir` that equals `name` ignoring case; exact match preferred.
std::string MatchInDir(const std::string& dir, const std::string& name) {
    if (name == "." || name == "..") return name;
    DIR* d = opendir(dir.empty() ? "." : dir.c_str());
    if (!d) return name;
    std::string found;
    while (dirent* e = readdir(d)) {
        std::string n = e->d_name;
        if (n == name) {
            found = n;
            break;
        }
        if (found.empty() && IEquals(n, name)) found = n;
    }
    closedir(d);
    return found.empty() ? name : found;
}
}  // namespace

std::string ToLower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

bool IEquals(const std::string& a, const std::string& b) {
    return a.size() == b.size() && ToLower(a) == ToLower(b);
}

std::string ExecutableDir() {
    std::vector<char> buf(4096);
    ssize_t n = readlink("/proc/self/exe", buf.data(), buf.size() - 1);
    if (n <= 0) return "./";
    std::string p(buf.data(), static_cast<size_t>(n));
    return DirOf(p);
}

std::string ReadOnlyDataDir(const std::string& exeDir, const std::string& installedRelative) {
    if (FileExists(ResolvePath(exeDir, "GAMES.DAT"))) return exeDir;
    const std::string installed = ResolvePath(exeDir, installedRelative);
    if (!DirExists(installed)) return exeDir;
    std::string dir = Canonical(installed);
    if (dir.back() != '/') dir += '/';
    return dir;
}

std::string ReadOnlyDataDir() {
    return ReadOnlyDataDir(ExecutableDir(), BW_INSTALLED_DATA_RELATIVE);
}

std::string ModulePath(const std::string& fileName) {
    std::string beside = ExecutableDir() + fileName;
    if (FileExists(beside)) return beside;
    const std::string installed = ExecutableDir() + BW_INSTALLED_MODULE_RELATIVE + "/" + fileName;
    return FileExists(installed) ? Canonical(installed) : beside;
}

std::string ResolvePath(const std::string& base, const std::string& relative) {
    std::string path = base;
    if (!path.empty() && path.back() != '/') path += '/';
    auto parts = SplitComponents(relative);
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) path += '/';
        path += MatchInDir(path, parts[i]);
    }
    bool trailing = !relative.empty() && (relative.back() == '\\' || relative.back() == '/');
    if (trailing && !parts.empty()) path += '/';
    return path;
}

void SetDataDirOverride(const std::string& dir) {
    g_dataOverride = dir;
    if (!g_dataOverride.empty() && g_dataOverride.back() != '/') g_dataOverride += '/';
}
const std::string& DataDirOverride() {
    return g_dataOverride;
}

std::string ProgramPath(const std::string& programDir, const std::string& relative) {
    if (!g_dataOverride.empty()) {
        auto parts = SplitComponents(relative);
        if (!parts.empty() && IEquals(parts[0], "data")) {
            std::string rest;
            for (size_t i = 1; i < parts.size(); ++i) rest += (i > 1 ? "/" : "") + parts[i];
            if (!relative.empty() && (relative.back() == '\\' || relative.back() == '/'))
                rest += '/';
            return ResolvePath(g_dataOverride, rest);
        }
    }
    return ResolvePath(programDir, relative);
}

bool FileExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DirExists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool DeleteFile(const std::string& path) {
    return std::remove(path.c_str()) == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

bool MakeDir(const std::string& path) {
    return mkdir(path.c_str(), 0777) == 0 || DirExists(path);
}

std::string DirOf(const std::string& path) {
    auto pos = path.find_last_of('/');
    return pos == std::string::npos ? std::string() : path.substr(0, pos + 1);
}

}  // namespace bw::platform
