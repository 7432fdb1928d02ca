#pragma once
// Reading a resource library the way the program does.
#include <QDir>
#include <QImage>
#include <QPoint>
#include <string>

#include "fuzz_support.h"
#include "platform/qt/sound_player.h"
#include "render/library.h"
#include "resource_file.h"

namespace bw::fuzz {

// Reads everything the library offers, as the program would.
inline void ReadLibrary() {
    int n = 0;
    for (const std::string& name : LibraryBitmapNames()) {
        if (++n > 16) break;
        QImage image;
        LoadLibraryBitmap(image, name);
    }
    const QStringList cursors = QDir(":/qlr/cur").entryList(QDir::Files);
    for (int i = 0; i < cursors.size() && i < 16; ++i) {
        QImage image;
        QPoint hot;
        if (LoadLibraryCursorImage(cursors[i].toStdString(), image, hot))
            fuzz::Require(image.rect().contains(hot), "a pointer's hot spot lies on it");
    }
    const QStringList sounds = QDir(":/qlr/wave").entryList(QDir::Files);
    for (int i = 0; i < sounds.size() && i < 16; ++i) {
        platform::PcmSound pcm;
        platform::ParseWave(LibrarySoundData(sounds[i].toStdString()), pcm);
    }
}

}  // namespace bw::fuzz
