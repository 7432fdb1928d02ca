// The games data compiler: readable game files to GAMES.DAT and back.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "platform/atomic_file.h"
#include "platform/paths.h"
#include "storage/games_source.h"
#include "tool.h"

namespace bw::tool {

namespace {

bool ReadWhole(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream ss;
    ss << in.rdbuf();
    text = ss.str();
    return true;
}

// Replaced whole and synced, so a failed or killed run leaves the old file
// and no half one.
bool WriteWhole(const std::string& path, const std::string& bytes) {
    return platform::ReplaceFileContent(path, bytes, "gam") == 0;
}

int RunCompile(Game& /*game*/, const Args& args) {
    if (args.size() < 2) return UsageError("usage: compile-games OUTPUT GAME-FILE...");
    std::vector<GameSource> games;
    std::vector<std::string> errors;
    for (size_t i = 1; i < args.size(); ++i) {
        std::string text;
        if (!ReadWhole(args[i], text)) {
            errors.push_back(args[i] + ": cannot read the file");
            continue;
        }
        GameSource g;
        if (ParseGameSource(text, args[i], g, errors)) games.push_back(std::move(g));
    }
    std::string bytes;
    if (errors.empty()) CompileGames(games, bytes, errors);
    for (const std::string& e : errors) std::cerr << "brindlewick-tool: " << e << "\n";
    if (!errors.empty()) return 1;
    if (!WriteWhole(args[0], bytes)) {
        std::cerr << "brindlewick-tool: cannot write " << args[0] << "\n";
        return 1;
    }
    return 0;
}

int RunDecode(Game& /*game*/, const Args& args) {
    if (args.empty() || args.size() > 2)
        return UsageError("usage: decode-games GAMES.DAT [FOLDER]");
    std::string bytes;
    if (!ReadWhole(args[0], bytes)) {
        std::cerr << "brindlewick-tool: cannot read " << args[0] << "\n";
        return 1;
    }
    std::vector<GameSource> games;
    std::vector<std::string> warnings;
    bool ok = DecodeGames(bytes, games, warnings);
    for (const std::string& w : warnings) std::cerr << "brindlewick-tool: " << w << "\n";
    if (!ok) return 1;
    if (args.size() == 1) {
        for (size_t i = 0; i < games.size(); ++i)
            std::cout << (i ? "\n" : "") << FormatGameSource(games[i]);
        return 0;
    }
    std::string dir = args[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (!dir.empty() && dir.back() != '/') dir += '/';
    std::set<std::string> used;
    for (const GameSource& g : games) {
        const std::string base = GameSourceFileName(g);
        std::string name = base;
        // Two entries with one id (possible in a foreign file) must not overwrite each other.
        for (int n = 2; !used.insert(name).second; ++n)
            name = base.substr(0, base.size() - 5) + "-" + std::to_string(n) + ".game";
        if (!WriteWhole(dir + name, FormatGameSource(g))) {
            std::cerr << "brindlewick-tool: cannot write " << dir + name << "\n";
            return 1;
        }
    }
    return 0;
}

Register compile{{"compile-games",
                  "compile-games OUTPUT GAME-FILE...   build GAMES.DAT from game files",
                  RunCompile}};
Register decode{{"decode-games",
                 "decode-games GAMES.DAT [FOLDER]     game files from GAMES.DAT (stdout or folder)",
                 RunDecode}};

}  // namespace

}  // namespace bw::tool
