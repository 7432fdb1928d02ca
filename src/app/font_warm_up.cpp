#include "app/font_warm_up.h"

#include <fontconfig/fontconfig.h>

namespace bw {

FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

void FontWarmUp::Wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace bw
