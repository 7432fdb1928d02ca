// Own table backgrounds that are bitmaps.
#include "background_fuzz.h"
#include "fuzz_target.h"

BW_FUZZ_TARGET(background_bmp) {
    bw::fuzz::PaintOwnBackground(data, size, "table.bmp");
    return 0;
}
