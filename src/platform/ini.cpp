#include "platform/ini.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/paths.h"

namespace bw::platform {

namespace {

struct Line {
    std::string text;  // without terminator
    std::string eol;   // "\r\n", "\n", "\r" or "" for a last unterminated line
};

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

// Real settings files hold a few kilobytes. Anything this large is damage
// (or not a settings file at all): read, it would cost seconds per key.
constexpr uintmax_t kMaxProfileBytes = 1 << 20;

// The whole file; 0, or ENOENT when it does not exist, EFBIG when it is too
// large to be a profile, EACCES when it cannot be read.
int ReadProfile(const std::string& path, std::string& data) {
    data.clear();
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (!std::filesystem::exists(status)) return ENOENT;
    if (std::filesystem::is_regular_file(status) &&
        std::filesystem::file_size(path, ec) > kMaxProfileBytes)
        return EFBIG;
    std::ifstream in(path, std::ios::binary);
    if (!in) return EACCES;
    char block[65536];
    while (in.read(block, sizeof block) || in.gcount() > 0)
        data.append(block, static_cast<size_t>(in.gcount()));
    return 0;
}

std::vector<Line> SplitLines(const std::string& data) {
    std::vector<Line> lines;
    size_t i = 0;
    while (i < data.size()) {
        size_t j = data.find_first_of("\r\n", i);
        if (j == std::string::npos) {
            lines.push_back({data.substr(i), ""});
            break;
        }
        Line l{data.substr(i, j - i), ""};
        if (data[j] == '\r' && j + 1 < data.size() && data[j + 1] == '\n') {
            l.eol = "\r\n";
            i = j + 2;
        } else {
            l.eol = std::string(1, data[j]);
            i = j + 1;
        }
        lines.push_back(std::move(l));
    }
    return lines;
}

// Section name of a header line, or false when the line is not a header.
bool HeaderName(const std::string& text, std::string& name) {
    std::string t = Trim(text);
    if (t.empty() || t[0] != '[') return false;
    size_t close = t.find(']');
    if (close == std::string::npos) return false;
    name = Trim(t.substr(1, close - 1));
    return true;
}

bool KeyOf(const std::string& text, std::string& key) {
    size_t eq = text.find('=');
    if (eq == std::string::npos) return false;
    key = Trim(text.substr(0, eq));
    return true;
}

// Index range [first, last) of the first matching section's body; false if absent.
bool FindSection(const std::vector<Line>& lines, const std::string& section, size_t& first,
                 size_t& last) {
    const std::string want = ToLower(Trim(section));
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string name;
        if (HeaderName(lines[i].text, name) && ToLower(name) == want) {
            first = i + 1;
            last = first;
            while (last < lines.size()) {
                std::string other;
                if (HeaderName(lines[last].text, other)) break;
                ++last;
            }
            return true;
        }
    }
    return false;
}

bool FindKey(const std::vector<Line>& lines, size_t first, size_t last, const std::string& key,
             size_t& at) {
    const std::string want = ToLower(Trim(key));
    for (size_t i = first; i < last; ++i) {
        std::string k;
        if (KeyOf(lines[i].text, k) && ToLower(k) == want) {
            at = i;
            return true;
        }
    }
    return false;
}

std::string_view TrimView(std::string_view s) {
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

// The same rules as FindSection and FindKey, in one pass over the bytes
// without copying lines: a lookup costs one read of the file.
bool Lookup(const std::string& path, const std::string& section, const std::string& key,
            std::string& value) {
    std::string data;
    if (ReadProfile(path, data) != 0) return false;
    const std::string wantSection = Trim(section), wantKey = Trim(key);
    const std::string_view all(data);
    bool inside = false;
    for (size_t i = 0; i < all.size();) {
        size_t j = i;
        while (j < all.size() && all[j] != '\n' && all[j] != '\r') ++j;
        const std::string_view line = all.substr(i, j - i);
        i = j + 1;
        const std::string_view t = TrimView(line);
        const size_t close = t.find(']');
        if (!t.empty() && t[0] == '[' && close != std::string_view::npos) {
            if (inside) return false;  // the first matching section ends here
            inside = SameNoCase(TrimView(t.substr(1, close - 1)), wantSection);
            continue;
        }
        if (!inside) continue;
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos || !SameNoCase(TrimView(line.substr(0, eq)), wantKey))
            continue;
        value = std::string(TrimView(line.substr(eq + 1)));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return true;
    }
    return false;
}

IniWriteFailure g_onWriteFailure;

bool Report(const std::string& path, int err) {
    if (g_onWriteFailure) g_onWriteFailure(path, std::strerror(err));
    return false;
}

// Every write of a profile file ends here: the whole new content replaces
// the file atomically.
bool StoreProfile(const std::string& path, const std::string& data) {
    if (int err = ReplaceFileContent(path, data, "ini")) return Report(path, err);
    return true;
}

}  // namespace

void SetIniWriteFailureHandler(IniWriteFailure handler) {
    g_onWriteFailure = std::move(handler);
}

bool ParseProfileInt(const std::string& text, int64_t& out) {
    std::string t = Trim(text);
    if (t.empty()) return false;
    size_t i = 0;
    bool neg = false;
    if (t[i] == '+' || t[i] == '-') {
        neg = t[i] == '-';
        ++i;
    }
    int base = 10;
    if (t.size() > i + 1 && t[i] == '0' && (t[i + 1] == 'x' || t[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= t.size()) return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = std::strtoull(t.c_str() + i, &end, base);
    if (errno != 0 || end != t.c_str() + t.size() || t[i] == '-' || t[i] == '+' || t[i] == ' ')
        return false;
    out = neg ? -static_cast<int64_t>(v) : static_cast<int64_t>(v);
    return true;
}

std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& def) {
    std::string v;
    return Lookup(path, section, key, v) ? v : def;
}

int64_t IniReadInt(const std::string& path, const std::string& section, const std::string& key,
                   int64_t def) {
    std::string v;
    int64_t n = 0;
    if (!Lookup(path, section, key, v) || !ParseProfileInt(v, n)) return def;
    return n;
}

bool IniHasKey(const std::string& path, const std::string& section, const std::string& key) {
    std::string v;
    return Lookup(path, section, key, v);
}

bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) {
    std::string old;
    // Present but unreadable: rewriting it would lose whatever it holds.
    if (int err = ReadProfile(path, old); err != 0 && err != ENOENT) return Report(path, err);
    std::vector<Line> lines = SplitLines(old);
    const std::string entry = Trim(key) + "=" + value;
    size_t first = 0, last = 0, at = 0;
    if (FindSection(lines, section, first, last)) {
        if (FindKey(lines, first, last, key, at)) {
            const std::string& t = lines[at].text;
            lines[at].text = t.substr(0, t.find('=') + 1) + value;
            if (lines[at].eol.empty()) lines[at].eol = "\r\n";
        } else {
            size_t insert = last;
            while (insert > first && Trim(lines[insert - 1].text).empty()) --insert;
            if (insert > 0 && lines[insert - 1].eol.empty()) lines[insert - 1].eol = "\r\n";
            lines.insert(lines.begin() + static_cast<long>(insert), Line{entry, "\r\n"});
        }
    } else {
        if (!lines.empty() && lines.back().eol.empty()) lines.back().eol = "\r\n";
        lines.push_back({"[" + Trim(section) + "]", "\r\n"});
        lines.push_back({entry, "\r\n"});
    }
    std::string data;
    for (const Line& l : lines) data += l.text + l.eol;
    return StoreProfile(path, data);
}

bool IniWriteInt(const std::string& path, const std::string& section, const std::string& key,
                 int64_t value) {
    return IniWriteString(path, section, key, std::to_string(value));
}

}  // namespace bw::platform
