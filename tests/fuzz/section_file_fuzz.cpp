// The section file store on any file: one read or rewrite operation chosen
// by the input, with the properties each promises.
#include <algorithm>

#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/section_file.h"

BW_FUZZ_TARGET(section_file) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::Input in(data, size);
    const int op = in.Byte() % 7;
    const int64_t from = in.Byte();
    const std::string section = in.Text(12), key = in.Text(12), value = in.Text(24);
    const std::string key2 = in.Text(12);
    const std::string file = in.Rest();
    const std::string path = fuzz::WriteScratch("STAT.DAT", file);
    const bool storable = section.find_first_of("\r\n") == std::string::npos &&
                          IsStorableEntry(key, value) && IsStorableEntry(key2, value);
    try {
        switch (op) {
            case 0: ReadKeys(path, section, {key, key2}, {"a", "b"}); break;
            case 1:
                ListSections(path);
                ReadSectionLines(path, section);
                break;
            case 2:
                if (WriteKey(path, section, key, value) && storable)
                    fuzz::Require(ReadKeys(path, section, {key}, {"\x01"}).values[0] == value,
                                  "a written key reads back");
                break;
            case 3:
                if (RewriteSection(path, section, {key, key2}, {value, value}) && storable)
                    fuzz::Require(
                        ReadSectionLines(path, section) ==
                            std::vector<std::string>{key + "=" + value, key2 + "=" + value},
                        "a rewritten section holds exactly its entries");
                break;
            case 4:
                if (AppendSection(path, section, {key}, {value}) && storable) {
                    const auto names = ListSections(path);
                    fuzz::Require(std::find(names.begin(), names.end(), section) != names.end(),
                                  "an appended section is listed");
                }
                break;
            case 5: ReplaceInLines(path, static_cast<int>(from) - 8, key, value); break;
            case 6: {
                const auto at = FindInFile(path, key, from);
                const size_t want = key.empty() ? std::string::npos : file.find(key, from);
                fuzz::Require(at ? static_cast<size_t>(*at) == want : want == std::string::npos,
                              "the block search finds the first occurrence");
                break;
            }
        }
    } catch (const SectionFileError&) {
        // The store's documented answer to a file it cannot open.
    }
    return 0;
}
