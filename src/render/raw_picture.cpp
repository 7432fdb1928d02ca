#include "render/raw_picture.h"

#include <cstdint>
#include <cstring>

namespace bw {
namespace {

constexpr char kMagic[4] = {'R', 'A', 'W', 'P'};
constexpr qsizetype kHeader = 16;
// No picture of the library comes near this; it keeps width * height * 4
// far from overflowing.
constexpr uint32_t kMaxSide = 16384;

bool Accepted(uint32_t format) {
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

void PutU32(char* at, uint32_t v) {
    for (int i = 0; i < 4; ++i) at[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

uint32_t U32(const char* at) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(at[i]);
    return v;
}

}  // namespace

bool IsRawPicture(const QByteArray& bytes) {
    return bytes.size() >= 4 && std::memcmp(bytes.constData(), kMagic, 4) == 0;
}

QByteArray EncodeRawPicture(const QImage& image) {
    if (image.isNull() || !Accepted(image.format())) return QByteArray();
    const qsizetype row = qsizetype{image.width()} * 4;
    QByteArray out(kHeader + row * image.height(), Qt::Uninitialized);
    char* p = out.data();
    std::memcpy(p, kMagic, 4);
    PutU32(p + 4, static_cast<uint32_t>(image.width()));
    PutU32(p + 8, static_cast<uint32_t>(image.height()));
    PutU32(p + 12, static_cast<uint32_t>(image.format()));
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(p + kHeader + row * y, image.constScanLine(y), static_cast<size_t>(row));
    return out;
}

bool DecodeRawPicture(QByteArray bytes, QImage& image) {
    image = QImage();
    if (bytes.size() < kHeader || !IsRawPicture(bytes)) return false;
    const uint32_t w = U32(bytes.constData() + 4), h = U32(bytes.constData() + 8),
                   format = U32(bytes.constData() + 12);
    if (w == 0 || h == 0 || w > kMaxSide || h > kMaxSide || !Accepted(format)) return false;
    if (bytes.size() - kHeader != qsizetype{w} * h * 4) return false;
    // The image owns the bytes from here on: it writes into them only if it
    // is drawn on, and the holder is its alone.
    auto* holder = new QByteArray(std::move(bytes));
    uchar* pixels = reinterpret_cast<uchar*>(holder->data()) + kHeader;
    image = QImage(
        pixels, static_cast<int>(w), static_cast<int>(h), static_cast<qsizetype>(w) * 4,
        static_cast<QImage::Format>(format),
        [](void* held) { delete static_cast<QByteArray*>(held); }, holder);
    return !image.isNull();
}

}  // namespace bw
