#include "storage/section_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/ports.h"
#include "core/tr_marker.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "platform/sections.h"

namespace bw {

namespace {

constexpr size_t kBlock = 8192;
constexpr size_t kEntryPiece = 200;
constexpr platform::SectionSyntax kSyntax = platform::SectionSyntax::kExact;

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    void Close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    int fd_;
};

// Up to `n` bytes at `offset`; fewer at the end of the file or on an error.
std::string ReadAt(int fd, int64_t offset, size_t n) {
    std::string out(n, '\0');
    size_t got = 0;
    while (got < n) {
        ssize_t r = ::pread(fd, out.data() + got, n - got, static_cast<off_t>(offset + got));
        if (r < 0 && errno == EINTR) continue;
        if (r <= 0) break;
        got += static_cast<size_t>(r);
    }
    out.resize(got);
    return out;
}

std::optional<int64_t> FindInFd(int fd, const std::string& text, int64_t from) {
    if (text.empty() || from < 0) return std::nullopt;
    // Consecutive blocks overlap by the text's length, so a match across a
    // block boundary lies whole in the second block.
    const size_t block = std::max(kBlock, text.size() * 2);
    int64_t pos = from;
    for (;;) {
        std::string buf = ReadAt(fd, pos, block);
        size_t i = buf.find(text);
        if (i != std::string::npos) return pos + static_cast<int64_t>(i);
        if (buf.size() < block) return std::nullopt;
        pos += static_cast<int64_t>(block - text.size());
    }
}

std::string HeaderOf(const std::string& section) {
    return "[" + section + "]";
}

bool IsStorableSection(const std::string& section) {
    return section.find_first_of("\r\n") == std::string::npos;
}

struct Section {
    int64_t header = 0;           // offset of "["
    int64_t bodyStart = 0;        // first byte after the header line
    bool terminated = true;       // the header line has a line end
    std::optional<int64_t> next;  // offset of the next section's "["
};

// The first occurrence of the header as a whole line: the section the
// scanner finds (exact syntax), located by a block search and with offsets,
// so that an update in place costs a search rather than a read line by line.
// A "[name]" inside a value or a longer line is not the section.
std::optional<Section> FindSection(int fd, const std::string& section) {
    const std::string header = HeaderOf(section);
    int64_t from = 0;
    while (auto off = FindInFd(fd, header, from)) {
        from = *off + 1;
        if (*off > 0 && ReadAt(fd, *off - 1, 1) != "\n") continue;
        const int64_t end = *off + static_cast<int64_t>(header.size());
        std::string after = ReadAt(fd, end, 2);
        Section s;
        s.header = *off;
        if (after.empty() || after == "\r") {
            // The last line, without its line end or cut between CR and LF:
            // a rewrite completes the line end before the body.
            s.bodyStart = end;
            s.terminated = false;
        } else if (after == "\r\n") {
            s.bodyStart = end + 2;
        } else if (after[0] == '\n') {
            s.bodyStart = end + 1;
        } else {
            continue;
        }
        // The next line beginning with "[" ends the body.
        if (s.terminated) {
            if (auto nl = FindInFd(fd, "\n[", s.bodyStart - 1)) s.next = *nl + 1;
        }
        return s;
    }
    return std::nullopt;
}

struct BodyLine {
    int64_t offset;    // of its first byte in the file
    std::string text;  // without the line end
};

std::vector<BodyLine> ReadBody(int fd, const Section& s) {
    std::vector<BodyLine> lines;
    int64_t end = s.next ? *s.next : -1;
    std::string body;
    if (end >= 0) {
        body = ReadAt(fd, s.bodyStart, static_cast<size_t>(end - s.bodyStart));
    } else {
        struct stat st {};
        if (fstat(fd, &st) == 0 && st.st_size > s.bodyStart)
            body = ReadAt(fd, s.bodyStart, static_cast<size_t>(st.st_size - s.bodyStart));
    }
    size_t i = 0;
    while (i < body.size()) {
        size_t nl = body.find('\n', i);
        size_t stop = nl == std::string::npos ? body.size() : nl;
        std::string text = body.substr(i, stop - i);
        if (!text.empty() && text.back() == '\r') text.pop_back();
        lines.push_back({s.bodyStart + static_cast<int64_t>(i), std::move(text)});
        if (nl == std::string::npos) break;
        i = nl + 1;
    }
    return lines;
}

bool WithinOnePage(int64_t offset, size_t length) {
    static const int64_t page = std::max<long>(sysconf(_SC_PAGESIZE), 512);
    return length == 0 || offset / page == (offset + static_cast<int64_t>(length) - 1) / page;
}

bool IsBlank(const std::string& s) {
    return s.find_first_not_of(" \t") == std::string::npos;
}

// Key of an entry line (text before the first "="); nullopt without "=".
std::optional<std::string> KeyOf(const std::string& line) {
    size_t eq = line.find('=');
    if (eq == std::string::npos) return std::nullopt;
    return line.substr(0, eq);
}

const std::string& ValueAt(const std::vector<std::string>& values, size_t i) {
    static const std::string empty;
    return i < values.size() ? values[i] : empty;
}

// Rebuilds the file with the section's body replaced by `lines`, each
// followed by CR LF, then one empty line.
bool RewriteBody(const std::string& path, const std::string& section,
                 const std::vector<std::string>& lines) {
    ReplacementFile out(path);
    if (!out.ok()) return false;
    Fd in(platform::OpenRegularFile(out.target(), O_RDONLY));
    if (!in.ok()) return false;
    auto s = FindSection(in.get(), section);
    if (!s) return false;

    std::string body;
    for (const auto& l : lines) body += l + "\r\n";
    body += "\r\n";

    bool read = out.CopyRange(in.get(), 0, s->bodyStart);
    if (!s->terminated) out.Write("\r\n");
    out.WritePieces(body, kEntryPiece);
    if (s->next) read = read && out.CopyRange(in.get(), *s->next, -1);
    if (!read) {
        out.Abandon();
        throw SectionFileError(path);
    }
    return out.Commit();
}

}  // namespace

bool IsStorableEntry(const std::string& key, const std::string& value) {
    return !key.empty() && key[0] != '[' && key.find_first_of("=\r\n") == std::string::npos &&
           value.find_first_of("\r\n") == std::string::npos;
}

std::optional<int64_t> FindInFile(const std::string& path, const std::string& text, int64_t from) {
    Fd fd(platform::OpenRegularFile(path, O_RDONLY));
    if (!fd.ok()) return std::nullopt;
    return FindInFd(fd.get(), text, from);
}

bool EnsureFile(const std::string& path) {
    if (platform::FileExists(path)) return false;
    int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

KeyValues ReadKeys(const std::string& path, const std::string& section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& defaults) {
    KeyValues kv;
    for (size_t i = 0; i < keys.size(); ++i) kv.values.push_back(ValueAt(defaults, i));
    std::vector<bool> found(keys.size(), false);
    platform::LineReader reader(path);
    if (!reader.ok()) return kv;
    platform::SectionScanner scan(section, kSyntax);
    std::string line;
    while (!scan.done() && reader.Next(line)) {
        if (!scan.Take(line)) continue;
        auto key = KeyOf(line);
        if (!key) continue;
        for (size_t i = 0; i < keys.size(); ++i) {
            if (keys[i] != *key) continue;
            kv.values[i] = line.substr(key->size() + 1);
            found[i] = true;
        }
        if (std::all_of(found.begin(), found.end(), [](bool f) { return f; })) {
            kv.allFound = true;
            return kv;
        }
    }
    return kv;
}

std::vector<std::string> ListSections(const std::string& path) {
    std::vector<std::string> names;
    platform::LineReader reader(path);
    std::string line;
    while (reader.Next(line)) {
        if (auto name = platform::SectionName(line, kSyntax)) names.push_back(std::move(*name));
    }
    return names;
}

std::vector<std::string> ReadSectionLines(const std::string& path, const std::string& section) {
    std::vector<std::string> out;
    platform::LineReader reader(path);
    platform::SectionScanner scan(section, kSyntax);
    std::string line;
    while (!scan.done() && reader.Next(line)) {
        if (scan.Take(line) && !line.empty()) out.push_back(line);
    }
    return out;
}

bool WriteKey(const std::string& path, const std::string& section, const std::string& key,
              const std::string& value) {
    if (!IsStorableSection(section) || !IsStorableEntry(key, value)) return false;
    Fd fd(platform::OpenRegularFile(path, O_RDWR));
    // Neither an update nor an append can work on a file that is missing
    // or cannot be opened for writing.
    if (!fd.ok()) throw SectionFileError(path);
    auto s = FindSection(fd.get(), section);
    if (!s) {
        fd.Close();
        return AppendSection(path, section, {key}, {value});
    }
    std::vector<BodyLine> body = ReadBody(fd.get(), *s);
    const BodyLine* hit = nullptr;
    int hits = 0;
    for (const auto& l : body) {
        auto k = KeyOf(l.text);
        if (k && *k == key) {
            if (!hit) hit = &l;
            ++hits;
        }
    }
    // The fixed-width record of a unique key is overwritten where it stands,
    // unless it straddles a page: a kill can land between the two pages of
    // one write, and a record half old and half new would read as corrupt.
    const int64_t valueAt = hit ? hit->offset + static_cast<int64_t>(key.size()) + 1 : 0;
    if (hits == 1 && hit->text.size() - key.size() - 1 == value.size() &&
        WithinOnePage(valueAt, value.size())) {
        const off_t at = static_cast<off_t>(valueAt);
        ssize_t w;
        do {
            w = ::pwrite(fd.get(), value.data(), value.size(), at);
        } while (w < 0 && errno == EINTR);
        // Synced like every rewrite, so a power cut after the game's end
        // finds the record on the disk, not only in the page cache.
        if (w != static_cast<ssize_t>(value.size()) || ::fdatasync(fd.get()) != 0) {
            Dialogs().Info(section_msg::kWriteError);
            return false;
        }
        return true;
    }
    fd.Close();

    // A new key, a record of another length or a repeated key: rebuild the
    // body with every entry of the key set to the value, keeping lines that
    // are not entries as they were.
    std::vector<std::string> lines;
    bool set = false;
    for (const auto& l : body) {
        if (IsBlank(l.text)) continue;
        auto k = KeyOf(l.text);
        if (!k) {
            lines.push_back(l.text);
            continue;
        }
        std::string v = l.text.substr(k->size() + 1);
        v.erase(0, v.find_first_not_of(' '));
        if (*k == key) {
            v = value;
            set = true;
        }
        lines.push_back(*k + "=" + v);
    }
    if (!set) lines.push_back(key + "=" + value);
    return RewriteBody(path, section, lines);
}

bool RewriteSection(const std::string& path, const std::string& section,
                    const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    if (!IsStorableSection(section)) return false;
    std::vector<std::string> lines;
    for (size_t i = 0; i < keys.size(); ++i) {
        if (!IsStorableEntry(keys[i], ValueAt(values, i))) return false;
        lines.push_back(keys[i] + "=" + ValueAt(values, i));
    }
    return RewriteBody(path, section, lines);
}

bool AppendSection(const std::string& path, const std::string& section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& values) {
    if (!IsStorableSection(section)) return false;
    std::string text = "\r\n" + HeaderOf(section) + "\r\n";
    for (size_t i = 0; i < keys.size(); ++i) {
        if (!IsStorableEntry(keys[i], ValueAt(values, i))) return false;
        text += keys[i] + "=" + ValueAt(values, i) + "\r\n";
    }
    // Opened for writing, as an append in place would be: a file the
    // player made read-only stays as it is.
    Fd in(platform::OpenRegularFile(path, O_RDWR));
    if (!in.ok()) throw SectionFileError(path);
    // Appended in place, a kill in the middle of the write would leave half
    // a section; the copy is swapped in whole instead.
    ReplacementFile out(path);
    if (!out.ok()) return false;
    if (!out.CopyRange(in.get(), 0, -1)) {
        out.Abandon();
        throw SectionFileError(path);
    }
    out.Write(text);
    return out.Commit();
}

bool ReplaceInLines(const std::string& path, int column, const std::string& oldText,
                    const std::string& newText) {
    if (!platform::FileExists(path)) return false;
    BusyCursor busy;
    ReplacementFile out(path);
    if (!out.ok()) return false;
    platform::LineReader reader(out.target());
    if (!reader.ok()) {
        out.Abandon();
        throw SectionFileError(path);
    }
    const size_t at = column >= 1 ? static_cast<size_t>(column - 1) : 0;
    const bool active = column >= 1 && !oldText.empty();
    std::string line;
    while (reader.Next(line)) {
        if (active && line.size() >= at + oldText.size() &&
            line.compare(at, oldText.size(), oldText) == 0)
            line.replace(at, oldText.size(), newText);
        out.WriteLine(line);
    }
    if (reader.failed()) {
        out.Abandon();
        throw SectionFileError(path);
    }
    return out.Commit();
}

bool ReplaceFileWith(const std::string& tempPath, const std::string& target) {
    if (platform::SwapInFile(tempPath, target) == 0) return true;
    Dialogs().Info(std::string(section_msg::kRenameError) + tempPath +
                   BW_TR_NOOP("Messages", "\nto: ") + target);
    return false;
}

ReplacementFile::ReplacementFile(const std::string& target) : file_(target, "rpl") {
    // A link, folder, pipe or device in the file's place is a file the
    // store cannot open; otherwise the folder refused the temporary file.
    if (file_.refused())
        Dialogs().Info(SectionFileError(target).what());
    else if (!file_.created())
        Dialogs().Info(section_msg::kTempFile);
}

ReplacementFile::~ReplacementFile() = default;

void ReplacementFile::WritePieces(const std::string& bytes, size_t piece) {
    for (size_t i = 0; i < bytes.size() && !file_.failed(); i += piece)
        file_.WriteNow(bytes.data() + i, std::min(piece, bytes.size() - i));
}

bool ReplacementFile::Commit() {
    switch (file_.Commit()) {
        case platform::AtomicFile::Result::kDone: return true;
        case platform::AtomicFile::Result::kNotCreated: return false;
        case platform::AtomicFile::Result::kWriteFailed:
            Dialogs().Info(section_msg::kWriteError);
            return false;
        case platform::AtomicFile::Result::kRenameFailed:
            Dialogs().Info(std::string(section_msg::kRenameError) + file_.tempPath() +
                           BW_TR_NOOP("Messages", "\nto: ") + file_.target());
            return false;
    }
    return false;
}

}  // namespace bw
