#include "storage/catalogue.h"

#include <algorithm>
#include <numeric>
#include <sstream>

#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "core/tr_marker.h"
#include "platform/line_reader.h"
#include "platform/paths.h"

namespace bw {

namespace {

std::string Field(const std::string& line, size_t col1, size_t width) {
    if (line.size() < col1) return std::string();
    return line.substr(col1 - 1, width);
}

std::string TrimRight(const std::string& s) {
    size_t e = s.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(' ');
    return b == std::string::npos ? std::string() : TrimRight(s.substr(b));
}

// A field read as a whole number (trailing blanks removed); false otherwise.
bool FieldNumber(const std::string& field, int& out) {
    long v = 0;
    std::string t = TrimRight(field);
    if (t.empty() || !ParseGamesInteger(t, v)) return false;
    out = static_cast<int>(v);
    return true;
}

int EntryId(const std::string& line) {
    int id = -1;
    return FieldNumber(Field(line, 5, 3), id) ? id : -1;
}

const std::string* EntryOf(int gameId) {
    int i = CatalogueIndex(gameId);
    return i < 0 ? nullptr : &MainGame.catalogue[static_cast<size_t>(i)];
}

bool LessNoCase(const std::string& a, const std::string& b) {
    std::string la = platform::ToLower(a), lb = platform::ToLower(b);
    return la != lb ? la < lb : a < b;
}

// One record of GAM_CUST.DAT; the flags say whether the numbers converted.
struct CustomRecord {
    std::string name;
    int number = 0;
    int base = 0;
    bool numberOk = false;
    bool baseOk = false;
    std::string options;
};

// A player's own games take a few kilobytes each.
constexpr size_t kMaxCustomBytes = 16u << 20;

// Line 1 is a header; from line 2 on one record every 30 lines.
bool ReadCustomRecords(std::vector<CustomRecord>& out) {
    out.clear();
    std::string bytes;
    if (platform::ReadRegularFile(ProgramFile("DATA\\GAM_CUST.DAT"), bytes, kMaxCustomBytes) != 0)
        return false;
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    for (size_t i = 1; i < lines.size(); i += 30) {
        const std::string& first = lines[i];
        CustomRecord r;
        r.numberOk = FieldNumber(Field(first, 1, 4), r.number);
        if (!r.numberOk) r.number = 0;
        r.name = Field(first, 5, 50);
        r.name.resize(50, ' ');
        r.baseOk = FieldNumber(Field(first, 55, 4), r.base);
        if (!r.baseOk) r.base = 0;
        if (i + 1 < lines.size()) r.options = lines[i + 1].substr(0, 7);
        out.push_back(std::move(r));
    }
    return true;
}

const CustomRecord* FindCustom(const std::vector<CustomRecord>& records, int number) {
    for (const CustomRecord& r : records)
        if (r.numberOk && r.number == number) return &r;
    return nullptr;
}

}  // namespace

CatalogueEntry ParseCatalogueLine(const std::string& plainLine) {
    CatalogueEntry e;
    if (!FieldNumber(Field(plainLine, 1, 3), e.family)) e.family = 0;
    e.id = EntryId(plainLine);
    std::string cls = Field(plainLine, 8, 1);
    e.editionClass = cls.empty() ? ' ' : cls[0];
    e.needs800x600 = Field(plainLine, 9, 1) == "1";
    e.name = TrimRight(Field(plainLine, 11, 50));
    return e;
}

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
    if (!platform::FileExists(path) || !KeepGamesFile(path)) {
        MainGame.catalogue.clear();
        return false;
    }
    LoadCatalogueFromLines(ReadGamesSection(path, "Sect1"));
    return true;
}

std::string GamesFileProblem(const std::string& path) {
    if (!platform::FileExists(path) || !KeepGamesFile(path))
        return BW_TR_NOOP("Messages", "Cannot find file:\n") + path +
               BW_TR_NOOP("Messages",
                          "\nCopy the file into the directory that above is "
                          "specified\nor reinstall the program.");
    bool any = false;
    for (const std::string& stored : ReadGamesSection(path, "Sect1")) {
        CatalogueEntry e = ParseCatalogueLine(DecodeGamesText(stored));
        any = any || ((e.editionClass == '0' || e.editionClass == '5') && e.id >= 0);
    }
    if (!any)
        return BW_TR_NOOP("Messages", "The file ") + path +
               BW_TR_NOOP("Messages", " holds no game of this edition.\nReinstall the program.");
    return std::string();
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

std::string GameName(int gameId, const std::string& callerText) {
    if (gameId >= 8000) return callerText;
    const std::string* line = EntryOf(gameId);
    return line ? TrimRight(Field(*line, 11, 50)) : std::string();
}

int GameFamily(int gameId) {
    if (gameId >= 8000) return 800;
    const std::string* line = EntryOf(gameId);
    return line ? ParseCatalogueLine(*line).family : -1;
}

int GameIdByName(const std::string& name) {
    std::string wanted = platform::ToLower(Trim(name));
    for (const std::string& line : MainGame.catalogue) {
        int id = EntryId(line);
        if (id >= 0 && platform::ToLower(Trim(Field(line, 11, 50))) == wanted) return id;
    }
    return -1;
}

std::vector<std::string> AllGameNames() {
    std::vector<std::string> names;
    for (const std::string& line : MainGame.catalogue)
        if (EntryId(line) >= 0) names.push_back(Trim(Field(line, 11, 50)));
    std::vector<CustomRecord> records;
    ReadCustomRecords(records);
    for (const CustomRecord& r : records)
        if (r.numberOk) names.push_back(Trim(r.name));
    std::stable_sort(names.begin(), names.end(), LessNoCase);
    return names;
}

bool ReadCustomGames(CustomGames& out) {
    out = CustomGames();
    std::vector<CustomRecord> records;
    if (!ReadCustomRecords(records)) return false;
    std::vector<size_t> order(records.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return LessNoCase(records[a].name, records[b].name);
    });
    for (size_t i : order) {
        out.names.push_back(records[i].name);
        out.numbers.push_back(records[i].number);
        out.bases.push_back(records[i].base);
        out.options.push_back(records[i].options);
    }
    return true;
}

int CustomGameBase(int number, std::string* options) {
    if (options) options->clear();
    std::vector<CustomRecord> records;
    ReadCustomRecords(records);
    const CustomRecord* r = FindCustom(records, number);
    if (!r) return -1;
    if (options) *options = r->options;
    return r->baseOk ? r->base : -1;
}

bool CanPlayOnThisScreen(int gameId) {
    if (Screen().Width() >= 650) return true;
    int game = gameId;
    std::string name;
    if (gameId >= 8000) {
        std::vector<CustomRecord> records;
        ReadCustomRecords(records);
        const CustomRecord* r = FindCustom(records, gameId);
        if (!r || !r->baseOk) return true;
        game = r->base;
        name = Trim(r->name);
    } else {
        name = GameName(gameId);
    }
    const std::string* line = EntryOf(game);
    if (!line || Field(*line, 9, 1) != "1") return true;
    Dialogs().Info(
        BW_TR_NOOP("Messages", "Your video card's display is 640x480 pixels.\nYou can't play: ") +
        name +
        BW_TR_NOOP("Messages", "\nPlease set your screen resolution to 800x600 pixels or higher."));
    return false;
}

std::vector<int> GameRuleValues(int gameId, const std::vector<int>& positions) {
    std::vector<int> values(positions.size(), 0);
    int column = CatalogueIndex(gameId);
    std::vector<std::string> lines;
    if (column >= 0) lines = ReadGamesSection(ProgramFile("GAMES.DAT"), "Sect2");
    for (size_t k = 0; k < positions.size(); ++k) {
        if (positions[k] == -1) {
            values[k] = -99;
            continue;
        }
        for (const std::string& line : lines) {
            if (RuleLineIndex(line) != positions[k]) continue;
            long v = 0;
            values[k] = RuleLineValue(line, column, v) ? static_cast<int>(v) : 0;
            break;
        }
    }
    return values;
}

void CheckStoredGame(Game& g) {
    std::string stored = g.values.id;
    long id = -1;
    bool number = ParseGamesInteger(stored, id);
    if (number && id < 0) return;  // no current game already
    // A field that is no number at all cannot name a game either.
    if (number && !GameName(static_cast<int>(id), g.values.name).empty()) return;
    SetValue(g.values.id, field::kGameId, FormatNumber(-1, 4));
    SetValue(g.values.name, field::kGameName, "");
}

}  // namespace bw
