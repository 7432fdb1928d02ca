#include "support/test_support.h"

#include <linux/capability.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/autoplay.h"
#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/game_status.h"
#include "core/joker_caption.h"
#include "core/memory_log.h"
#include "core/move_engine.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/pointer_state.h"
#include "core/state.h"
#include "core/stock_moves.h"
#include "interaction/drag.h"
#include "interaction/press.h"
#include "platform/clock.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "storage/game_store.h"
#include "storage/preferences.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {

// Every test program plays against the real files, as the program does;
// a test that wants another store installs its own.
const bool kFileStoreInstalled = (InstalledPorts().store = &FileGameStore(), true);

TempDir::TempDir() {
    static std::mt19937_64 rng{std::random_device{}()};
    auto base = std::filesystem::temp_directory_path();
    for (;;) {
        auto p = base / ("bwtest-" + std::to_string(rng()));
        std::error_code ec;
        if (std::filesystem::create_directory(p, ec)) {
            path_ = p.string() + "/";
            break;
        }
    }
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempDir::write(const std::string& name, const std::string& bytes) const {
    WriteFile(path_ + name, bytes);
}

std::string TempDir::read(const std::string& name) const {
    return ReadFile(path_ + name);
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {
bool Capabilities(__user_cap_data_struct (&data)[2], bool set) {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    return syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}
}  // namespace

WithoutRootBypass::WithoutRootBypass() {
    __user_cap_data_struct data[2] = {};
    root_ = geteuid() == 0;
    if (!root_ || !Capabilities(data, false)) return;
    saved_[0] = data[0].effective;
    saved_[1] = data[1].effective;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
        data[0].effective &= ~(1u << cap);
    dropped_ = Capabilities(data, true);
}

WithoutRootBypass::~WithoutRootBypass() {
    __user_cap_data_struct data[2] = {};
    if (!dropped_ || !Capabilities(data, false)) return;
    data[0].effective = saved_[0];
    data[1].effective = saved_[1];
    Capabilities(data, true);
}

ReadOnlyFolder::ReadOnlyFolder(std::string path) : path_(std::move(path)) {
    if (geteuid() != 0) {
        if (::chmod(path_.c_str(), 0555) != 0) failure_ = std::strerror(errno);
        return;
    }
    if (::mount(path_.c_str(), path_.c_str(), nullptr, MS_BIND, nullptr) != 0) {
        failure_ = std::string("cannot bind-mount a folder here: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
    if (::mount(nullptr, path_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        failure_ = std::string("cannot make a bind mount read-only here: ") + std::strerror(errno);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (mounted_)
        ::umount2(path_.c_str(), MNT_DETACH);
    else if (geteuid() != 0)
        ::chmod(path_.c_str(), 0755);
}

bool RecordingDialogs::Confirm(const std::string& text) {
    confirms.push_back(text);
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

namespace {

// The platform's hook lies below the ports.
void ClearHooks() {
    platform::SetIniWriteFailureHandler(nullptr);
}

}  // namespace

void ResetProcessState() {
    // Before the game state: both leave option entries behind.
    EndHold(ProgramGame());
    ForgetJokerCaption(ProgramGame());
    ResumeClock(ProgramGame());  // a pause left by a window that went with its test
    ResetGameState(ProgramGame());
    ForgetCatalogue();
    ResetGameStatus(ProgramGame());
    ProgramGame().CardWidth = 71;
    ProgramGame().CardHeight = 96;
    ProgramGame().TableauPileFamily.fill(1);
    ProgramGame().OffsetTable = {};
    ProgramGame().RunningCount = 0;
    ProgramGame().pointer.GrabOffset = {};
    ProgramGame().pointer.DragRect = {};
    ProgramGame().pointer.RunHeight = 0;
    ProgramGame().pointer.PeekCard = {};
    ProgramGame().pointer.MouseIdleStamp = -1;
    ProgramGame().pointer.DealCounter = 0;
    ResetMemoryLog(ProgramGame());
    ResetResultsSession();
    ResetTitle(ProgramGame());
    ProgramGame().values = {};
    Params().Reset();
    platform::SetDataDirOverride("");
    platform::SetClock(nullptr);
    platform::SetRandom(nullptr);
    ClearHooks();
    Ports& p = InstalledPorts();
    p = Ports{};
    p.store = &FileGameStore();
}

CoreFixture::CoreFixture() : saved_(InstalledPorts()) {
    ResetProcessState();
    SetProgramDir(dir.path());
    Ports& p = InstalledPorts();
    p.dialogs = &dialogs;
    p.sound = &sound;
    p.waits = &waits;
}

CoreFixture::~CoreFixture() {
    ClearHooks();
    // The steps a test installed point into objects that are gone once it
    // ends; only the outside world's ports come back.
    Ports restored = saved_;
    restored.memory = nullptr;
    restored.setUp = nullptr;
    restored.moves = nullptr;
    restored.upper = UpperPorts{};
    InstalledPorts() = restored;
}

}  // namespace bw::test
