// The profile reader and writer on any file: look-ups, and a write that
// must read back and leave every other entry as it was.
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "platform/ini.h"
#include "platform/paths.h"

namespace {

std::string Trim(const std::string& s) {
    const size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(" \t") - b + 1);
}

bool SameName(const std::string& a, const std::string& b) {
    return bw::platform::ToLower(Trim(a)) == bw::platform::ToLower(Trim(b));
}

// Names and values that a write can store so that a read finds them again.
bool StorableSection(const std::string& s) {
    return !Trim(s).empty() && s.find_first_of("[]\r\n") == std::string::npos;
}
bool StorableKey(const std::string& k) {
    const std::string t = Trim(k);
    return !t.empty() && t[0] != '[' && k.find_first_of("=\r\n") == std::string::npos;
}
bool StorableValue(const std::string& v) {
    if (v.find_first_of("\r\n") != std::string::npos || Trim(v) != v) return false;
    return !(v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front());
}

}  // namespace

BW_FUZZ_TARGET(ini) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::Input in(data, size);
    const std::string section = in.Text(12), key = in.Text(12), value = in.Text(24);
    const std::string otherKey = in.Text(12), otherSection = in.Text(12);
    const std::string file = in.Rest();

    const std::string path = fuzz::WriteScratch("t.ini", file);
    platform::IniReadString(path, section, key, "?");
    platform::IniReadInt(path, section, key, -1);
    platform::IniHasKey(path, section, key);
    int64_t n = 0;
    platform::ParseProfileInt(value, n);

    const std::string beforeOther = platform::IniReadString(path, section, otherKey, "\x01");
    const std::string beforeElsewhere = platform::IniReadString(path, otherSection, key, "\x01");
    const bool wrote = platform::IniWriteString(path, section, key, value);
    if (!wrote || !StorableSection(section) || !StorableKey(key) || !StorableValue(value)) return 0;
    fuzz::Require(platform::IniReadString(path, section, key, "\x01") == value,
                  "a written value reads back");
    if (!SameName(otherKey, key))
        fuzz::Require(platform::IniReadString(path, section, otherKey, "\x01") == beforeOther,
                      "a write keeps the other keys of its section");
    if (!SameName(otherSection, section))
        fuzz::Require(platform::IniReadString(path, otherSection, key, "\x01") == beforeElsewhere,
                      "a write keeps the same key of other sections");
    return 0;
}
