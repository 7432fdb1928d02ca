// The libjpeg path: names containing ".jpg", ".jpe" or ".jpeg".
#include "background_fuzz.h"
#include "fuzz_target.h"

BW_FUZZ_TARGET(background_jpeg) {
    bw::fuzz::PaintOwnBackground(data, size, "table.jpg");
    return 0;
}
