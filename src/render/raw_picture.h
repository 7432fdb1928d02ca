#pragma once
// The library keeps its pictures as plain pixels (the packer compresses them
// with zstd): unpacking those is several times quicker than decoding PNG, and
// start-up decodes a few dozen pictures before the first screen.
//
//   "RAWP", width, height, QImage::Format (three little-endian uint32),
//   then the rows, 4 bytes a pixel, no padding.
#include <QByteArray>
#include <QImage>

namespace bw {

// Whether bytes begin like a raw picture (whether or not the rest is sound).
bool IsRawPicture(const QByteArray& bytes);

// The picture as raw bytes; empty for a format other than RGB32, ARGB32 and
// ARGB32_Premultiplied.
QByteArray EncodeRawPicture(const QImage& image);

// The picture of raw bytes, using their memory without a copy. False, with a
// null image, for bytes whose header does not fit what follows it.
bool DecodeRawPicture(QByteArray bytes, QImage& image);

}  // namespace bw
