#include "storage/resume_file.h"

#include <cerrno>

#include "core/game_text.h"
#include "core/params.h"
#include "platform/atomic_file.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "storage/catalogue.h"
#include "storage/preferences.h"

namespace bw {

namespace {

constexpr const char* kHead = "Brindlewick resume 1";
// A saved game with a long history is some hundred kilobytes.
constexpr size_t kMostBytes = 64u << 20;

struct Field {
    const char* name;
    std::string ResumeRecord::*member;
    std::string GameValues::*value;
    ParamField param;
};

const Field kFields[] = {
    {"Game", &ResumeRecord::gameId, &GameValues::id, field::kGameId},
    {"GameName", &ResumeRecord::gameName, &GameValues::name, field::kGameName},
    {"Number", &ResumeRecord::gameNumber, &GameValues::number, field::kGameNumber},
    {"Player", &ResumeRecord::player, &GameValues::player, field::kPlayer},
    {"Score", &ResumeRecord::score, &GameValues::score, field::kScore},
    {"StartMarkA", &ResumeRecord::startMarkA, &GameValues::startMarkA, field::kStartMarkA},
    {"StartMarkB", &ResumeRecord::startMarkB, &GameValues::startMarkB, field::kStartMarkB},
    {"NewGameMarkA", &ResumeRecord::newGameMarkA, &GameValues::newGameMarkA, field::kNewGameMarkA},
    {"NewGameMarkB", &ResumeRecord::newGameMarkB, &GameValues::newGameMarkB, field::kNewGameMarkB},
};

bool Printable(const std::string& s) {
    for (unsigned char c : s)
        if (c < 32 || c == 127) return false;
    return true;
}

}  // namespace

std::string ResumeFilePath() {
    return ProgramFile("DATA\\Resume.dat");
}

bool ResumeWanted() {
    return KeptChoices().resumeGame;
}

ResumeRecord ResumeRecordOf(const Game& game) {
    ResumeRecord r;
    for (const Field& f : kFields) r.*f.member = game.values.*f.value;
    r.game = game;
    return r;
}

void PutResumeValues(const ResumeRecord& record, Game& game) {
    for (const Field& f : kFields) SetValue(game.values.*f.value, f.param, record.*f.member);
}

std::string ResumeText(const ResumeRecord& record) {
    std::string out = std::string(kHead) + "\n";
    for (const Field& f : kFields) out += std::string(f.name) + " " + record.*f.member + "\n";
    return out + SaveGameText(record.game);
}

bool ReadResumeText(const std::string& text, ResumeRecord& record, std::string& error) {
    ResumeRecord r;
    size_t at = 0;
    auto line = [&](std::string& out) {
        const size_t end = text.find('\n', at);
        if (end == std::string::npos) return false;
        out = text.substr(at, end - at);
        at = end + 1;
        return true;
    };
    std::string head;
    if (!line(head) || head != kHead) {
        error = head.rfind("Brindlewick resume ", 0) == 0 ? "it was written by another version"
                                                          : "it is no saved game";
        return false;
    }
    for (const Field& f : kFields) {
        std::string l;
        const std::string key = std::string(f.name) + " ";
        if (!line(l) || l.rfind(key, 0) != 0 || !Printable(l) ||
            l.size() - key.size() > static_cast<size_t>(f.param.width)) {
            error = std::string("its field ") + f.name + " is missing or damaged";
            return false;
        }
        r.*f.member = l.substr(key.size());
    }
    const std::string id = r.gameId.substr(0, r.gameId.find_last_not_of(' ') + 1);
    if (id.empty() || id.size() > 4 || id.find_first_not_of("0123456789") != std::string::npos) {
        error = "its game is no game";
        return false;
    }
    std::string why;
    if (!LoadGameText(std::string_view(text).substr(at), r.game, why)) {
        error = why;
        return false;
    }
    record = std::move(r);
    return true;
}

int WriteResumeFile(const ResumeRecord& record) {
    return platform::ReplaceFileContent(ResumeFilePath(), ResumeText(record), "rsm");
}

ResumeFile ReadResumeFile(ResumeRecord& record, std::string& error) {
    const std::string path = ResumeFilePath();
    // A link, a pipe or a folder in its place is none of the program's own.
    if (platform::RegularFileProblem(path) != 0) return ResumeFile::kNone;
    std::string bytes;
    if (const int err = platform::ReadRegularFile(path, bytes, kMostBytes); err != 0) {
        error = err == EFBIG ? "it is far too large" : "it cannot be read";
        return ResumeFile::kBad;
    }
    if (!ReadResumeText(bytes, record, error)) return ResumeFile::kBad;
    if (CatalogueIndex(std::stoi(record.gameId)) < 0) {
        error = "its game is not in the games file";
        return ResumeFile::kBad;
    }
    return ResumeFile::kRead;
}

std::string MoveResumeFileAside() {
    const std::string path = ResumeFilePath();
    const std::string aside = path + ".bad";
    if (platform::RegularFileProblem(aside) != 0 && platform::RegularFileProblem(aside) != ENOENT)
        return std::string();
    return platform::RenameFile(path, aside) ? aside : std::string();
}

void RemoveResumeFile() {
    const std::string path = ResumeFilePath();
    if (platform::RegularFileProblem(path) == 0) platform::DeleteFile(path);
}

}  // namespace bw
