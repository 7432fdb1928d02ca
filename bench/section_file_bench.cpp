// Updating one record of a large statistics file must cost a search, not a
// rewrite: compare the in-place update with a rewrite of the same file.
#include <benchmark/benchmark.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "storage/section_file.h"

namespace {

const std::string kRecord = "000000 000000 000000 000000 000000 000000 000000000000 000000000000";

// About 1 MB: 400 game sections of 36 players each, in a fresh folder.
class BigStatFile {
public:
    BigStatFile() {
        std::mt19937_64 rng{std::random_device{}()};
        dir_ = std::filesystem::temp_directory_path() / ("bwbench-" + std::to_string(rng()));
        std::filesystem::create_directory(dir_);
        path_ = (dir_ / "STAT.DAT").string();
        std::ofstream out(path_, std::ios::binary);
        out << "[Version]\r\nVersion=0300\r\n\r\n";
        for (int game = 0; game < 400; ++game) {
            out << "[" << game << "]\r\n";
            for (int p = 0; p < 36; ++p) out << "Player " << p << "=" << kRecord << "\r\n";
            out << "\r\n";
        }
    }
    ~BigStatFile() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    const std::string& path() const { return path_; }
    int64_t size() const { return static_cast<int64_t>(std::filesystem::file_size(path_)); }
    ino_t inode() const {
        struct stat st {};
        ::stat(path_.c_str(), &st);
        return st.st_ino;
    }

private:
    std::filesystem::path dir_;
    std::string path_;
};

std::string Record(int64_t n) {
    std::string r = kRecord;
    std::string digits = std::to_string(n % 1000000);
    r.replace(6 - digits.size(), digits.size(), digits);
    return r;
}

// The record of the last player in the last section: the whole file is
// searched, one record is written.
void BM_WriteKeyInPlace(benchmark::State& state) {
    BigStatFile file;
    const ino_t inode = file.inode();
    int64_t n = 0;
    for (auto _ : state) bw::WriteKey(file.path(), "399", "Player 35", Record(++n));
    state.counters["file_bytes"] = static_cast<double>(file.size());
    // 1 when the file was never replaced.
    state.counters["same_file"] = file.inode() == inode ? 1 : 0;
    state.SetBytesProcessed(state.iterations() * file.size());
}
BENCHMARK(BM_WriteKeyInPlace)->Unit(benchmark::kMicrosecond);

// For contrast: a value of another length rebuilds the file.
void BM_WriteKeyRewrite(benchmark::State& state) {
    BigStatFile file;
    int64_t n = 0;
    for (auto _ : state)
        bw::WriteKey(file.path(), "399", "Player 35", ++n % 2 ? kRecord + "x" : kRecord);
    state.counters["file_bytes"] = static_cast<double>(file.size());
}
BENCHMARK(BM_WriteKeyRewrite)->Unit(benchmark::kMicrosecond);

}  // namespace
