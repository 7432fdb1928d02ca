#include "core/rules.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "core/params.h"
#include "storage/catalogue.h"

namespace bw {

namespace {
std::array<int16_t, 40> g_keepTableau{};
std::array<int16_t, 16> g_keepFoundation{};
}  // namespace

char DecodeGamesChar(char stored) {
    unsigned char ch = static_cast<unsigned char>(stored);
    return static_cast<char>(ch >= 80 ? ch - 48 : ch + 48);
}

// The substitution is its own inverse on the printable codes 32..127.
char EncodeGamesChar(char plain) { return DecodeGamesChar(plain); }

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

std::vector<std::string> ReadGamesSection(const std::string& path, const std::string& header) {
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    if (!in) return lines;
    std::string line;
    bool inside = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (inside) {
            if (!line.empty() && line[0] == '[') break;
            lines.push_back(line);
        } else if (line.rfind(header, 0) == 0) {
            inside = true;
        }
    }
    return lines;
}

void LoadRuleColumn(const std::string& path, int column, RuleTable& rules) {
    rules.fill(0);
    if (column < 0) return;
    for (const std::string& line : ReadGamesSection(path, "[Sect2]")) {
        std::string idxText = DecodeGamesText(line.substr(0, std::min<size_t>(4, line.size())));
        char* end = nullptr;
        long idx = std::strtol(idxText.c_str(), &end, 10);
        if (end == idxText.c_str() || idx < 0 || idx >= static_cast<long>(rules.size())) continue;
        size_t start = 16 + 11 * static_cast<size_t>(column);
        if (start >= line.size()) continue;
        std::string value = DecodeGamesText(line.substr(start, 10));
        size_t e = value.find_last_not_of(' ');
        value = e == std::string::npos ? std::string() : value.substr(0, e + 1);
        long v = std::strtol(value.c_str(), &end, 10);
        if (end == value.c_str()) continue;
        if (v < -32768) v = -32768;
        if (v > 32767) v = 32767;
        rules[static_cast<size_t>(idx)] = static_cast<int16_t>(v);
    }
}

void LoadGameRules(int gameId) {
    GameRules.fill(0);
    if (gameId >= 0 && gameId < 8000)
        LoadRuleColumn(ProgramFile("GAMES.DAT"), CatalogueIndex(gameId), GameRules);
    SaveRuleBases();
}

void SaveRuleBases() {
    for (size_t i = 0; i < 40; ++i) g_keepTableau[i] = GameRules[132 + i];
    for (size_t i = 0; i < 16; ++i) g_keepFoundation[i] = GameRules[52 + i];
}

void RestoreRuleBases() {
    for (size_t i = 0; i < 40; ++i) GameRules[132 + i] = g_keepTableau[i];
    for (size_t i = 0; i < 16; ++i) GameRules[52 + i] = g_keepFoundation[i];
}

}  // namespace bw
