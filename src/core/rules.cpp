#include "core/rules.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "platform/line_reader.h"
#include "platform/sections.h"

namespace bw {

namespace {
bool g_rulesReadable = true;
}  // namespace

char DecodeGamesChar(char stored) {
    unsigned char ch = static_cast<unsigned char>(stored);
    return static_cast<char>(ch >= 80 ? ch - 48 : ch + 48);
}

// The substitution is its own inverse on the printable codes 32..127.
char EncodeGamesChar(char plain) {
    return DecodeGamesChar(plain);
}

std::string DecodeGamesText(const std::string& stored) {
    std::string out(stored);
    for (char& c : out) c = DecodeGamesChar(c);
    return out;
}

std::string EncodeGamesText(const std::string& plain) {
    std::string out(plain);
    for (char& c : out) c = EncodeGamesChar(c);
    return out;
}

namespace {

std::vector<std::string> SectionLines(platform::LineReader& in, const std::string& section) {
    std::vector<std::string> lines;
    platform::SectionScanner scan(section, platform::SectionSyntax::kLinePrefix);
    std::string line;
    while (!scan.done() && in.Next(line)) {
        if (scan.Take(line)) lines.push_back(line);
    }
    return lines;
}

}  // namespace

namespace {

// The games file as read by the last KeepGamesFile.
struct KeptGames {
    std::string path;
    std::string bytes;
};
KeptGames g_kept;

// The shipped file holds some 40 KB; far beyond that it is no games file.
constexpr size_t kMaxGamesBytes = 16u << 20;

}  // namespace

bool KeepGamesFile(const std::string& path) {
    g_kept = KeptGames();
    std::string bytes;
    if (platform::ReadRegularFile(path, bytes, kMaxGamesBytes, platform::Links::kFollow) != 0)
        return false;
    g_kept = {path, std::move(bytes)};
    return true;
}

std::vector<std::string> ReadGamesSection(const std::string& path, const std::string& section) {
    if (!g_kept.path.empty() && path == g_kept.path) {
        platform::LineReader in(platform::LineReader::Text{g_kept.bytes});
        return SectionLines(in, section);
    }
    platform::LineReader in(path, platform::Links::kFollow);
    return SectionLines(in, section);
}

std::vector<std::string> ReadGamesSectionFromText(const std::string& text,
                                                  const std::string& section) {
    platform::LineReader in(platform::LineReader::Text{text});
    return SectionLines(in, section);
}

bool ParseGamesInteger(const std::string& text, long& value) {
    size_t i = text.find_first_not_of(' ');
    if (i == std::string::npos) return false;
    bool negative = false;
    if (text[i] == '+' || text[i] == '-') negative = text[i++] == '-';
    if (i >= text.size()) return false;
    long v = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c < '0' || c > '9') return false;
        if (v < 1000000000L) v = v * 10 + (c - '0');  // saturate: no overflow on long digit runs
    }
    value = negative ? -v : v;
    return true;
}

int RuleLineIndex(const std::string& storedLine) {
    std::string text =
        DecodeGamesText(storedLine.substr(0, std::min<size_t>(4, storedLine.size())));
    size_t e = text.find_last_not_of(' ');
    long idx = 0;
    if (e == std::string::npos || !ParseGamesInteger(text.substr(0, e + 1), idx)) return -1;
    return idx >= 0 && idx < 100000 ? static_cast<int>(idx) : -1;
}

bool RuleLineValue(const std::string& storedLine, int column, long& value) {
    if (column < 0) return false;
    size_t start = 16 + 11 * static_cast<size_t>(column);
    if (start >= storedLine.size()) return false;
    std::string text = DecodeGamesText(storedLine.substr(start, 10));
    size_t e = text.find_last_not_of(' ');
    if (e == std::string::npos) return false;
    return ParseGamesInteger(text.substr(0, e + 1), value);
}

namespace {

// Whether the file's last byte ends a line (false for an empty file or one
// that cannot be read).
bool EndsWithLineBreak(const std::string& path) {
    const int fd = platform::OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return false;
    char last = 0;
    const off_t size = ::lseek(fd, 0, SEEK_END);
    const bool ok = size > 0 && ::pread(fd, &last, 1, size - 1) == 1;
    ::close(fd);
    return ok && last == '\n';
}

}  // namespace

bool LoadRuleColumn(const std::string& path, int column, RuleTable& rules) {
    rules.fill(0);
    if (column < 0) return true;
    // A games file lists entries in order, every line reaching every column.
    // Cut, it stops inside a line: that line does not reach the columns after
    // the cut, and unless it was the last entry's, the entries after it are gone.
    const size_t fieldStart = 16 + 11 * static_cast<size_t>(column);
    bool whole = true;
    int lastIndex = -1;
    for (const std::string& line : ReadGamesSection(path, "Sect2")) {
        int idx = RuleLineIndex(line);
        lastIndex = idx;
        long v = 0;
        if (idx < 0 || idx >= static_cast<int>(rules.size())) continue;
        if (line.size() <= fieldStart) whole = false;
        if (!RuleLineValue(line, column, v)) continue;
        // Entries are 16-bit; a value beyond that range is clamped rather than wrapped.
        if (v < -32768) v = -32768;
        if (v > 32767) v = 32767;
        rules[static_cast<size_t>(idx)] = static_cast<int16_t>(v);
    }
    if (lastIndex != static_cast<int>(rules.size()) - 1 && !EndsWithLineBreak(path)) whole = false;
    return whole;
}

void LoadGameRules(Game& g, int gameId) {
    g.GameRules.fill(0);
    g_rulesReadable = true;
    if (gameId >= 0 && gameId < 8000)
        g_rulesReadable =
            LoadRuleColumn(ProgramFile("GAMES.DAT"), GameStore().RuleColumn(gameId), g.GameRules);
    SaveRuleBases(g);
}

bool GameRulesReadable() {
    return g_rulesReadable;
}

void SaveRuleBases(Game& g) {
    const auto rules = g.GameRules.begin();
    std::copy_n(rules + rule::kEmptyFila1, g.keptTableau.size(), g.keptTableau.begin());
    std::copy_n(rules + rule::kBaseRank1, g.keptFoundation.size(), g.keptFoundation.begin());
}

void RestoreRuleBases(Game& g) {
    const auto rules = g.GameRules.begin();
    std::copy(g.keptTableau.begin(), g.keptTableau.end(), rules + rule::kEmptyFila1);
    std::copy(g.keptFoundation.begin(), g.keptFoundation.end(), rules + rule::kBaseRank1);
}

}  // namespace bw
