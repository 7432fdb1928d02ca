#pragma once
// A well-formed resource library (Qt's binary resource format, version 1)
// holding one entry "kind/name": around any bytes for the fuzzer, and as a
// base to damage on purpose in the tests.
#include <cstdint>
#include <string>

namespace bw::fuzz {

inline void Be(std::string& out, uint32_t v, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline uint32_t NameHash(const std::string& name) {
    uint32_t h = 0;
    for (unsigned char c : name) {
        h = (h << 4) + c;
        h ^= (h & 0xf0000000) >> 23;
        h &= 0x0fffffff;
    }
    return h;
}

// A version 1 library holding the single entry "kind/name".
inline std::string OneEntryLibrary(const std::string& kind, const std::string& name,
                                   const std::string& bytes) {
    std::string data, names, tree;
    Be(data, static_cast<uint32_t>(bytes.size()), 4);
    data += bytes;
    auto addName = [&](const std::string& n) {
        const uint32_t at = static_cast<uint32_t>(names.size());
        Be(names, static_cast<uint32_t>(n.size()), 2);
        Be(names, NameHash(n), 4);
        for (char c : n) Be(names, static_cast<unsigned char>(c), 2);
        return at;
    };
    const uint32_t kindName = addName(kind), entryName = addName(name);
    // Root, the kind's folder, the entry: 14 bytes each.
    Be(tree, 0, 4), Be(tree, 2, 2), Be(tree, 1, 4), Be(tree, 1, 4);
    Be(tree, kindName, 4), Be(tree, 2, 2), Be(tree, 1, 4), Be(tree, 2, 4);
    Be(tree, entryName, 4), Be(tree, 0, 2), Be(tree, 0, 2), Be(tree, 1, 2), Be(tree, 0, 4);
    std::string out = "qres";
    const uint32_t header = 20;
    Be(out, 1, 4);
    Be(out, header, 4);
    Be(out, header + static_cast<uint32_t>(tree.size()), 4);
    Be(out, header + static_cast<uint32_t>(tree.size() + data.size()), 4);
    return out + tree + data + names;
}

}  // namespace bw::fuzz
