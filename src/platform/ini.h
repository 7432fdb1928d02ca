#pragma once
// Profile (INI) files with the semantics the program was written against:
// section and key names compare without regard to case and are trimmed;
// values are trimmed and lose one pair of surrounding quotes; the first
// matching section and key win. Writes keep every other line byte for byte.
// A file is read once and kept in memory while it stays as it was (same
// file, size and times); a write goes to the file at once.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace bw::platform {

std::string IniReadString(const std::string& path, const std::string& section,
                          const std::string& key, const std::string& def);
// The whole trimmed value as a decimal integer, or hexadecimal after "0x";
// `def` when the key is missing or the text is not a number.
int64_t IniReadInt(const std::string& path, const std::string& section, const std::string& key,
                   int64_t def);
// True when the key (or section) exists, even with an empty value.
bool IniHasKey(const std::string& path, const std::string& section, const std::string& key);

// Replaces the value in place, appends a new key at the end of its section
// and a new section at the end of the file, with CR LF line ends. Creates the
// file but not its folder. The whole file is replaced atomically (written
// beside it, synced, renamed over it), so neither a failed write nor a kill
// at any instant leaves a half-written file; returns false on failure.
bool IniWriteString(const std::string& path, const std::string& section, const std::string& key,
                    const std::string& value);
bool IniWriteInt(const std::string& path, const std::string& section, const std::string& key,
                 int64_t value);
// Several writes in one replacement of the file, with the bytes the same
// writes one by one would leave: each rewrite is synced to the disk, which
// costs milliseconds, and all of them stand or fall together.
struct IniEntry {
    std::string section, key, value;
};
bool IniWriteStrings(const std::string& path, const std::vector<IniEntry>& entries);

// Told about every failed write, with the file's path and the system's
// reason ("No space left on device"); empty: failures are only returned.
using IniWriteFailure = std::function<void(const std::string& path, const std::string& reason)>;
void SetIniWriteFailureHandler(IniWriteFailure handler);

// With background writes on (SetBackgroundWrites), a write returns once the
// new file is written beside the old one, and reads see it at once; this
// waits until every write is in place and tells the failures to the handler.
void FinishIniWrites();

// Parses an integer the way IniReadInt does; false when `text` is not one.
bool ParseProfileInt(const std::string& text, int64_t& out);

}  // namespace bw::platform
