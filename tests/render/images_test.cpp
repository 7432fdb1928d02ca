// The player's image files: good bitmaps and JPEGs load; missing, damaged,
// oversized and hostile ones are refused quickly without crashing. Tiling
// covers an area the way the table background needs.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QtEndian>
#include <cstdio>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "core/params.h"
#include "render/images.h"
#include "render_support.h"

namespace bw {
namespace {

// Encodes `img` as a JPEG file; `scans` > 0 writes a progressive file with
// that many tiny scans (a decoder bomb).
std::string EncodeJpeg(const QImage& source, bool manyScans = false) {
    QImage img = source.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buf = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buf, &size);
    c.image_width = static_cast<JDIMENSION>(img.width());
    c.image_height = static_cast<JDIMENSION>(img.height());
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    std::vector<jpeg_scan_info> scans;
    if (manyScans) {
        // Luminance only; the DC scan, then every AC coefficient alone,
        // first at a coarse bit and then refined bit by bit.
        jpeg_set_colorspace(&c, JCS_GRAYSCALE);
        scans.push_back({1, {0}, 0, 0, 0, 0});
        for (int k = 1; k <= 63; ++k) {
            scans.push_back({1, {0}, k, k, 0, 5});
            for (int a = 5; a >= 1; --a) scans.push_back({1, {0}, k, k, a, a - 1});
        }
        c.scan_info = scans.data();
        c.num_scans = static_cast<int>(scans.size());
    }
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(img.constScanLine(static_cast<int>(c.next_scanline)));
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    std::string out(reinterpret_cast<char*>(buf), size);
    jpeg_destroy_compress(&c);
    std::free(buf);
    return out;
}

QImage TwoColour(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(200, 30, 40));
    for (int y = 0; y < h / 2; ++y)
        for (int x = 0; x < w; ++x) img.setPixel(x, y, qRgb(20, 60, 220));
    return img;
}

class ImagesTest : public ::testing::Test {
protected:
    test::CoreFixture core;
};

TEST_F(ImagesTest, FileNames) {
    EXPECT_EQ(BitmapFilePath("felt"), ProgramDir() + "felt.bmp");
    EXPECT_EQ(BitmapFilePath("/home/me/felt.bmp"), "/home/me/felt.bmp");
    EXPECT_EQ(BitmapFilePath("C:\\pics\\felt.bmp"), "C:\\pics\\felt.bmp");
    EXPECT_TRUE(IsJpegName("a.JPG"));
    EXPECT_TRUE(IsJpegName("a.jpeg"));
    EXPECT_TRUE(IsJpegName("a.jpe"));
    EXPECT_TRUE(IsJpegName("x.jpg.bmp"));  // "contains", as the program always did
    EXPECT_FALSE(IsJpegName("a.bmp"));
    EXPECT_FALSE(IsJpegName("jpg"));
}

TEST_F(ImagesTest, BitmapFiles) {
    const std::string good = test::WriteBmp(core.dir.file("good.bmp"), TwoColour(30, 20));
    QImage img;
    ASSERT_EQ(LoadBitmapFile(good, img), ImageFileStatus::kOk);
    EXPECT_EQ(img.size(), QSize(30, 20));
    EXPECT_EQ(img.pixel(0, 0) & 0xFFFFFF, 0x143CDCu);
    QSize size;
    EXPECT_TRUE(BitmapFileSize(good, size));
    EXPECT_EQ(size, QSize(30, 20));

    EXPECT_EQ(LoadBitmapFile(core.dir.file("none.bmp"), img), ImageFileStatus::kMissing);
    EXPECT_TRUE(img.isNull());
    EXPECT_FALSE(BitmapFileSize(core.dir.file("none.bmp"), size));

    const std::string bytes = core.dir.read("good.bmp");
    core.dir.write("header.bmp", bytes.substr(0, 30));
    EXPECT_EQ(LoadBitmapFile(core.dir.file("header.bmp"), img), ImageFileStatus::kInvalid);
    core.dir.write("garbage.bmp", std::string(500, 'q'));
    EXPECT_EQ(LoadBitmapFile(core.dir.file("garbage.bmp"), img), ImageFileStatus::kInvalid);
    EXPECT_TRUE(img.isNull());
    // A JPEG named .bmp is no bitmap.
    core.dir.write("jpeg.bmp", EncodeJpeg(TwoColour(8, 8)));
    EXPECT_EQ(LoadBitmapFile(core.dir.file("jpeg.bmp"), img), ImageFileStatus::kInvalid);
    // Pixel data cut short: refused or padded, never a crash.
    core.dir.write("short.bmp", bytes.substr(0, bytes.size() / 2));
    LoadBitmapFile(core.dir.file("short.bmp"), img);

    // The same picture stored top row first (a negative height) is as valid.
    std::string topDown = bytes;
    const auto u32 = [&](size_t at) {
        return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
               static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
    };
    const size_t pixels = u32(10), height = u32(22), bits = u32(28) & 0xFFFF;
    const size_t row = (u32(18) * bits + 31) / 32 * 4;
    for (size_t y = 0; y < height; ++y)
        topDown.replace(pixels + y * row, row, bytes, pixels + (height - 1 - y) * row, row);
    const uint32_t negative = static_cast<uint32_t>(-static_cast<int32_t>(height));
    for (int i = 0; i < 4; ++i) topDown[22 + i] = static_cast<char>(negative >> (8 * i));
    core.dir.write("topdown.bmp", topDown);
    QImage top;
    ASSERT_EQ(LoadBitmapFile(core.dir.file("topdown.bmp"), top), ImageFileStatus::kOk);
    ASSERT_EQ(LoadBitmapFile(good, img), ImageFileStatus::kOk);
    EXPECT_EQ(top.convertToFormat(QImage::Format_RGB32), img.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(BitmapFileSize(core.dir.file("topdown.bmp"), size));
    EXPECT_EQ(size, QSize(30, 20));
}

TEST_F(ImagesTest, HostileBitmapHeadersAreRefusedBeforeAllocating) {
    QByteArray bmp = QByteArray::fromStdString(
        test::ReadFile(test::WriteBmp(core.dir.file("small.bmp"), TwoColour(4, 4))));
    auto withSize = [&](qint32 w, qint32 h) {
        QByteArray b = bmp;
        qToLittleEndian<qint32>(w, b.data() + 18);
        qToLittleEndian<qint32>(h, b.data() + 22);
        return b.toStdString();
    };
    QElapsedTimer t;
    t.start();
    QImage img;
    core.dir.write("wide.bmp", withSize(200000, 200000));
    EXPECT_EQ(LoadBitmapFile(core.dir.file("wide.bmp"), img), ImageFileStatus::kInvalid);
    core.dir.write("neg.bmp", withSize(-5, 4));
    EXPECT_EQ(LoadBitmapFile(core.dir.file("neg.bmp"), img), ImageFileStatus::kInvalid);
    core.dir.write("big.bmp",
                   withSize(kMaxImageSide, kMaxImageSide));  // within a side, too many pixels
    EXPECT_EQ(LoadBitmapFile(core.dir.file("big.bmp"), img), ImageFileStatus::kInvalid);
    EXPECT_LT(t.elapsed(), 2000);
    // Rows stored top-down (negative height) are a valid bitmap.
    core.dir.write("topdown.bmp", withSize(4, -4));
    EXPECT_NE(LoadBitmapFile(core.dir.file("topdown.bmp"), img), ImageFileStatus::kMissing);
}

TEST_F(ImagesTest, JpegFiles) {
    core.dir.write("pic.jpg", EncodeJpeg(TwoColour(40, 30)));
    QImage img;
    ASSERT_EQ(LoadJpegFile(core.dir.file("pic.jpg"), img), ImageFileStatus::kOk);
    ASSERT_EQ(img.size(), QSize(40, 30));
    QColor top = img.pixelColor(20, 3), bottom = img.pixelColor(20, 27);
    EXPECT_NEAR(top.blue(), 220, 12);
    EXPECT_NEAR(bottom.red(), 200, 12);
    // By name: .jpeg goes to the JPEG decoder, .bmp to the bitmap reader.
    core.dir.write("pic.JPEG", EncodeJpeg(TwoColour(10, 10)));
    EXPECT_EQ(LoadImageFile(core.dir.file("pic.JPEG"), img), ImageFileStatus::kOk);
    test::WriteBmp(core.dir.file("pic.bmp"), TwoColour(10, 10));
    EXPECT_EQ(LoadImageFile(core.dir.file("pic.bmp"), img), ImageFileStatus::kOk);

    EXPECT_EQ(LoadJpegFile(core.dir.file("missing.jpg"), img), ImageFileStatus::kMissing);
    std::string error;
    core.dir.write("text.jpg", "this is not a picture");
    EXPECT_EQ(LoadJpegFile(core.dir.file("text.jpg"), img, &error), ImageFileStatus::kInvalid);
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(img.isNull());
    core.dir.write("empty.jpg", "");
    EXPECT_EQ(LoadJpegFile(core.dir.file("empty.jpg"), img), ImageFileStatus::kInvalid);
    // The process goes on after libjpeg's fatal errors: load again.
    ASSERT_EQ(LoadJpegFile(core.dir.file("pic.jpg"), img), ImageFileStatus::kOk);
}

TEST_F(ImagesTest, DamagedAndHostileJpegs) {
    const std::string good = EncodeJpeg(TwoColour(64, 64));
    QImage img;
    QElapsedTimer t;
    t.start();
    // Cut short: libjpeg pads the rest; the picture keeps its size.
    core.dir.write("half.jpg", good.substr(0, good.size() / 2));
    if (LoadJpegFile(core.dir.file("half.jpg"), img) == ImageFileStatus::kOk) {
        EXPECT_EQ(img.size(), QSize(64, 64));
    }
    core.dir.write("head.jpg", good.substr(0, 20));
    EXPECT_EQ(LoadJpegFile(core.dir.file("head.jpg"), img), ImageFileStatus::kInvalid);
    // Garbage in the middle of the data.
    std::string noisy = good;
    for (size_t i = noisy.size() / 3; i < noisy.size() - 2; i += 7)
        noisy[i] = static_cast<char>(i * 13);
    core.dir.write("noisy.jpg", noisy);
    LoadJpegFile(core.dir.file("noisy.jpg"), img);
    // A header claiming 60000 x 60000 pixels: refused before decoding.
    std::string huge = good;
    size_t sof = huge.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    huge[sof + 5] = '\xEA';
    huge[sof + 6] = '\x60';
    huge[sof + 7] = '\xEA';
    huge[sof + 8] = '\x60';
    core.dir.write("huge.jpg", huge);
    std::string error;
    EXPECT_EQ(LoadJpegFile(core.dir.file("huge.jpg"), img, &error), ImageFileStatus::kInvalid);
    EXPECT_TRUE(img.isNull());
    // Hundreds of scans: stopped, not decoded for minutes.
    core.dir.write("scans.jpg", EncodeJpeg(TwoColour(64, 64), true));
    EXPECT_EQ(LoadJpegFile(core.dir.file("scans.jpg"), img, &error), ImageFileStatus::kInvalid);
    EXPECT_NE(error.find("scans"), std::string::npos);
    EXPECT_LT(t.elapsed(), 5000);
}

TEST_F(ImagesTest, TilingCopiesAcrossTheTopThenTheBandDown) {
    QImage tile(30, 20, QImage::Format_RGB32);
    tile.fill(Qt::red);
    tile.setPixel(0, 0, qRgb(0, 0, 255));
    QImage canvas(140, 80, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter p(&canvas);
        TileImage(p, 100, 50, tile);
    }
    // Copies at x = 0, 30, 60, 90 (90 <= 100) and y = 0, 20, 40 (40 <= 50).
    for (int x : {0, 30, 60, 90})
        for (int y : {0, 20, 40})
            EXPECT_EQ(canvas.pixel(x, y) & 0xFFFFFF, 0x0000FFu) << x << "," << y;
    EXPECT_EQ(canvas.pixel(119, 59) & 0xFFFFFF, 0xFF0000u);  // the last copies run past the area
    EXPECT_EQ(canvas.pixel(125, 5) & 0xFFFFFF, 0u);          // no copy at x = 120
    EXPECT_EQ(canvas.pixel(5, 65) & 0xFFFFFF, 0u);           // none at y = 60
    // An empty picture paints nothing (and does not loop forever).
    QPainter p(&canvas);
    TileImage(p, 100, 50, QImage());
    TileImage(p, 100, 50, QImage(0, 10, QImage::Format_RGB32));
}

TEST_F(ImagesTest, KeyColourBecomesTransparent) {
    QImage img(2, 1, QImage::Format_RGB32);
    img.setPixel(0, 0, qRgb(128, 0, 0));
    img.setPixel(1, 0, qRgb(128, 0, 1));
    QImage a = KeyedToAlpha(img, qRgb(128, 0, 0));
    EXPECT_EQ(qAlpha(a.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(a.pixel(1, 0)), 255);
}

}  // namespace
}  // namespace bw
