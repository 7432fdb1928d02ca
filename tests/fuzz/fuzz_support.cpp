#include "fuzz_support.h"

#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/params.h"
#include "platform/paths.h"
#include "storage/game_store.h"

namespace bw::fuzz {

namespace {

std::string MakeScratch() {
    namespace fs = std::filesystem;
    std::error_code ec;
    // Every input writes files: a memory file system keeps that cheap.
    fs::path base =
        fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
    fs::path dir = base / ("bwfuzz-" + std::to_string(::getpid()));
    fs::create_directories(dir, ec);
    static std::string removeAtExit = dir.string();
    std::atexit([] {
        std::error_code e;
        std::filesystem::remove_all(removeAtExit, e);
    });
    return dir.string() + "/";
}

}  // namespace

const std::string& ScratchDir() {
    static const std::string dir = MakeScratch();
    return dir;
}

std::string WriteScratch(const std::string& relative, const std::string& bytes) {
    const std::string path = ScratchDir() + relative;
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

void FreshProgramState() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(ScratchDir(), ec)) {
        std::error_code e;
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, e);
        std::filesystem::remove_all(entry.path(), e);
    }
    Params().Reset();
    SetProgramDir(ScratchDir());
    InstalledPorts().store = &FileGameStore();
    platform::SetDataDirOverride("");
}

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    static int argc = 1;
    static char name[] = "bw_fuzz";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);  // lives for the whole run
}

uint8_t Input::Byte() {
    return pos_ < size_ ? data_[pos_++] : 0;
}

uint32_t Input::U32() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v = (v << 8) | Byte();
    return v;
}

std::string Input::Text(size_t max) {
    std::string out;
    while (out.size() < max && pos_ < size_) {
        const char c = static_cast<char>(data_[pos_++]);
        if (c == '\0') break;
        out += c;
    }
    return out;
}

std::string Input::Rest() {
    std::string out(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
    pos_ = size_;
    return out;
}

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "property broken: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

}  // namespace bw::fuzz
