#pragma once
// An own table background of any content, as a bitmap or a JPEG by its
// name: painted over the table, or refused with the format message and the
// default background painted instead.
#include <QImage>

#include "core/params.h"
#include "fuzz_support.h"
#include "render/background.h"

namespace bw::fuzz {

inline void PaintOwnBackground(const uint8_t* data, size_t size, const char* name) {
    FreshProgramState();
    WriteScratch("DATA/Cfg.dat", "[Preference]\r\n");
    const std::string path =
        WriteScratch(name, std::string(reinterpret_cast<const char*>(data), size));
    QImage table(160, 120, QImage::Format_RGB32);
    table.fill(Qt::black);
    PaintBackgroundAs(Canvas::Of(table), kBackgroundOwnImage, 0, path, true, 0);
}

}  // namespace bw::fuzz
