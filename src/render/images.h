#pragma once
// Image files chosen by the player (own card sets, own card backs, own table
// backgrounds) and the tiling of a picture over an area. These files are
// untrusted: a truncated, oversized or hostile file is refused with a
// status, never a crash, a hang or a huge allocation.
#include <QImage>
#include <QPainter>
#include <string>

namespace bw {

enum class ImageFileStatus {
    kOk,
    kMissing,  // no such file
    kInvalid,  // not a picture of that kind, damaged, or too large
};

// Pictures above this many pixels (or wider or higher than the side limit)
// are refused before anything is allocated.
constexpr int kMaxImageSide = 16384;
constexpr long long kMaxImagePixels = 40LL * 1000 * 1000;

// A bitmap file name as the player gives it: a name without a folder lies in
// the program folder and gets ".bmp" appended.
std::string BitmapFilePath(const std::string& name);
// True for names containing ".jpg", ".jpe" or ".jpeg" (any case).
bool IsJpegName(const std::string& name);

// A Windows bitmap (BMP) file.
ImageFileStatus LoadBitmapFile(const std::string& path, QImage& image);
// The pixel size of a bitmap file from its header alone; false when the file
// is missing or is no bitmap.
bool BitmapFileSize(const std::string& path, QSize& size);
// A JPEG file, decoded with libjpeg; `error` gets libjpeg's message.
ImageFileStatus LoadJpegFile(const std::string& path, QImage& image, std::string* error = nullptr);
// JPEG or bitmap by the name.
ImageFileStatus LoadImageFile(const std::string& path, QImage& image);

// Copies `image` unscaled at x = 0, w, 2w, ... while x <= width along the
// top, then that top band down at y = h, 2h, ... while y <= height. An empty
// image paints nothing.
void TileImage(QPainter& painter, int width, int height, const QImage& image);

// A copy of `image` where every pixel of `key` colour is transparent.
QImage KeyedToAlpha(const QImage& image, QRgb key);

}  // namespace bw
