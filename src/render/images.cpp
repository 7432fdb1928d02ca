#include "render/images.h"

#include <fcntl.h>
#include <unistd.h>

#include <QImageReader>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

extern "C" {
#include <jpeglib.h>
}

#include "core/params.h"
#include "platform/line_reader.h"
#include "platform/paths.h"

namespace bw {

std::string BitmapFilePath(const std::string& name) {
    if (name.find_first_of("/\\") != std::string::npos) return name;
    return ProgramDir() + name + ".bmp";
}

bool IsJpegName(const std::string& name) {
    // ".jpeg" contains ".jpe".
    const std::string lower = platform::ToLower(name);
    return lower.find(".jpg") != std::string::npos || lower.find(".jpe") != std::string::npos;
}

namespace {

bool SizeAllowed(long long w, long long h) {
    return w > 0 && h > 0 && w <= kMaxImageSide && h <= kMaxImageSide && w * h <= kMaxImagePixels;
}

// The size from a BMP header. A negative height is a valid picture stored
// top row first, which Qt reads but reports with that sign.
QSize BitmapHeaderSize(QImageReader& reader) {
    const QSize size = reader.size();
    return size.height() < 0 ? QSize(size.width(), -size.height()) : size;
}

}  // namespace

bool BitmapFileSize(const std::string& path, QSize& size) {
    size = QSize();
    if (!platform::FileExists(path)) return false;
    QImageReader reader(QString::fromStdString(path), "bmp");
    reader.setDecideFormatFromContent(false);
    size = BitmapHeaderSize(reader);
    return size.isValid();
}

ImageFileStatus LoadBitmapFile(const std::string& path, QImage& image) {
    image = QImage();
    if (!platform::FileExists(path)) return ImageFileStatus::kMissing;
    QImageReader reader(QString::fromStdString(path), "bmp");
    reader.setDecideFormatFromContent(false);
    // The header's size decides before any pixel memory is taken.
    const QSize size = BitmapHeaderSize(reader);
    if (!size.isValid() || !SizeAllowed(size.width(), size.height()))
        return ImageFileStatus::kInvalid;
    if (!reader.read(&image) || image.isNull()) {
        image = QImage();
        return ImageFileStatus::kInvalid;
    }
    return ImageFileStatus::kOk;
}

// ---------------------------------------------------------------- JPEG

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not
// return: it jumps back to the decoder with the message kept. Nothing with
// a destructor lives between the setjmp and a jump.
struct JpegError {
    jpeg_error_mgr mgr;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void JpegErrorExit(j_common_ptr cinfo) {
    JpegError* err = reinterpret_cast<JpegError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void JpegSilence(j_common_ptr) {}

// A progressive file can hold thousands of tiny scans that take minutes to
// decode; no real picture needs more than a few dozen.
constexpr int kMaxScans = 256;

void JpegProgress(j_common_ptr cinfo) {
    if (!cinfo->is_decompressor) return;
    j_decompress_ptr d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->input_scan_number > kMaxScans) {
        std::snprintf(reinterpret_cast<JpegError*>(cinfo->err)->message, JMSG_LENGTH_MAX,
                      "Too many scans in the JPEG file");
        std::longjmp(reinterpret_cast<JpegError*>(cinfo->err)->jump, 1);
    }
}

struct Decoded {
    unsigned char* pixels = nullptr;  // width x height x 4 bytes (B, G, R, X), malloc'd
    int width = 0;
    int height = 0;
};

unsigned char Clamp255(int v) {
    return static_cast<unsigned char>(v < 0 ? 0 : (v > 255 ? 255 : v));
}

// Returns 0 on success, 1 for a decoder error, 2 for a refused size.
int DecodeJpeg(std::FILE* file, Decoded* out, char* message) {
    jpeg_decompress_struct cinfo;
    JpegError err;
    jpeg_progress_mgr progress;
    unsigned char* volatile pixels = nullptr;
    unsigned char* volatile row = nullptr;
    std::memset(&cinfo, 0, sizeof cinfo);
    err.message[0] = '\0';
    cinfo.err = jpeg_std_error(&err.mgr);
    err.mgr.error_exit = JpegErrorExit;
    err.mgr.output_message = JpegSilence;
    if (setjmp(err.jump)) {
        std::strncpy(message, err.message, JMSG_LENGTH_MAX - 1);
        message[JMSG_LENGTH_MAX - 1] = '\0';
        jpeg_destroy_decompress(&cinfo);
        std::free(pixels);
        std::free(row);
        return 1;
    }
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = 256L * 1024 * 1024;
    progress.progress_monitor = JpegProgress;
    cinfo.progress = &progress;
    jpeg_stdio_src(&cinfo, file);
    jpeg_read_header(&cinfo, TRUE);
    if (!SizeAllowed(cinfo.image_width, cinfo.image_height)) {
        jpeg_destroy_decompress(&cinfo);
        return 2;
    }
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&cinfo);
    const int w = static_cast<int>(cinfo.output_width), h = static_cast<int>(cinfo.output_height);
    const int comps = cinfo.output_components;
    if (!SizeAllowed(w, h) || (comps != 3 && comps != 4)) {
        jpeg_destroy_decompress(&cinfo);
        return 2;
    }
    pixels = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(w) * h * 4));
    row = static_cast<unsigned char*>(std::malloc(static_cast<size_t>(w) * comps));
    if (!pixels || !row) {
        jpeg_destroy_decompress(&cinfo);
        std::free(pixels);
        std::free(row);
        return 2;
    }
    // Adobe writes CMYK inverted.
    const bool inverted = cmyk && cinfo.saw_Adobe_marker;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = static_cast<int>(cinfo.output_scanline);
        JSAMPROW rows[1] = {row};
        if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) break;
        unsigned char* dst = pixels + static_cast<size_t>(y) * w * 4;
        for (int x = 0; x < w; ++x) {
            const unsigned char* s = row + static_cast<ptrdiff_t>(x) * comps;
            int r, g, b;
            if (comps == 3) {
                r = s[0];
                g = s[1];
                b = s[2];
            } else {
                int c = s[0], m = s[1], yy = s[2], k = s[3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    yy = 255 - yy;
                    k = 255 - k;
                }
                r = c * k / 255;
                g = m * k / 255;
                b = yy * k / 255;
            }
            dst[4 * x + 0] = Clamp255(b);
            dst[4 * x + 1] = Clamp255(g);
            dst[4 * x + 2] = Clamp255(r);
            dst[4 * x + 3] = 255;
        }
    }
    // A truncated file ends early: libjpeg pads it with grey and warns.
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    std::free(row);
    out->pixels = pixels;
    out->width = w;
    out->height = h;
    return 0;
}

}  // namespace

ImageFileStatus LoadJpegFile(const std::string& path, QImage& image, std::string* error) {
    image = QImage();
    if (!platform::FileExists(path)) return ImageFileStatus::kMissing;
    // Opened only as a regular file: a pipe put in its place would block.
    const int fd = platform::OpenRegularFile(path, O_RDONLY, platform::Links::kFollow);
    std::FILE* file = fd < 0 ? nullptr : ::fdopen(fd, "rb");
    if (!file) {
        if (fd >= 0) ::close(fd);
        return ImageFileStatus::kMissing;
    }
    Decoded d;
    char message[JMSG_LENGTH_MAX] = {0};
    const int result = DecodeJpeg(file, &d, message);
    std::fclose(file);
    if (result != 0) {
        if (error) *error = result == 2 ? "The picture is too large" : message;
        return ImageFileStatus::kInvalid;
    }
    QImage wrapped(d.pixels, d.width, d.height, qsizetype{d.width} * 4, QImage::Format_RGB32,
                   std::free, d.pixels);
    image = wrapped;
    return ImageFileStatus::kOk;
}

ImageFileStatus LoadImageFile(const std::string& path, QImage& image) {
    return IsJpegName(path) ? LoadJpegFile(path, image) : LoadBitmapFile(path, image);
}

// ---------------------------------------------------------------- tiling

void TileImage(QPainter& painter, int width, int height, const QImage& image) {
    const int w = image.width(), h = image.height();
    if (w <= 0 || h <= 0) return;
    for (int x = 0; x <= width; x += w) painter.drawImage(x, 0, image);
    // The band along the top, copied down.
    const int bandWidth = (width / w + 1) * w;
    QImage band(bandWidth, h, QImage::Format_ARGB32_Premultiplied);
    band.fill(Qt::transparent);
    {
        QPainter b(&band);
        for (int x = 0; x <= width; x += w) b.drawImage(x, 0, image);
    }
    for (int y = h; y <= height; y += h) painter.drawImage(0, y, band);
}

QImage KeyedToAlpha(const QImage& image, QRgb key) {
    QImage out = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb k = key & 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFF) == k) line[x] = 0;
    }
    return out;
}

}  // namespace bw
