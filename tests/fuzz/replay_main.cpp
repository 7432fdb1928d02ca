// Runs kept fuzz inputs through the targets' entry points with the normal
// compiler: "bw_fuzz_replay TARGET FILE-OR-FOLDER...". Every file of a
// folder is one input; an empty set of inputs is an error, so a corpus that
// went missing cannot pass unnoticed.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_target.h"

namespace bw::fuzz {

namespace {
std::map<std::string, Entry>& Targets() {
    static std::map<std::string, Entry> targets;
    return targets;
}
}  // namespace

bool RegisterTarget(const char* name, Entry entry) {
    Targets()[name] = entry;
    return true;
}

}  // namespace bw::fuzz

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    const auto& targets = bw::fuzz::Targets();
    if (argc < 3 || !targets.count(argv[1])) {
        std::fprintf(stderr, "usage: %s TARGET FILE-OR-FOLDER...\ntargets:", argv[0]);
        for (const auto& [name, entry] : targets) std::fprintf(stderr, " %s", name.c_str());
        std::fprintf(stderr, "\n");
        return 2;
    }
    const bw::fuzz::Entry entry = targets.at(argv[1]);
    std::vector<fs::path> files;
    for (int i = 2; i < argc; ++i) {
        std::error_code ec;
        if (fs::is_directory(argv[i], ec)) {
            for (const auto& e : fs::recursive_directory_iterator(argv[i], ec))
                if (e.is_regular_file()) files.push_back(e.path());
        } else if (fs::is_regular_file(argv[i], ec)) {
            files.push_back(argv[i]);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "no inputs for %s\n", argv[1]);
        return 1;
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& f : files) {
        std::ifstream in(f, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string bytes = ss.str();
        entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%s: %zu inputs replayed\n", argv[1], files.size());
    return 0;
}
