// QLR.RGF: a resource library file of any content is loaded, and every
// picture, pointer and sound in it is read the way the program reads it.
#include "fuzz_target.h"
#include "library_reading.h"

BW_FUZZ_TARGET(library) {
    using namespace bw;
    fuzz::FreshProgramState();
    const std::string path =
        fuzz::WriteScratch("QLR.RGF", std::string(reinterpret_cast<const char*>(data), size));
    if (LoadResourceLibraryFile(path)) fuzz::ReadLibrary();
    FreeResourceLibrary();
    return 0;
}
