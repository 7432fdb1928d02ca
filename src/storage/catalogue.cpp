#include "storage/catalogue.h"

#include <cstdlib>

#include "core/params.h"
#include "core/rules.h"
#include "core/state.h"
#include "platform/paths.h"

namespace bw {

namespace {

std::string Field(const std::string& line, size_t col1, size_t width) {
    if (line.size() < col1) return std::string();
    return line.substr(col1 - 1, width);
}

std::string TrimRight(std::string s) {
    size_t e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

// Columns 5-7 as a number; -1 when they do not convert.
int EntryId(const std::string& line) {
    std::string f = TrimRight(Field(line, 5, 3));
    if (f.empty()) return -1;
    char* end = nullptr;
    long v = std::strtol(f.c_str(), &end, 10);
    return *end == '\0' ? static_cast<int>(v) : -1;
}

}  // namespace

void LoadCatalogueFromLines(const std::vector<std::string>& storedLines) {
    MainGame.catalogue.clear();
    for (const std::string& stored : storedLines) {
        std::string line = DecodeGamesText(stored);
        std::string cls = Field(line, 8, 1);
        if (cls == "0" || cls == "5") MainGame.catalogue.push_back(line);
    }
}

bool LoadCatalogue() {
    const std::string path = ProgramFile("GAMES.DAT");
    if (!platform::FileExists(path)) {
        MainGame.catalogue.clear();
        return false;
    }
    LoadCatalogueFromLines(ReadGamesSection(path, "[Sect1]"));
    return true;
}

int CatalogueIndex(int gameId) {
    if (gameId < 0 || gameId >= 8000) return -1;
    const auto& cat = MainGame.catalogue;
    if (static_cast<size_t>(gameId) < cat.size() &&
        EntryId(cat[static_cast<size_t>(gameId)]) == gameId)
        return gameId;
    for (size_t i = 0; i < cat.size(); ++i)
        if (EntryId(cat[i]) == gameId) return static_cast<int>(i);
    return -1;
}

std::string GameName(int gameId) {
    int i = CatalogueIndex(gameId);
    if (i < 0) return std::string();
    return TrimRight(Field(MainGame.catalogue[static_cast<size_t>(i)], 11, 50));
}

int GameFamily(int gameId) {
    if (gameId >= 8000) return 800;
    int i = CatalogueIndex(gameId);
    if (i < 0) return -1;
    std::string f = TrimRight(Field(MainGame.catalogue[static_cast<size_t>(i)], 1, 3));
    char* end = nullptr;
    long v = std::strtol(f.c_str(), &end, 10);
    return end == f.c_str() ? -1 : static_cast<int>(v);
}

}  // namespace bw
