// Any bytes as the one picture, pointer or sound of a well-formed library,
// so the decoders behind the library's names are reached.
#include "fuzz_target.h"
#include "library_reading.h"

BW_FUZZ_TARGET(library_item) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::Input in(data, size);
    static const char* const kKinds[] = {"bmp", "cur", "wave"};
    const std::string kind = kKinds[in.Byte() % 3];
    const std::string path =
        fuzz::WriteScratch("QLR.RGF", fuzz::OneEntryLibrary(kind, "ITEM", in.Rest()));
    fuzz::Require(LoadResourceLibraryFile(path), "a well-formed library loads");
    fuzz::ReadLibrary();
    FreeResourceLibrary();
    return 0;
}
