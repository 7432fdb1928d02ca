#include "render/library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <QtEndian>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>

#include "core/params.h"
#include "platform/paths.h"
#include "platform/qt/sound_player.h"

namespace bw {

struct LibraryModule {
    std::string path;
    QByteArray bytes;  // what Qt's resource system reads; checked before it is registered
};

namespace {

// Where the library's tree is mapped in Qt's resource system; the program's
// own resources, if any, never collide with it.
const char* const kMapRoot = "/qlr";

std::unique_ptr<LibraryModule> g_library;
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

// No real library comes near this; a bigger file is not one.
constexpr qint64 kMaxLibraryBytes = 256LL * 1024 * 1024;
// Nor does any entry unpack to more than this.
constexpr quint64 kMaxEntryBytes = 64ULL * 1024 * 1024;

// The binary resource format: a header, then a tree of fixed-size nodes
// (directories list a run of child nodes, files point into the data
// block), names (length, hash, UTF-16) and data (length, bytes).
class LibraryChecker {
public:
    explicit LibraryChecker(const QByteArray& b)
        : d_(reinterpret_cast<const uchar*>(b.constData())), size_(static_cast<quint64>(b.size())) {}

    bool Check() {
        if (size_ < 20 || std::memcmp(d_, "qres", 4) != 0) return false;
        const quint32 version = U32(4);
        if (version < 1 || version > 3) return false;
        tree_ = U32(8), data_ = U32(12), names_ = U32(16);
        const quint64 header = version >= 3 ? 24 : 20;
        if (version >= 3 && (size_ < 24 || (U32(20) & ~(kZlib | kZstd)) != 0)) return false;
        for (quint64 at : {tree_, data_, names_})
            if (at < header || at >= size_) return false;
        nodeSize_ = version >= 2 ? 22 : 14;
        nodes_ = (size_ - tree_) / nodeSize_;
        // Qt reads the first node as the root folder whatever its flags say.
        if (nodes_ == 0 || !(U16(tree_ + 4) & kDirectory)) return false;
        // Each node once: children may be shared or listed twice, never outside the tree.
        std::vector<bool> seen(static_cast<size_t>(nodes_), false);
        std::vector<quint64> todo{0};
        seen[0] = true;
        while (!todo.empty()) {
            const quint64 node = todo.back();
            todo.pop_back();
            const quint64 at = tree_ + node * nodeSize_;
            if (!NameFits(U32(at))) return false;
            const quint16 flags = U16(at + 4);
            if (flags & kDirectory) {
                const quint64 count = U32(at + 6), first = U32(at + 10);
                if (first > nodes_ || count > nodes_ - first) return false;
                for (quint64 c = first; c < first + count; ++c) {
                    if (seen[static_cast<size_t>(c)]) continue;
                    seen[static_cast<size_t>(c)] = true;
                    todo.push_back(c);
                }
            } else if (!DataFits(U32(at + 10), flags)) {
                return false;
            }
        }
        return true;
    }

private:
    static constexpr quint32 kZlib = 0x01, kDirectory = 0x02, kZstd = 0x04;

    quint32 U32(quint64 at) const { return at + 4 <= size_ ? qFromBigEndian<quint32>(d_ + at) : 0; }
    quint16 U16(quint64 at) const { return at + 2 <= size_ ? qFromBigEndian<quint16>(d_ + at) : 0; }

    bool NameFits(quint64 offset) const {
        const quint64 at = names_ + offset;
        return at + 6 <= size_ && at + 6 + 2ULL * U16(at) <= size_;
    }

    bool DataFits(quint64 offset, quint16 flags) const {
        const quint64 at = data_ + offset;
        if (at + 4 > size_) return false;
        const quint64 length = U32(at);
        if (length > size_ - at - 4) return false;
        if (flags & kZlib)  // starts with the unpacked length
            return length >= 4 && U32(at + 4) <= kMaxEntryBytes;
        if (flags & kZstd) return ZstdContentFits(at + 4, length);
        return true;
    }

    // Qt allocates what a zstd frame header declares before it unpacks.
    bool ZstdContentFits(quint64 at, quint64 length) const {
        if (length < 5 || qFromLittleEndian<quint32>(d_ + at) != 0xFD2FB528u) return false;
        const uchar descriptor = d_[at + 4];
        const int sizeCode = descriptor >> 6;
        const bool single = descriptor & 0x20;
        static const int kDictBytes[4] = {0, 1, 2, 4};
        const quint64 field = at + 5 + (single ? 0 : 1) + kDictBytes[descriptor & 3];
        const int fieldBytes = sizeCode == 0 ? (single ? 1 : 0) : (1 << sizeCode);
        if (fieldBytes == 0) return false;  // no size given: Qt refuses it too
        if (field + fieldBytes > at + length) return false;
        quint64 content = 0;
        for (int i = fieldBytes - 1; i >= 0; --i) content = (content << 8) | d_[field + i];
        if (fieldBytes == 2) content += 256;
        return content <= kMaxEntryBytes;
    }

    const uchar* d_;
    quint64 size_;
    quint64 tree_ = 0, data_ = 0, names_ = 0, nodeSize_ = 14, nodes_ = 0;
};

// The library's pictures are PNG (or BMP) files. A PNG chunk that claims
// more bytes than the picture holds would have the decoder allocate that
// much before it notices; such a picture is damaged and is not decoded.
bool PngChunksFit(const QByteArray& png) {
    const auto* d = reinterpret_cast<const uchar*>(png.constData());
    const quint64 size = static_cast<quint64>(png.size());
    quint64 at = 8;
    while (at + 8 <= size) {
        const quint64 length = qFromBigEndian<quint32>(d + at);
        if (length > size - at - 8) return false;
        if (std::memcmp(d + at + 4, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

// Reads a library picture; only the formats the library is made of are
// decoded (no other plug-in gets to parse it).
bool ReadLibraryPicture(const QString& path, QImage& image) {
    image = QImage();
    QFile f(path);
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly)) return false;
    const QByteArray bytes = f.readAll();
    const char* format = nullptr;
    if (bytes.startsWith("\x89PNG\r\n\x1a\n") && PngChunksFit(bytes))
        format = "PNG";
    else if (bytes.startsWith("BM"))
        format = "BMP";
    return format && image.loadFromData(bytes, format) && !image.isNull();
}

}  // namespace

bool IsWellFormedLibrary(const QByteArray& bytes) {
    return LibraryChecker(bytes).Check();
}

bool LoadResourceLibraryFile(const std::string& path) {
    if (g_library) return true;
    if (!platform::FileExists(path)) return false;
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxLibraryBytes) return false;
    auto module = std::make_unique<LibraryModule>(LibraryModule{path, f.readAll()});
    // Qt's reader trusts every offset in the file; only a checked copy is
    // handed to it, and the file may change afterwards without harm.
    if (!IsWellFormedLibrary(module->bytes)) return false;
    const auto* data = reinterpret_cast<const uchar*>(module->bytes.constData());
    if (!QResource::registerResource(data, kMapRoot)) return false;
    g_library = std::move(module);
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

std::string LibraryPath() {
    return g_library ? g_library->path : std::string();
}

bool LoadLibraryBitmap(QImage& bitmap, const std::string& name) {
    return ReadLibraryPicture(ResourcePath("bmp", name), bitmap);
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
    if (!ReadLibraryPicture(ResourcePath("cur", name), image)) return false;
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
    QResource::unregisterResource(reinterpret_cast<const uchar*>(g_library->bytes.constData()),
                                  kMapRoot);
    g_library.reset();
}

}  // namespace bw
