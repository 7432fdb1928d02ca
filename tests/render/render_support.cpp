#include "render_support.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QPainter>
#include <filesystem>

#include "render/library.h"

namespace bw::test {

namespace {

// One QGuiApplication (offscreen) for every test of the program: images,
// fonts, pointers and the sound output need it.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bw_render_tests";
        static char* argv[] = {name, nullptr};
        app_ = new QGuiApplication(argc, argv);
    }
    void TearDown() override {
        FreeResourceLibrary();
        delete app_;
        app_ = nullptr;
    }

private:
    QGuiApplication* app_ = nullptr;
};

[[maybe_unused]] ::testing::Environment* const kQt =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

std::string BuiltLibraryPath() {
    return std::string(BW_PROGRAM_DIR) + "QLR.RGF";
}

void UseBuiltLibrary() {
    ASSERT_TRUE(std::filesystem::exists(BuiltLibraryPath())) << BuiltLibraryPath();
    ASSERT_TRUE(LoadResourceLibraryFile(BuiltLibraryPath()));
}

std::string WriteBmp(const std::string& path, const QImage& image) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    EXPECT_TRUE(image.save(QString::fromStdString(path), "BMP")) << path;
    return path;
}

bool SamePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF)) return false;
    return true;
}

QImage MarkOver(const QImage& mark, const QImage& background, const QRect& at) {
    QImage out = background.copy(at).convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(QPoint(0, 0), mark);
    return out;
}

}  // namespace bw::test
