#include "storage/games_source.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>
#include <sstream>

#include "core/params.h"
#include "core/rules.h"
#include "platform/paths.h"

namespace bw {

namespace {

std::string TrimRight(const std::string& s) {
    size_t e = s.find_last_not_of(" \t");
    return e == std::string::npos ? std::string() : s.substr(0, e + 1);
}

std::string Trim(const std::string& s) {
    size_t b = s.find_first_not_of(" \t");
    return b == std::string::npos ? std::string() : TrimRight(s.substr(b));
}

std::vector<std::string> Tokens(const std::string& s) {
    std::vector<std::string> out;
    std::istringstream in(s);
    std::string t;
    while (in >> t) out.push_back(t);
    return out;
}

// Text that survives the file's substitution: plain codes 32..126.
bool Printable(const std::string& s) {
    return std::all_of(s.begin(), s.end(), [](char c) {
        unsigned char u = static_cast<unsigned char>(c);
        return u >= 32 && u < 127;
    });
}

bool ReadNumber(const std::string& text, long lo, long hi, int& out) {
    long v = 0;
    if (text.empty() || text[0] == ' ' || !ParseGamesInteger(text, v) || v < lo || v > hi)
        return false;
    out = static_cast<int>(v);
    return true;
}

std::string Pad(std::string s, size_t width) {
    s.resize(width, ' ');
    return s;
}

}  // namespace

bool ParseGameSource(const std::string& text, const std::string& fileName, GameSource& out,
                     std::vector<std::string>& errors) {
    out = GameSource();
    const size_t errorsBefore = errors.size();
    auto fail = [&](int lineNo, const std::string& message) {
        errors.push_back(fileName + ":" + std::to_string(lineNo) + ": " + message);
    };
    std::set<std::string> seenKeys;
    std::set<int> seenEntries;
    bool inHeader = true;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    while (std::getline(in, raw)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        std::string line = Trim(raw);
        // Blank, also when the white space is a form feed or vertical tab.
        if (line.find_first_not_of(" \t\v\f\r") == std::string::npos) continue;
        if (line[0] == '#') {
            if (inHeader) {
                std::string c = line.substr(1);
                if (!c.empty() && c[0] == ' ') c.erase(0, 1);
                // Stray carriage returns at the end (a file saved twice with
                // CR LF) would be lost one per write and read: none is kept.
                c.erase(c.find_last_not_of(" \t\r") + 1);
                out.header += c + "\n";
            }
            continue;
        }
        inHeader = false;
        if (line[0] >= '0' && line[0] <= '9') {
            std::string comment;
            size_t hash = line.find('#');
            if (hash != std::string::npos) {
                comment = Trim(line.substr(hash + 1));
                comment.erase(comment.find_last_not_of(" \t\r") + 1);
                line = line.substr(0, hash);
            }
            std::vector<std::string> t = Tokens(line);
            RuleSource r;
            if (t.size() != 3) {
                fail(lineNo, "a rule line is: entry  short-name  value  [# comment]");
                continue;
            }
            if (!ReadNumber(t[0], 0, kRuleEntries - 1, r.index)) {
                fail(lineNo, "entry number '" + t[0] + "' is not 0..488");
                continue;
            }
            if (!seenEntries.insert(r.index).second) {
                fail(lineNo, "entry " + t[0] + " is given twice");
                continue;
            }
            if (t[1].size() > 12 || !Printable(t[1])) {
                fail(lineNo, "short name '" + t[1] + "' is longer than 12 characters or not plain");
                continue;
            }
            r.shortName = t[1] == "-" ? std::string() : t[1];
            if (!ReadNumber(t[2], -32768, 32767, r.value)) {
                fail(lineNo, "value '" + t[2] + "' is not a 16-bit integer");
                continue;
            }
            r.comment = comment;
            out.rules.push_back(r);
            continue;
        }
        std::vector<std::string> t = Tokens(line);
        const std::string key = t[0];
        if (!seenKeys.insert(key).second) {
            fail(lineNo, "'" + key + "' is given twice");
            continue;
        }
        if (key == "name") {
            std::string name = Trim(line.substr(4));
            if (name.empty() || name.size() > 50 || !Printable(name))
                fail(lineNo, "the name must be 1 to 50 plain characters");
            else
                out.name = name;
            continue;
        }
        size_t hash = line.find('#');
        t = Tokens(line.substr(0, hash));
        if (t.size() != 2) {
            fail(lineNo, "expected '" + key + " VALUE'");
            continue;
        }
        int v = 0;
        if (key == "game") {
            if (!ReadNumber(t[1], 0, 999, out.id)) fail(lineNo, "the game id must be 0..999");
        } else if (key == "family") {
            if (!ReadNumber(t[1], 0, 999, out.family)) fail(lineNo, "the family must be 0..999");
        } else if (key == "class") {
            if (t[1].size() != 1 || !Printable(t[1]))
                fail(lineNo, "the class is one character");
            else
                out.editionClass = t[1][0];
        } else if (key == "screen") {
            if (!ReadNumber(t[1], 0, 1, v))
                fail(lineNo, "the screen flag is 0 or 1");
            else
                out.needs800x600 = v == 1;
        } else {
            fail(lineNo, "unknown key '" + key + "'");
        }
    }
    for (const char* key : {"game", "family", "class", "name"})
        if (!seenKeys.count(key)) fail(lineNo, std::string("'") + key + "' is missing");
    std::sort(out.rules.begin(), out.rules.end(),
              [](const RuleSource& a, const RuleSource& b) { return a.index < b.index; });
    return errors.size() == errorsBefore;
}

std::string FormatGameSource(const GameSource& g) {
    std::string out;
    std::istringstream header(g.header);
    std::string line;
    while (std::getline(header, line)) out += line.empty() ? "#\n" : "# " + line + "\n";
    if (!g.header.empty()) out += "\n";
    out += "game    " + std::to_string(g.id) + "\n";
    out += "family  " + std::to_string(g.family) + "\n";
    out += std::string("class   ") + g.editionClass + "\n";
    out += std::string("screen  ") + (g.needs800x600 ? "1" : "0") + "\n";
    out += "name    " + g.name + "\n";
    if (!g.rules.empty()) out += "\n";
    for (const RuleSource& r : g.rules) {
        char buf[64];
        std::snprintf(buf, sizeof buf, "%4d  %-12s  %6d", r.index,
                      r.shortName.empty() ? "-" : r.shortName.c_str(), r.value);
        std::string l = buf;
        if (!r.comment.empty()) l += "  # " + r.comment;
        out += l + "\n";
    }
    return out;
}

bool CompileGames(std::vector<GameSource> games, std::string& bytes,
                  std::vector<std::string>& errors) {
    const size_t errorsBefore = errors.size();
    std::stable_sort(games.begin(), games.end(),
                     [](const GameSource& a, const GameSource& b) { return a.id < b.id; });
    std::set<std::string> names;
    std::map<int, std::string> shortNames;
    for (size_t i = 0; i < games.size(); ++i) {
        const GameSource& g = games[i];
        const std::string who = "game " + std::to_string(g.id);
        if (g.id < 0 || g.id > 999) errors.push_back(who + ": the id does not fit 3 digits");
        if (g.family < 0 || g.family > 999)
            errors.push_back(who + ": the family does not fit 3 digits");
        if (i > 0 && games[i - 1].id == g.id) errors.push_back(who + ": the id is used twice");
        if (g.name.empty() || g.name.size() > 50 || !Printable(g.name))
            errors.push_back(who + ": the name must be 1 to 50 plain characters");
        if (!names.insert(platform::ToLower(Trim(g.name))).second)
            errors.push_back(who + ": the name '" + g.name + "' is used twice");
        if (!Printable(std::string(1, g.editionClass)))
            errors.push_back(who + ": the class is not a plain character");
        std::set<int> seen;
        for (const RuleSource& r : g.rules) {
            if (r.index < 0 || r.index >= kRuleEntries || !seen.insert(r.index).second) {
                errors.push_back(who + ": entry " + std::to_string(r.index) +
                                 " is out of range or given twice");
                continue;
            }
            if (r.value < -32768 || r.value > 32767)
                errors.push_back(who + ": entry " + std::to_string(r.index) + " is not 16-bit");
            if (r.shortName.size() > 12 || !Printable(r.shortName))
                errors.push_back(who + ": the short name of entry " + std::to_string(r.index) +
                                 " does not fit 12 plain characters");
            if (r.shortName.empty()) continue;
            auto [it, fresh] = shortNames.emplace(r.index, r.shortName);
            if (!fresh && it->second != r.shortName)
                errors.push_back(who + ": entry " + std::to_string(r.index) + " is called '" +
                                 r.shortName + "' here and '" + it->second + "' elsewhere");
        }
    }
    if (errors.size() != errorsBefore) return false;

    std::string out = "[Sect1]\r\n";
    std::vector<const GameSource*> columns;
    for (const GameSource& g : games) {
        std::string family = std::to_string(g.family);
        std::string plain = Pad(family, 3) + " " + FormatNumber(g.id, 3) + g.editionClass +
                            (g.needs800x600 ? "1" : "0") + " " + Pad(g.name, 50);
        out += EncodeGamesText(plain) + "\r\n";
        if (g.editionClass == '0' || g.editionClass == '5') columns.push_back(&g);
    }
    out += "[Sect2]\r\n";
    std::vector<std::map<int, int>> values(columns.size());
    for (size_t c = 0; c < columns.size(); ++c)
        for (const RuleSource& r : columns[c]->rules) values[c][r.index] = r.value;
    for (int idx = 0; idx < kRuleEntries; ++idx) {
        auto sn = shortNames.find(idx);
        std::string plain =
            FormatNumber(idx, 4) + Pad(sn == shortNames.end() ? "" : sn->second, 12);
        for (size_t c = 0; c < columns.size(); ++c) {
            auto v = values[c].find(idx);
            plain += Pad(v == values[c].end() ? "" : std::to_string(v->second), 11);
        }
        out += EncodeGamesText(plain) + "\r\n";
    }
    bytes = out;
    return true;
}

bool DecodeGames(const std::string& bytes, std::vector<GameSource>& games,
                 std::vector<std::string>& warnings) {
    games.clear();
    std::vector<int> columnOf;  // per game: its rules column, or -1
    int kept = 0;
    int lineNo = 0;
    for (const std::string& stored : ReadGamesSectionFromText(bytes, "Sect1")) {
        ++lineNo;
        std::string plain = DecodeGamesText(stored);
        std::string cls = plain.size() >= 8 ? plain.substr(7, 1) : std::string();
        bool hasColumn = cls == "0" || cls == "5";
        int column = hasColumn ? kept++ : -1;
        GameSource g;
        long v = 0;
        std::string id = plain.size() >= 5 ? TrimRight(plain.substr(4, 3)) : std::string();
        if (id.empty() || !ParseGamesInteger(id, v)) {
            if (!TrimRight(plain).empty())
                warnings.push_back("[Sect1] entry " + std::to_string(lineNo) +
                                   ": the game id does not read as a number; entry skipped");
            continue;
        }
        g.id = static_cast<int>(v);
        std::string family = TrimRight(plain.substr(0, 3));
        if (!family.empty() && ParseGamesInteger(family, v)) g.family = static_cast<int>(v);
        g.editionClass = cls.empty() ? ' ' : cls[0];
        g.needs800x600 = plain.size() >= 9 && plain[8] == '1';
        g.name = plain.size() >= 11 ? TrimRight(plain.substr(10, 50)) : std::string();
        games.push_back(g);
        columnOf.push_back(column);
    }
    if (games.empty()) {
        warnings.emplace_back("no game in [Sect1]");
        return false;
    }
    lineNo = 0;
    for (const std::string& stored : ReadGamesSectionFromText(bytes, "Sect2")) {
        ++lineNo;
        int idx = RuleLineIndex(stored);
        if (idx < 0 || idx >= kRuleEntries) {
            if (!TrimRight(DecodeGamesText(stored)).empty())
                warnings.push_back("[Sect2] line " + std::to_string(lineNo) +
                                   ": no entry number 0..488 in columns 1-4; line skipped");
            continue;
        }
        std::string plain = DecodeGamesText(stored);
        std::string shortName = plain.size() > 4 ? Trim(plain.substr(4, 12)) : std::string();
        // A name that would not read back as one token is dropped.
        if (shortName.find_first_of(" \t#") != std::string::npos || !Printable(shortName) ||
            shortName == "-")
            shortName.clear();
        for (size_t k = 0; k < games.size(); ++k) {
            int c = columnOf[k];
            if (c < 0) continue;
            size_t start = 16 + 11 * static_cast<size_t>(c);
            if (start >= plain.size() || Trim(plain.substr(start, 10)).empty()) continue;
            long v = 0;
            if (!RuleLineValue(stored, c, v)) {
                warnings.push_back("[Sect2] line " + std::to_string(lineNo) + ", game " +
                                   std::to_string(games[k].id) + ": value '" +
                                   Trim(plain.substr(start, 10)) + "' is not a number; skipped");
                continue;
            }
            if (v < -32768 || v > 32767) {
                warnings.push_back("[Sect2] line " + std::to_string(lineNo) + ", game " +
                                   std::to_string(games[k].id) +
                                   ": value beyond 16 bits, clamped as the loader does");
                v = std::clamp(v, -32768L, 32767L);
            }
            auto& rules = games[k].rules;
            auto it = std::find_if(rules.begin(), rules.end(),
                                   [&](const RuleSource& r) { return r.index == idx; });
            RuleSource r{idx, shortName, static_cast<int>(v), std::string()};
            if (it != rules.end())
                *it = r;  // a later line wins, as when loading
            else
                rules.push_back(r);
        }
    }
    for (GameSource& g : games)
        std::sort(g.rules.begin(), g.rules.end(),
                  [](const RuleSource& a, const RuleSource& b) { return a.index < b.index; });
    return true;
}

std::string GameSourceFileName(const GameSource& game) {
    std::string slug;
    for (char c : game.name) {
        unsigned char u = static_cast<unsigned char>(c);
        if (std::isalnum(u))
            slug += static_cast<char>(std::tolower(u));
        else if (!slug.empty() && slug.back() != '-')
            slug += '-';
    }
    while (!slug.empty() && slug.back() == '-') slug.pop_back();
    return FormatNumber(game.id, 3) + (slug.empty() ? "" : "-" + slug) + ".game";
}

}  // namespace bw
