#include "app/startup.h"

#include <unistd.h>

#include <chrono>
#include <filesystem>

#include <QCoreApplication>
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "platform/atomic_file.h"
#include "platform/paths.h"

namespace bw {

namespace {

struct StartupText {
    Q_DECLARE_TR_FUNCTIONS(StartupText)
};
bool Writable(const std::string& dir) {
    return platform::DirExists(dir) && access(dir.c_str(), W_OK | X_OK) == 0;
}

void DeleteIfExists(const std::string& relative) {
    const std::string path = ProgramFile(relative);
    if (platform::FileExists(path)) platform::DeleteFile(path);
}

bool Exists(const std::string& relative) {
    return platform::FileExists(ProgramFile(relative));
}
}  // namespace

void ResetProgramState(Game& game, const std::string& programDir) {
    ResetGameState(game);
    ForgetCatalogue();
    game.Options.SetOpt(opt::kEdition, 0);
    game.values = {};
    Params().Reset();
    SetProgramDir(programDir);
    SetParameter(field::kSettingsFile, "DATA\\Cfg.dat");
}

std::string ChooseDataDirOverride(const std::string& programDir, const std::string& userDataDir) {
    const std::string data = platform::ResolvePath(programDir, "DATA");
    if (platform::DirExists(data)) return Writable(data) ? std::string() : userDataDir;
    return Writable(programDir) ? std::string() : userDataDir;
}

std::string DataFolderNotice(const std::string& programDir, const std::string& dataOverride) {
    const std::string own = platform::ResolvePath(programDir, "DATA");
    if (dataOverride.empty() || !platform::DirExists(own)) return std::string();
    return StartupText::tr(
               "The DATA folder in the program folder cannot be written:\n%1\nSettings, "
               "statistics and results are kept in this folder instead:\n%2")
        .arg(QString::fromStdString(own), QString::fromStdString(dataOverride))
        .toStdString();
}

void EnsureDataFolder() {
    std::string dir = ProgramFile("DATA\\");
    if (!dir.empty() && dir.back() == '/') dir.pop_back();
    if (platform::DirExists(dir)) return;
    // The user's data folder may itself be missing on a first run.
    std::string built;
    size_t from = 1;
    for (;;) {
        const size_t slash = dir.find('/', from);
        built = dir.substr(0, slash);
        if (!built.empty()) platform::MakeDir(built);
        if (slash == std::string::npos) break;
        from = slash + 1;
    }
}

namespace {
bool IsTemporaryName(const std::string& name, std::initializer_list<const char*> prefixes) {
    if (name.size() < 8 || name.size() > 11 || name.compare(name.size() - 4, 4, ".tmp") != 0)
        return false;
    for (const char* p : prefixes)
        if (name.compare(0, 3, p) == 0)
            return name.find_first_not_of("0123456789ABCDEF", 3) == name.size() - 4;
    return false;
}

void RemoveStale(const std::string& dir, std::initializer_list<const char*> prefixes) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const auto cutoff = fs::file_time_type::clock::now() - std::chrono::hours(1);
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e;
        if (IsTemporaryName(it->path().filename().string(), prefixes) && it->is_regular_file(e) &&
            it->last_write_time(e) < cutoff)
            fs::remove(it->path(), e);
    }
}
}  // namespace

void RemoveStaleTemporaryFiles() {
    RemoveStale(ProgramFile("DATA\\"), {"rpl", "ini"});
    RemoveStale(ProgramDir(), {"ver"});
}

void FillPileTables(Game& g) {
    g.MazzoPiles.assign(3, std::string());
    g.DestPiles.assign(16, std::string());
    g.FilaPiles.assign(40, std::string());
    g.AppoggPiles.assign(10, std::string());
}

void ResetWindowOptions(Game& g) {
    g.Options.SetOpt(opt::kHeld, 0);
    g.Options.SetOpt(opt::kHeldTop, 0);
    g.Options.SetOpt(opt::kAutoplay, 0);
    for (int f : {flag::kCloseRefused, flag::kInProgress, flag::kClockRuns, flag::kDoubleClick,
                  flag::kWinAnimation, flag::kFinished})
        SetFlag(g, f, false);
    SetFlag(g, flag::kStockOperation, true);
    g.Options.SetOpt(opt::kSuitModeLoaded, 4);
}

void ClearStartOptions(Game& g) {
    g.Options.SetOpt(opt::kOnce640, 0);
    g.Options.SetOpt(opt::kOnceSmaller, 0);
    g.Options.SetOpt(opt::kStockPressed, 0);
    g.Options.SetOpt(opt::kJokerCaption, -1);
}

std::string GamesFilePath() {
    return ProgramFile("GAMES.DAT");
}

void WriteVersionMarker() {
    const std::string path = ProgramFile(kVersionMarkerFile);
    // A program folder whose DATA lives elsewhere is read-only to the program
    // (an installed copy never writes into its prefix); nothing depends on
    // the marker.
    if (!platform::DataDirOverride().empty() || platform::FileExists(path)) return;
    platform::AtomicFile marker(path, "ver");
    marker.Write(std::string(kVersionMarkerText) + "\r\n");
    marker.CommitInBackground();
}

void DeleteObsoleteFiles() {
    if (Exists("IMAGES\\GAME0000.BMP"))
        for (int i = 0; i <= 100; ++i) DeleteIfExists("IMAGES\\GAME" + FormatNumber(i, 4) + ".BMP");
    if (Exists("IMAGES\\WB001.BMP"))
        for (int i = 0; i <= 25; ++i)
            for (const char* prefix : {"IMAGES\\WB", "IMAGES\\WM", "IMAGES\\WP"})
                DeleteIfExists(prefix + FormatNumber(i, 3) + ".BMP");
    if (Exists("IMAGES\\CB001C.BMP")) {
        for (int i = 1; i <= 5; ++i)
            for (const char* suit : {"C", "D", "H", "S"})
                DeleteIfExists("IMAGES\\CB" + FormatNumber(i, 3) + suit + ".BMP");
        for (const char* name : {"IMAGES\\CM003C.BMP", "IMAGES\\CM003D.BMP", "IMAGES\\CM003H.BMP",
                                 "IMAGES\\CM003S.BMP", "IMAGES\\CL003C.BMP", "IMAGES\\CL003D.BMP",
                                 "IMAGES\\CL003H.BMP", "IMAGES\\CL003S.BMP"})
            DeleteIfExists(name);
    }
    DeleteIfExists("QUILLORY.DLL");
}

}  // namespace bw
