#include "support/test_support.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/params.h"
#include "core/state.h"
#include "platform/paths.h"

namespace bw::test {

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

std::string TempDir::read(const std::string& name) const { return ReadFile(path_ + name); }

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

bool RecordingDialogs::Confirm(const std::string& text) {
    confirms.push_back(text);
    if (answers.empty()) return true;
    bool a = answers.front();
    answers.erase(answers.begin());
    return a;
}

CoreFixture::CoreFixture() : saved_(InstalledPorts()) {
    ResetGameState();
    Params().Reset();
    SetProgramDir(dir.path());
    platform::SetDataDirOverride("");
    Ports& p = InstalledPorts();
    p.dialogs = &dialogs;
    p.sound = &sound;
    p.waits = &waits;
}

CoreFixture::~CoreFixture() { InstalledPorts() = saved_; }

}  // namespace bw::test
