#include "platform/ini.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <map>
#include <vector>

#include "platform/atomic_file.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/sections.h"

namespace bw::platform {

namespace {

struct Line {
    std::string text;  // without terminator
    std::string eol;   // "\r\n", "\n", "\r" or "" for a last unterminated line
};

std::string Trim(const std::string& s) {
    return std::string(TrimBlanks(s));
}

void SplitLines(const std::string& data, std::vector<Line>& lines) {
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
}

// A file as last read or written by this process. It stands for the file
// while the file's identity, size and times are unchanged, so a value
// written by anyone, this process or another, is seen by the next reader.
// File times are coarse: a file changed in place just before it was read
// could change again unseen within the same tick, so it is trusted only
// when it had been still for a moment (or when this process wrote it,
// replacing it whole).
struct CachedFile {
    bool trusted = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};
    // Written, but the background writer has not yet swapped it in: the
    // entry is the file until it has, and is stamped from the file then.
    bool swapping = false;
    std::string data;
    std::vector<Line> lines;

    bool Matches(const struct stat& st) const {
        return st.st_dev == device && st.st_ino == inode && st.st_size == size &&
               st.st_mtim.tv_sec == modified.tv_sec && st.st_mtim.tv_nsec == modified.tv_nsec &&
               st.st_ctim.tv_sec == changed.tv_sec && st.st_ctim.tv_nsec == changed.tv_nsec;
    }
    void Stamp(const struct stat& st) {
        device = st.st_dev;
        inode = st.st_ino;
        size = st.st_size;
        modified = st.st_mtim;
        changed = st.st_ctim;
    }
};

std::map<std::string, CachedFile>& Cache() {
    static std::map<std::string, CachedFile> cache;
    return cache;
}

bool Report(const std::string& path, int err);

// Background swaps that failed: the file is as it was before the write, so
// the memory of the write goes too, and the failure is told as any other.
void ReportBackgroundFailures() {
    for (const BackgroundFailure& f : TakeBackgroundFailures("ini")) {
        Cache().erase(f.path);
        Report(f.path, f.error);
    }
}

// A profile in UTF-16 (as some editors save one) cannot be read byte by
// byte, and single-byte lines written into it would make it neither: it is
// refused whole. Known by its byte order mark, or by text in one byte order.
bool IsUtf16(const std::string& d) {
    if (d.size() < 2) return false;
    const auto b = [&](size_t i) { return static_cast<unsigned char>(d[i]); };
    if ((b(0) == 0xFF && b(1) == 0xFE) || (b(0) == 0xFE && b(1) == 0xFF)) return true;
    if (d.size() < 4) return false;
    const auto text = [&](size_t i) { return b(i) >= 0x09 && b(i) < 0x80; };
    return (text(0) && b(1) == 0 && text(2) && b(3) == 0) ||
           (b(0) == 0 && text(1) && b(2) == 0 && text(3));
}

// Real settings files hold a few kilobytes. Anything this large is damage
// (or not a settings file at all), and reading it would cost seconds.
constexpr off_t kMaxProfileBytes = 1 << 20;

// The file's lines, read only when it changed since it was last seen;
// nullptr when it is missing or unreadable, with `error` telling why
// (ENOENT missing, EFBIG too large, EILSEQ UTF-16, else as
// RegularFileProblem or the read).
const CachedFile* Load(const std::string& path, int* error = nullptr) {
    int ignored = 0;
    int& err = error ? *error : ignored;
    // Asked before the failures are taken: a swap that ends in between is
    // then either still pending here or its failure is taken below.
    const bool pending = BackgroundWritePending(path);
    ReportBackgroundFailures();
    struct stat st;
    auto written = Cache().find(path);
    if (written != Cache().end() && written->second.swapping) {
        err = 0;
        if (pending) return &written->second;
        if (lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
            written->second.Stamp(st);
            written->second.swapping = false;
            return &written->second;
        }
    }
    // Only the program's own file is read: a link, a pipe or a device in its
    // place is not, and is never opened (a pipe would wait for a writer).
    err = RegularFileProblem(path, Links::kRefuse);
    if (err == 0 && lstat(path.c_str(), &st) != 0) err = errno;
    if (err) {
        Cache().erase(path);
        return nullptr;
    }
    err = EFBIG;
    if (st.st_size > kMaxProfileBytes) {
        Cache().erase(path);
        return nullptr;
    }
    err = 0;
    CachedFile& entry = Cache()[path];
    if (entry.trusted && entry.Matches(st)) return &entry;
    err = ReadRegularFile(path, entry.data, kMaxProfileBytes, Links::kRefuse);
    if (!err && IsUtf16(entry.data)) err = EILSEQ;
    if (err) {
        Cache().erase(path);
        return nullptr;
    }
    entry.lines.clear();
    SplitLines(entry.data, entry.lines);
    // Stamped as of before the read: a change made meanwhile shows next time.
    entry.Stamp(st);
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    // File times move in steps of a clock tick, well below this.
    constexpr long long kStillNs = 50'000'000;
    const long long age =
        (now.tv_sec - st.st_ctim.tv_sec) * 1'000'000'000LL + (now.tv_nsec - st.st_ctim.tv_nsec);
    entry.trusted = age > kStillNs;
    return &entry;
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
    SectionScanner scan(section, SectionSyntax::kProfile);
    size_t i = 0;
    while (i < lines.size() && !scan.found()) scan.Take(lines[i++].text);
    if (!scan.found()) return false;
    first = i;
    while (i < lines.size() && scan.Take(lines[i].text)) ++i;
    last = i;
    return true;
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

bool Lookup(const std::string& path, const std::string& section, const std::string& key,
            std::string& value) {
    const CachedFile* file = Load(path);
    if (!file) return false;
    const std::vector<Line>& lines = file->lines;
    size_t first = 0, last = 0, at = 0;
    if (!FindSection(lines, section, first, last)) return false;
    if (!FindKey(lines, first, last, key, at)) return false;
    const std::string& t = lines[at].text;
    value = Trim(t.substr(t.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return true;
}

IniWriteFailure g_onWriteFailure;

}  // namespace

void FinishIniWrites() {
    FinishBackgroundWrites();
    ReportBackgroundFailures();
}

namespace {

bool Report(const std::string& path, int err) {
    if (g_onWriteFailure) g_onWriteFailure(path, FileErrorText(err));
    return false;
}

// Every write of a profile file ends here: the whole new content replaces
// the file atomically, and what was written stands for the file from then on.
bool StoreProfile(const std::string& path, std::string data, std::vector<Line> lines) {
    AtomicFile out(path, "ini");
    out.Write(data);
    if (out.CommitInBackground() != AtomicFile::Result::kDone) {
        Cache().erase(path);
        return Report(path, out.error());
    }
    const bool pending = BackgroundWritePending(path);
    struct stat st;
    if (pending || stat(path.c_str(), &st) == 0) {
        CachedFile& entry = Cache()[path];
        entry.data = std::move(data);
        entry.lines = std::move(lines);
        if (!pending) entry.Stamp(st);
        entry.swapping = pending;
        entry.trusted = true;
    }
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

namespace {

void ApplyEntry(std::vector<Line>& lines, const IniEntry& e) {
    const std::string entry = Trim(e.key) + "=" + e.value;
    size_t first = 0, last = 0, at = 0;
    if (FindSection(lines, e.section, first, last)) {
        if (FindKey(lines, first, last, e.key, at)) {
            const std::string& t = lines[at].text;
            lines[at].text = t.substr(0, t.find('=') + 1) + e.value;
            if (lines[at].eol.empty()) lines[at].eol = "\r\n";
        } else {
            size_t insert = last;
            while (insert > first && Trim(lines[insert - 1].text).empty()) --insert;
            if (insert > 0 && lines[insert - 1].eol.empty()) lines[insert - 1].eol = "\r\n";
            lines.insert(lines.begin() + static_cast<long>(insert), Line{entry, "\r\n"});
        }
    } else {
        if (!lines.empty() && lines.back().eol.empty()) lines.back().eol = "\r\n";
        lines.push_back({"[" + Trim(e.section) + "]", "\r\n"});
        lines.push_back({entry, "\r\n"});
    }
}

}  // namespace

bool IniWriteStrings(const std::string& path, const std::vector<IniEntry>& entries) {
    if (entries.empty()) return true;  // nothing to write: no file is made
    int err = 0;
    const CachedFile* file = Load(path, &err);
    // Anything in its place that could not be read is kept: a file that is
    // unreadable or too large would be lost by a rewrite, and a link, a
    // folder, a pipe or a device is not the program's to replace.
    if (!file && err != ENOENT) return Report(path, err);
    std::vector<Line> lines;
    if (file) lines = file->lines;
    for (const IniEntry& e : entries) ApplyEntry(lines, e);
    std::string data;
    for (const Line& l : lines) data += l.text + l.eol;
    // The file already says so: rewriting it would change nothing.
    if (file && data == file->data) return true;
    return StoreProfile(path, std::move(data), std::move(lines));
}

bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value) {
    return IniWriteStrings(path, {{section, key, value}});
}

bool IniWriteInt(const std::string& path, const std::string& section, const std::string& key,
                 int64_t value) {
    return IniWriteString(path, section, key, std::to_string(value));
}

}  // namespace bw::platform
