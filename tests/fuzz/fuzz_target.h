#pragma once
// One entry point per parser that reads a player's or the program's files.
// Built with libFuzzer (BW_LIBFUZZER) each target becomes its own fuzzer;
// otherwise every target registers under its name in one replay program
// that runs the kept corpora through the same code with the normal compiler.
#include <cstddef>
#include <cstdint>

namespace bw::fuzz {
using Entry = int (*)(const uint8_t* data, size_t size);
bool RegisterTarget(const char* name, Entry entry);
}  // namespace bw::fuzz

#ifdef BW_LIBFUZZER
#define BW_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#else
#define BW_FUZZ_TARGET(name)                                  \
    static int name##Entry(const uint8_t* data, size_t size); \
    [[maybe_unused]] static const bool name##Registered =     \
        bw::fuzz::RegisterTarget(#name, name##Entry);         \
    static int name##Entry(const uint8_t* data, size_t size)
#endif
