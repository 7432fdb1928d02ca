#pragma once
// The section file store: sectioned CR LF text files ("[name]" headers,
// key=value entries) updated at the byte level. Lines the store does not
// touch keep their bytes; an existing fixed-width record is overwritten in
// place; anything larger is rebuilt in a temporary file beside the target
// that then replaces it in one rename, so the file always holds either the
// old or the new content. Every call opens and closes the file itself.
//
// Names, keys and values are byte strings compared exactly. A header is a
// whole line "[" name "]"; a section's body runs to the next line starting
// with "[". Files with LF-only line ends are read the same way.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/tr_marker.h"
#include "platform/atomic_file.h"
#include "platform/line_reader.h"

namespace bw {

// A file the store must read or extend cannot be opened.
class SectionFileError : public std::runtime_error {
public:
    explicit SectionFileError(const std::string& path)
        : std::runtime_error(BW_TR_NOOP("Messages", "Cannot open file ") + path), path_(path) {}
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

namespace section_msg {
inline constexpr const char* kTempFile = BW_TR_NOOP("Messages", "Error creating temp file.");
inline constexpr const char* kWriteError = BW_TR_NOOP("Messages", "Write error on file");
inline constexpr const char* kDeleteError = BW_TR_NOOP("Messages", "Error in deleting the file: ");
inline constexpr const char* kRenameError = BW_TR_NOOP("Messages", "Error in renaming the file: ");
}  // namespace section_msg

// Creates the file with no content when it does not exist; true when it
// was created, false when it existed already (or cannot be created).
bool EnsureFile(const std::string& path);

struct KeyValues {
    std::vector<std::string> values;  // one per key; the default when not found
    bool allFound = false;
};
// Values of `keys` in section `section`; the last occurrence of a key wins
// until every key has been seen. A missing file or section gives the defaults.
KeyValues ReadKeys(const std::string& path, const std::string& section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& defaults);

// Section names in file order; empty when the file is missing.
std::vector<std::string> ListSections(const std::string& path);

// Every non-empty body line of the section, whole; empty when missing.
std::vector<std::string> ReadSectionLines(const std::string& path, const std::string& section);

// Sets key=value in the section. An existing record of the same length is
// overwritten in place and synced (when it lies within one memory page, so that one
// write puts it whole); otherwise the section is rewritten, or appended when
// missing. Throws SectionFileError when the file does not exist or cannot be
// opened. False (file untouched) for a key or value that cannot be stored
// as one entry line, or when the rewrite failed (its message was shown).
bool WriteKey(const std::string& path, const std::string& section, const std::string& key,
              const std::string& value);

// Replaces the section's body by the entries and one empty line. False when
// the section is missing or the file could not be replaced (message shown).
bool RewriteSection(const std::string& path, const std::string& section,
                    const std::vector<std::string>& keys, const std::vector<std::string>& values);

// Appends CR LF "[section]" CR LF and the entries at the end of an existing
// file (by replacing it with the longer copy, so a kill never leaves half a
// section). Throws SectionFileError when the file cannot be opened for
// writing; false when the copy could not be made (message shown).
bool AppendSection(const std::string& path, const std::string& section,
                   const std::vector<std::string>& keys, const std::vector<std::string>& values);

// Rewrites every line, with CR LF, replacing `oldText` by `newText` where it
// stands at 1-based `column`. False when the file is missing or could not be
// replaced. Throws SectionFileError when the file cannot be read.
bool ReplaceInLines(const std::string& path, int column, const std::string& oldText,
                    const std::string& newText);

// 0-based offset of the first occurrence of `text` at or after `from`,
// searched in 8192-byte blocks that overlap by the text's length.
std::optional<int64_t> FindInFile(const std::string& path, const std::string& text,
                                  int64_t from = 0);

// Whether a key and value can be written as one "key=value" line that reads
// back as the same key: no line breaks, a non-empty key without "=" that
// does not start a header.
bool IsStorableEntry(const std::string& key, const std::string& value);

// Moves the finished temporary file over `target` in one rename, keeping the
// target's permissions. On failure shows the rename message, removes the
// temporary file and leaves the target as it was.
bool ReplaceFileWith(const std::string& tempPath, const std::string& target);

// A temporary "rpl" file beside `target` (a regular file or a free name), written
// through a buffer and swapped in by the program's one atomic replace.
// Abandon (or destruction without Commit) removes it; Commit replaces the
// target.
class ReplacementFile {
public:
    explicit ReplacementFile(const std::string& target);
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // False when the temporary file could not be created ("Error creating
    // temp file." has been shown) or the target is no regular file ("Cannot
    // open file" and its path).
    bool ok() const { return file_.created(); }
    const std::string& tempPath() const { return file_.tempPath(); }
    const std::string& target() const { return file_.target(); }
    void Write(const std::string& bytes) { file_.Write(bytes); }
    void WriteLine(const std::string& line) { Write(line + "\r\n"); }
    // Writes `bytes` in pieces of at most `piece` bytes, each unbuffered.
    void WritePieces(const std::string& bytes, size_t piece);
    // Copies bytes [from, to) of an open file descriptor (to < 0: up to its
    // end); false when the source could not be read.
    bool CopyRange(int sourceFd, int64_t from, int64_t to) {
        return file_.CopyFrom(sourceFd, from, to);
    }
    bool failed() const { return file_.failed(); }
    // Flushes, syncs and renames over the target. A write failure shows
    // "Write error on file" and keeps the target; false on any failure.
    bool Commit();
    void Abandon() { file_.Abandon(); }

private:
    platform::AtomicFile file_;
};

}  // namespace bw
