#include "render/library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QResource>
#include <algorithm>
#include <map>
#include <memory>

#include "core/params.h"
#include "platform/paths.h"
#include "platform/qt/sound_player.h"

namespace bw {

struct LibraryModule {
    std::string path;
};

namespace {

// Where the library's tree is mapped in Qt's resource system; the program's
// own resources, if any, never collide with it.
const char* const kMapRoot = "/qlr";

std::unique_ptr<LibraryModule> g_library;
int g_generation = 0;
std::map<int, QCursor> g_cursors;
std::unique_ptr<platform::SoundPlayer> g_player;

// The resource path of a name of a kind, or empty for a name that cannot be
// one (folder separators would reach outside the kind).
QString ResourcePath(const char* kind, const std::string& name) {
    if (!g_library || name.empty() || name.find_first_of("/\\") != std::string::npos)
        return QString();
    return QString(":%1/%2/%3").arg(kMapRoot, kind, QString::fromStdString(name).toUpper());
}

void ReleasePlayer() {
    g_player.reset();
}

// The audio output lives only as long as the application object: Qt
// Multimedia must not outlive it.
platform::SoundPlayer* Player() {
    if (!g_player && QCoreApplication::instance()) {
        g_player = std::make_unique<platform::SoundPlayer>();
        static bool registered = false;
        if (!registered) {
            qAddPostRoutine(ReleasePlayer);
            registered = true;
        }
    }
    return g_player.get();
}

// The library's pictures are PNG files: naming the format spares probing
// every image plugin (and loading them all) for each picture. A picture of
// another kind is still read.
bool Decode(const QString& path, QImage& image) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    if (reader.read(&image)) return true;
    return image.load(path);
}

bool LooksLikeResourceFile(const std::string& path) {
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) return false;
    QByteArray head = f.read(20);
    return head.size() == 20 && head.startsWith("qres");
}

}  // namespace

bool LoadResourceLibraryFile(const std::string& path) {
    if (g_library) return true;
    if (!platform::FileExists(path) || !LooksLikeResourceFile(path)) return false;
    if (!QResource::registerResource(QString::fromStdString(path), kMapRoot)) return false;
    g_library = std::make_unique<LibraryModule>(LibraryModule{path});
    ++g_generation;
    return true;
}

bool LoadResourceLibrary() {
    return LoadResourceLibraryFile(ProgramFile("QLR.RGF"));
}

bool OpenResourceLibraryOrReport() {
    if (LoadResourceLibrary()) return true;
    Dialogs().Error("Error", "Can't find/load " + platform::ToLower(ProgramFile("QLR.RGF")));
    return false;
}

const LibraryModule* LibraryHandle() {
    return g_library.get();
}

int LibraryGeneration() {
    return g_generation;
}

std::string LibraryPath() {
    return g_library ? g_library->path : std::string();
}

bool LoadLibraryBitmap(QImage& bitmap, const std::string& name) {
    bitmap = QImage();
    const QString path = ResourcePath("bmp", name);
    if (path.isEmpty() || !QFile::exists(path)) return false;
    return Decode(path, bitmap) && !bitmap.isNull();
}

QImage LibraryBitmap(const std::string& name) {
    QImage img;
    LoadLibraryBitmap(img, name);
    return img;
}

std::vector<std::string> LibraryBitmapNames() {
    std::vector<std::string> names;
    if (!g_library) return names;
    for (const QString& n : QDir(QString(":%1/bmp").arg(kMapRoot)).entryList(QDir::Files))
        names.push_back(n.toUpper().toStdString());
    std::sort(names.begin(), names.end());
    return names;
}

bool LoadLibraryCursorImage(const std::string& name, QImage& image, QPoint& hotSpot) {
    image = QImage();
    hotSpot = QPoint(0, 0);
    const QString path = ResourcePath("cur", name);
    if (path.isEmpty() || !QFile::exists(path) || !Decode(path, image) || image.isNull()) return false;
    const QStringList xy = image.text("HotSpot").split(',');
    if (xy.size() == 2) {
        hotSpot = QPoint(std::clamp(xy[0].toInt(), 0, image.width() - 1),
                         std::clamp(xy[1].toInt(), 0, image.height() - 1));
    }
    return true;
}

int LoadLibraryCursors() {
    g_cursors.clear();
    // QCursor needs a GUI application.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return 0;
    static const char* const kShapes[6] = {"CUR_ARROW1",      "CUR_ARROW2",     "CUR_RIGHT_HAND1",
                                           "CUR_RIGHT_HAND2", "CUR_LEFT_HAND1", "CUR_LEFT_HAND2"};
    int installed = 0;
    for (int i = 0; i < 6; ++i) {
        for (int set = 0; set < 2; ++set) {
            QImage image;
            QPoint hot;
            if (!LoadLibraryCursorImage(std::string(kShapes[i]) + (set ? "B" : "A"), image, hot))
                continue;
            g_cursors[10 + 10 * set + i] = QCursor(QPixmap::fromImage(image), hot.x(), hot.y());
            ++installed;
        }
    }
    g_cursors[30] = QCursor(Qt::PointingHandCursor);
    return installed;
}

const QCursor* ScreenCursor(int number) {
    auto it = g_cursors.find(number);
    return it == g_cursors.end() ? nullptr : &it->second;
}

QByteArray LibrarySoundData(const std::string& name) {
    const QString path = ResourcePath("wave", name);
    if (path.isEmpty()) return QByteArray();
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return QByteArray();
    return f.readAll();
}

void PlayLibrarySound(const std::string& name, bool loop) {
    const QByteArray wave = LibrarySoundData(name);
    // Stopping before anything played needs no audio output opened.
    if (wave.isEmpty() && !g_player) return;
    platform::SoundPlayer* player = Player();
    if (!player) return;
    if (wave.isEmpty()) {
        player->Stop();
        return;
    }
    player->Play(wave, loop);
}

void StopLibrarySound() {
    PlayLibrarySound("_tmp_stop_", false);
}

void FreeResourceLibrary() {
    ReleasePlayer();
    g_cursors.clear();
    if (!g_library) return;
    QResource::unregisterResource(QString::fromStdString(g_library->path), kMapRoot);
    g_library.reset();
}

}  // namespace bw
