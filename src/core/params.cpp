#include "core/params.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdlib>

#include "platform/paths.h"

namespace bw {

void ParameterBlock::Reset() {
    for (auto& b : blocks_) b.assign(250, ' ');
}

std::string& ParameterBlock::Block(int position, int& offset) {
    int idx = position < 250 ? 0 : position < 500 ? 1 : 2;
    offset = position - 250 * idx - 1;
    return blocks_[idx];
}

const std::string* ParameterBlock::BlockConst(int position, int& offset) const {
    int idx = position < 250 ? 0 : position < 500 ? 1 : 2;
    offset = position - 250 * idx - 1;
    return &blocks_[idx];
}

std::string ParameterBlock::Get(int position, int width) const {
    return std::string(View(position, width));
}

std::string_view ParameterBlock::View(int position, int width) const {
    if (position < 1 || width <= 0) return {};
    int off = 0;
    const std::string* b = BlockConst(position, off);
    if (off < 0 || static_cast<size_t>(off) >= b->size()) return {};
    std::string_view s =
        std::string_view(*b).substr(static_cast<size_t>(off), static_cast<size_t>(width));
    size_t e = s.find_last_not_of(' ');
    return e == std::string_view::npos ? std::string_view() : s.substr(0, e + 1);
}

void ParameterBlock::Set(int position, int width, const std::string& text) {
    if (position < 1 || width <= 0) return;
    int off = 0;
    std::string& b = Block(position, off);
    if (off < 0) return;
    const size_t start = text.find_first_not_of(' ');
    const std::string_view v =
        start == std::string::npos ? std::string_view() : std::string_view(text).substr(start);
    const size_t w = static_cast<size_t>(width);
    const size_t need = static_cast<size_t>(off) + w;
    if (b.size() < need) b.resize(need, ' ');
    const size_t kept = std::min(v.size(), w);
    const auto at = b.begin() + off;
    std::copy_n(v.data(), kept, at);
    std::fill(at + static_cast<long>(kept), at + static_cast<long>(w), ' ');
}

ParameterBlock& Params() {
    static ParameterBlock block;
    return block;
}

std::string GetParameter(int position, int width) {
    return Params().Get(position, width);
}
void SetParameter(int position, int width, const std::string& text) {
    Params().Set(position, width, text);
}

std::string FormatNumber(long long value, int width) {
    if (width <= 0) return std::string();
    // Negate in unsigned arithmetic: -LLONG_MIN does not exist as a long long.
    unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                             : static_cast<unsigned long long>(value);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    const int count = static_cast<int>(end - digits);
    const int room = width - (value < 0 ? 1 : 0);
    if (count > room || room < 0) return std::string(static_cast<size_t>(width), '*');
    std::string out(static_cast<size_t>(width), '0');
    if (value < 0) out[0] = '-';
    std::copy(digits, end, out.end() - count);
    return out;
}

long long ParameterInt(int position, int width, long long def) {
    return TextInt(Params().View(position, width), def);
}

std::string FieldText(ParamField f, std::string_view text) {
    if (f.width <= 0) return {};
    const size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return {};
    text = text.substr(start, static_cast<size_t>(f.width));
    return std::string(text.substr(0, text.find_last_not_of(' ') + 1));
}

long long TextInt(std::string_view text, long long def) {
    std::string s(text);
    size_t b = s.find_first_not_of(' ');
    if (b == std::string::npos) return def;
    s = s.substr(b);
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s.c_str(), &end, 10);
    // An out-of-range number is as unusable as a non-number; strtoll would
    // silently clamp it.
    if (end == s.c_str() || *end != '\0' || errno == ERANGE) return def;
    return v;
}

namespace {
std::string g_programDir;
}

void SetProgramDir(const std::string& dir) {
    g_programDir = dir;
    if (!g_programDir.empty() && g_programDir.back() != '/') g_programDir += '/';
    SetParameter(field::kProgramDir, g_programDir);
}

const std::string& ProgramDir() {
    return g_programDir;
}

std::string ProgramFile(const std::string& relative) {
    return platform::ProgramPath(g_programDir, relative);
}

std::string SettingsFile() {
    return ProgramFile("DATA\\Cfg.dat");
}

}  // namespace bw
