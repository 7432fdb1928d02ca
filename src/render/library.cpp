#include "render/library.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QResource>
#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "core/params.h"
#include "core/tr_marker.h"
#include "platform/line_reader.h"
#include "platform/paths.h"
#include "platform/qt/sound_player.h"
#include "render/raw_picture.h"

namespace bw {

struct LibraryModule {
    std::string path;
    // The whole file, checked, as Qt reads the resources from it. A copy in
    // memory rather than a mapping of the file: a mapped page is read back
    // from the file whenever wanted, and a file truncated or rewritten in
    // place under the running program (a copy or an install into its
    // folder) would then kill it (SIGBUS) or feed Qt an unchecked index.
    std::string bytes;
    const uchar* data() const { return reinterpret_cast<const uchar*>(bytes.data()); }
};

namespace {

// Where the library's tree is mapped in Qt's resource system; the program's
// own resources, if any, never collide with it.
const char* const kMapRoot = "/qlr";

std::unique_ptr<LibraryModule> g_library;
// The shipped library holds some 3 MB; far beyond that it is no library.
constexpr size_t kMaxLibraryBytes = 256u << 20;
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

// A PNG chunk that claims more bytes than the picture holds would have the
// decoder allocate that much before it notices: such a picture is damaged.
bool PngChunksFit(const QByteArray& png) {
    const auto* d = reinterpret_cast<const uchar*>(png.constData());
    const uint64_t size = static_cast<uint64_t>(png.size());
    uint64_t at = 8;
    while (at + 8 <= size) {
        const uint64_t length = (uint64_t{d[at]} << 24) | (uint64_t{d[at + 1]} << 16) |
                                (uint64_t{d[at + 2]} << 8) | uint64_t{d[at + 3]};
        if (length > size - at - 8) return false;
        if (std::memcmp(d + at + 4, "IEND", 4) == 0) return true;
        at += 12 + length;
    }
    return false;
}

// The library's pictures are raw pixels or, the pointers among them, PNG
// files: naming the format spares probing every image plugin (and loading
// them all) for each picture. A picture of another kind is still read.
bool Decode(const QString& path, QImage& image) {
    // Unpacked straight from the mapping, not through a file's reads.
    const QResource entry(path);
    if (!entry.isValid()) return false;
    QByteArray bytes = entry.uncompressedData();
    if (IsRawPicture(bytes)) return DecodeRawPicture(std::move(bytes), image);
    if (bytes.startsWith("\x89PNG\r\n\x1a\n"))
        return PngChunksFit(bytes) && image.loadFromData(bytes, "PNG");
    return image.loadFromData(bytes);
}

// Qt follows a resource file's index without checking it: an offset that
// points outside the file is read anyway. Before the library is handed over,
// every folder, name and data block its index reaches must lie inside it.
class ResourceCheck {
public:
    ResourceCheck(const unsigned char* bytes, uint64_t size) : p_(bytes), size_(size) {}

    bool Sound() {
        if (size_ < 20 || std::memcmp(p_, "qres", 4) != 0) return false;
        const uint32_t version = U32(4);
        if (version < 1 || version > 3 || (version == 3 && size_ < 24)) return false;
        tree_ = U32(8);
        data_ = U32(12);
        names_ = U32(16);
        node_ = version >= 2 ? 22 : 14;
        if (tree_ >= size_ || data_ >= size_ || names_ >= size_) return false;
        nodes_ = (size_ - tree_) / node_;
        if (nodes_ == 0) return false;
        seen_.assign(nodes_, false);
        // Every node is reached once, from the root folder down.
        std::vector<uint64_t> todo{0};
        seen_[0] = true;
        if (!IsFolder(0)) return false;
        while (!todo.empty()) {
            const uint64_t n = todo.back();
            todo.pop_back();
            if (!NameOk(U32(At(n)))) return false;
            if (IsFolder(n)) {
                const uint64_t count = U32(At(n) + 6), first = U32(At(n) + 10);
                if (first > nodes_ || count > nodes_ - first) return false;
                for (uint64_t c = first; c < first + count; ++c) {
                    if (seen_[c]) return false;
                    seen_[c] = true;
                    todo.push_back(c);
                }
            } else if (!DataOk(n)) {
                return false;
            }
        }
        return true;
    }

private:
    uint32_t U32(uint64_t at) const {
        return at + 4 > size_ ? 0
                              : (uint32_t{p_[at]} << 24) | (uint32_t{p_[at + 1]} << 16) |
                                    (uint32_t{p_[at + 2]} << 8) | uint32_t{p_[at + 3]};
    }
    uint16_t U16(uint64_t at) const {
        return at + 2 > size_ ? 0 : static_cast<uint16_t>((p_[at] << 8) | p_[at + 1]);
    }
    uint64_t At(uint64_t n) const { return tree_ + n * node_; }
    bool IsFolder(uint64_t n) const { return U16(At(n) + 4) & 0x02; }
    bool NameOk(uint64_t offset) const {
        const uint64_t at = names_ + offset;
        return at + 6 <= size_ && at + 6 + 2 * uint64_t{U16(at)} <= size_;
    }
    bool DataOk(uint64_t n) const {
        const uint64_t at = data_ + U32(At(n) + 10);
        if (at + 4 > size_ || at + 4 + U32(at) > size_) return false;
        // A compressed block states its unpacked size: no picture or sound
        // of the library comes near 64 MB.
        const uint16_t flags = U16(At(n) + 4);
        if (flags & 0x01) return U32(at) >= 4 && U32(at + 4) <= kMaxEntry;
        return !(flags & 0x04) || ZstdContentFits(at + 4, U32(at));
    }
    // Qt allocates what a zstd frame header declares before it unpacks.
    bool ZstdContentFits(uint64_t at, uint64_t length) const {
        if (length < 5 || U32(at) != 0x28B52FFDu) return false;
        const unsigned char descriptor = p_[at + 4];
        const int sizeCode = descriptor >> 6;
        const bool single = descriptor & 0x20;
        static const int kDictBytes[4] = {0, 1, 2, 4};
        const uint64_t field = at + 5 + (single ? 0 : 1) + kDictBytes[descriptor & 3];
        const int fieldBytes = sizeCode == 0 ? (single ? 1 : 0) : (1 << sizeCode);
        if (fieldBytes == 0 || field + fieldBytes > at + length)
            return false;  // no size: Qt refuses it too
        uint64_t content = 0;
        for (int i = fieldBytes - 1; i >= 0; --i) content = (content << 8) | p_[field + i];
        if (fieldBytes == 2) content += 256;
        return content <= kMaxEntry;
    }
    static constexpr uint32_t kMaxEntry = 64u << 20;

    const unsigned char* p_;
    uint64_t size_;
    uint64_t tree_ = 0, data_ = 0, names_ = 0, node_ = 0, nodes_ = 0;
    std::vector<bool> seen_;
};

}  // namespace

bool LoadResourceLibraryFile(const std::string& path) {
    if (g_library) return true;
    auto library = std::make_unique<LibraryModule>();
    library->path = path;
    // A link is followed (packagers make them); a pipe or device is not opened.
    if (platform::ReadRegularFile(path, library->bytes, kMaxLibraryBytes,
                                  platform::Links::kFollow) != 0 ||
        library->bytes.empty())
        return false;
    // Qt reads the copy only after the check has walked it.
    if (!ResourceCheck(library->data(), library->bytes.size()).Sound() ||
        !QResource::registerResource(library->data(), kMapRoot))
        return false;
    g_library = std::move(library);
    ++g_generation;
    return true;
}

bool LoadResourceLibrary() {
    return LoadResourceLibraryFile(ProgramFile("QLR.RGF"));
}

bool OpenResourceLibraryOrReport() {
    if (LoadResourceLibrary()) return true;
    // The path as it is: on a case-sensitive disk a lower-cased one names
    // a folder that may not exist.
    Dialogs().Error(BW_TR_NOOP("Titles", "Error"),
                    BW_TR_NOOP("Messages", "Can't find/load ") + ProgramFile("QLR.RGF"));
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
    if (path.isEmpty() || !QFile::exists(path) || !Decode(path, image) || image.isNull())
        return false;
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
    QResource::unregisterResource(g_library->data(), kMapRoot);
    g_library.reset();
}

}  // namespace bw
