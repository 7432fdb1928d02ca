#pragma once
// A file of checked per-player entries beside the results file: one section
// per game id, one line per player, each value a fixed-length record and the
// check value of a results entry (section, player and record).
//
//   [Version]
//   Version=0001
//   [201]
//   Ann=<record> <check>
//
// An entry that does not hold costs only itself: before the file is
// rewritten without it, the file as it was is kept aside. Only the record's
// own layout differs between such files; the rest lives here.
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace bw {

class PlayerEntryFile {
public:
    // Records by section (game id) and player.
    using Entries = std::map<std::string, std::map<std::string, std::string>>;

    // `file` is relative to the program folder ("DATA\\Daily.dat"); a record
    // is `recordLength` characters that `holds` accepts.
    PlayerEntryFile(const char* file, size_t recordLength,
                    std::function<bool(const std::string&)> holds);

    std::string Path() const;
    // False for a link, a pipe or a folder in the file's place: none of the
    // program's own, left alone. `exists` tells whether the file is there.
    bool Usable(bool& exists) const;
    // The player's checked record of one section; `damaged` when the entry
    // is there but does not hold.
    std::optional<std::string> Read(const std::string& section, const std::string& player,
                                    bool& damaged) const;
    // Every entry that holds; `damaged` when a line or an entry was left out.
    Entries ReadAll(bool& damaged) const;
    // Writes one entry in place, the file and its version made first. A file
    // that cannot be written is said through the dialogs port; false then.
    bool Write(const std::string& section, const std::string& player,
               const std::string& record) const;
    // The whole file in one replace; a damaged one is copied aside first and
    // nothing is written when that fails.
    bool RewriteAll(const Entries& all, bool damaged) const;
    // The player operations: a rename moves the player's entries, a clear
    // removes them. Blank or equal names do nothing.
    void RenamePlayer(const std::string& oldName, const std::string& newName) const;
    void ClearPlayer(const std::string& player) const;

    // The value stored for a record, and a value's record if it holds.
    std::string Value(const std::string& section, const std::string& player,
                      const std::string& record) const;
    std::optional<std::string> Parse(const std::string& section, const std::string& player,
                                     const std::string& value) const;
    // Whether a player's name and an entry can be stored at all.
    bool Storable(const std::string& player) const;

private:
    void RewritePlayer(const std::string& from, const std::string& to) const;

    const char* file_;
    size_t recordLength_;
    std::function<bool(const std::string&)> holds_;
};

// A player's name as stored: without trailing blanks.
std::string StoredPlayerName(std::string name);

}  // namespace bw
