#include "storage/player_entries.h"

#include <cerrno>
#include <utility>

#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "storage/kept_aside.h"
#include "storage/results.h"
#include "storage/section_file.h"

namespace bw {

namespace {
constexpr const char* kVersion = "0001";
constexpr size_t kCheckLength = 8;
}  // namespace

std::string StoredPlayerName(std::string name) {
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

PlayerEntryFile::PlayerEntryFile(const char* file, size_t recordLength,
                                 std::function<bool(const std::string&)> holds)
    : file_(file), recordLength_(recordLength), holds_(std::move(holds)) {}

std::string PlayerEntryFile::Path() const {
    return ProgramFile(file_);
}

bool PlayerEntryFile::Usable(bool& exists) const {
    const int problem = platform::RegularFileProblem(Path());
    exists = problem == 0;
    return problem == 0 || problem == ENOENT;
}

std::string PlayerEntryFile::Value(const std::string& section, const std::string& player,
                                   const std::string& record) const {
    return record + " " + ResultCheckValue(section, player, record);
}

std::optional<std::string> PlayerEntryFile::Parse(const std::string& section,
                                                  const std::string& player,
                                                  const std::string& value) const {
    if (value.size() != recordLength_ + 1 + kCheckLength || value[recordLength_] != ' ')
        return std::nullopt;
    std::string record = value.substr(0, recordLength_);
    if (value.substr(recordLength_ + 1) != ResultCheckValue(section, player, record) ||
        !holds_(record))
        return std::nullopt;
    return record;
}

bool PlayerEntryFile::Storable(const std::string& player) const {
    return IsStorableEntry(player, std::string(recordLength_ + 1 + kCheckLength, '0'));
}

std::optional<std::string> PlayerEntryFile::Read(const std::string& section,
                                                 const std::string& player, bool& damaged) const {
    bool exists = false;
    if (!Usable(exists) || !exists) return std::nullopt;
    const KeyValues kv = ReadKeys(Path(), section, {player}, {""});
    if (!kv.allFound) return std::nullopt;
    auto record = Parse(section, player, kv.values[0]);
    if (!record) damaged = true;
    return record;
}

PlayerEntryFile::Entries PlayerEntryFile::ReadAll(bool& damaged) const {
    const std::string path = Path();
    Entries all;
    for (const std::string& section : ListSections(path)) {
        if (section == "Version") continue;
        for (const std::string& line : ReadSectionLines(path, section)) {
            const size_t eq = line.find('=');
            const std::string player = eq == std::string::npos ? "" : line.substr(0, eq);
            const auto record =
                player.empty() ? std::nullopt : Parse(section, player, line.substr(eq + 1));
            if (!record || all[section].count(player))
                damaged = true;
            else
                all[section][player] = *record;
        }
    }
    return all;
}

bool PlayerEntryFile::Write(const std::string& section, const std::string& player,
                            const std::string& record) const {
    const std::string path = Path();
    try {
        if (EnsureFile(path)) WriteKey(path, "Version", "Version", kVersion);
        return WriteKey(path, section, player, Value(section, player, record));
    } catch (const SectionFileError& e) {
        Dialogs().Info(e.what());
    }
    return false;
}

bool PlayerEntryFile::RewriteAll(const Entries& all, bool damaged) const {
    const std::string path = Path();
    if (damaged && CopyAside(path).empty()) return false;  // nothing is dropped unkept
    ReplacementFile out(path);
    if (!out.ok()) return false;
    out.WriteLine("[Version]");
    out.WriteLine(std::string("Version=") + kVersion);
    for (const auto& [section, players] : all) {
        if (players.empty()) continue;
        out.WriteLine("");
        out.WriteLine("[" + section + "]");
        for (const auto& [name, record] : players)
            out.WriteLine(name + "=" + Value(section, name, record));
    }
    return out.Commit();
}

void PlayerEntryFile::RewritePlayer(const std::string& from, const std::string& to) const {
    bool exists = false;
    if (!Usable(exists) || !exists) return;
    bool damaged = false;
    Entries all = ReadAll(damaged);
    bool holds = false;
    for (auto& [section, players] : all) {
        const auto it = players.find(from);
        if (it == players.end()) continue;
        holds = true;
        std::string record = std::move(it->second);
        players.erase(it);
        if (!to.empty()) players[to] = std::move(record);
    }
    if (holds) RewriteAll(all, damaged);
}

void PlayerEntryFile::RenamePlayer(const std::string& oldName, const std::string& newName) const {
    const std::string o = StoredPlayerName(oldName), n = StoredPlayerName(newName);
    if (o.empty() || n.empty() || o == n) return;
    RewritePlayer(o, n);
}

void PlayerEntryFile::ClearPlayer(const std::string& player) const {
    const std::string p = StoredPlayerName(player);
    if (!p.empty()) RewritePlayer(p, std::string());
}

}  // namespace bw
