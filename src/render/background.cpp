#include "render/background.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/params.h"
#include "core/ports.h"
#include "core/tr_marker.h"
#include "platform/paths.h"
#include "render/images.h"
#include "render/library.h"
#include "storage/preferences.h"

namespace bw {

namespace {

// Parameter block fields.

bool g_scrollBarShown = false;

// Everything needed to paint one background onto any number of surfaces.
struct Recipe {
    int kind = kBackgroundDefault;
    QColor colour;
    bool fade = false;
    QImage picture;
    bool tiled = true;
};

// Paints the recipe on `img`, whose row 0 is table row `origin`, over the
// table of size `table`.
void Render(QImage& img, int origin, const QSize& table, const Recipe& r) {
    if (img.isNull()) return;
    QPainter p(&img);
    p.translate(0, -origin);
    const QRect all(0, 0, table.width(), table.height());
    switch (r.kind) {
        case kBackgroundDefault: p.fillRect(all, r.colour); break;
        case kBackgroundColour: {
            p.fillRect(all, r.colour);
            if (!r.fade) break;
            const int area = table.height() + (g_scrollBarShown ? 80 : 0);
            for (int j = 0; j < 256; ++j) {
                const int y0 = MulDiv(j, area, 256), y1 = MulDiv(j + 1, area, 256);
                if (y1 <= y0) continue;
                const int i = 255 - j;  // counted from the bottom
                const QColor band(MulDiv(r.colour.red(), i, 256), MulDiv(r.colour.green(), i, 256),
                                  MulDiv(r.colour.blue(), i, 256));
                p.fillRect(QRect(0, y0, table.width(), y1 - y0), band);
            }
            break;
        }
        default:
            if (r.picture.isNull()) break;  // a missing picture paints nothing
            if (r.tiled)
                TileImage(p, table.width(), table.height(), r.picture);
            else
                p.drawImage(0, 0, r.picture);
            break;
    }
}

// The table's size as the background covers it: one pixel beyond the
// table each way; a picture of its own covers itself.
QSize CoveredTableSize() {
    return TableSize() + QSize(1, 1);
}
QSize TableSizeFor(const Canvas& canvas) {
    if (canvas.surface() == CanvasKind::kImage && canvas.image()) return canvas.image()->size();
    return CoveredTableSize();
}

// The picture as an opaque 32-bit one, as painting it on the table gives
// it; null when it has pixels that let the table show through.
QImage OpaqueRgb32(const QImage& picture) {
    if (picture.format() == QImage::Format_RGB32) return picture;
    if (picture.hasAlphaChannel()) {
        const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < argb.height(); ++y) {
            const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if (qAlpha(line[x]) != 255) return QImage();
        }
    }
    QImage out(picture.size(), QImage::Format_RGB32);
    out.fill(Qt::black);
    QPainter(&out).drawImage(0, 0, picture);
    return out;
}

// BackgroundBitmap() keeps the recipe's values rather than its pixels where
// they say it all; else it is painted as any other surface.
void SetBackgroundBitmap(const Recipe& r) {
    if (BackgroundBitmap().isNull()) return;
    const QSize table = CoveredTableSize();
    const bool covers = table.width() >= BackgroundBitmap().width() &&
                        table.height() >= BackgroundBitmap().height();
    switch (r.kind) {
        case kBackgroundDefault:
        case kBackgroundColour: {
            if (!covers || r.colour.alpha() != 255) break;
            std::vector<QRgb> rows(static_cast<size_t>(BackgroundBitmap().height()),
                                   r.colour.rgb());
            if (r.fade) {
                const int area = table.height() + (g_scrollBarShown ? 80 : 0);
                for (int j = 0; j < 256; ++j) {
                    const int y0 = MulDiv(j, area, 256), y1 = MulDiv(j + 1, area, 256);
                    const int i = 255 - j;  // counted from the bottom
                    const QRgb band =
                        qRgb(MulDiv(r.colour.red(), i, 256), MulDiv(r.colour.green(), i, 256),
                             MulDiv(r.colour.blue(), i, 256));
                    for (int y = std::max(y0, 0); y < y1 && y < BackgroundBitmap().height(); ++y)
                        rows[static_cast<size_t>(y)] = band;
                }
            }
            BackgroundBitmap().SetRows(std::move(rows));
            return;
        }
        default: {
            if (r.picture.isNull()) return;  // a missing picture paints nothing
            const QImage opaque = OpaqueRgb32(r.picture);
            if (opaque.isNull() || (r.tiled && !covers)) break;
            if (r.tiled)
                BackgroundBitmap().SetTiles(opaque);
            else
                BackgroundBitmap().SetPlaced(opaque);
            return;
        }
    }
    Render(BackgroundBitmap().Image(), 0, table, r);
}

void PaintRecipe(const Canvas& canvas, const Recipe& r, bool canvasOnly) {
    const bool withBackground = !canvasOnly && canvas.surface() != CanvasKind::kBackground;
    if (withBackground) SetBackgroundBitmap(r);
    if (QImage* img = canvas.image()) {
        if (withBackground && canvas.IsTable() && img->size() == BackgroundBitmap().size()) {
            // The table picture is the same painting: copied, not painted again.
            Blit(*img, 0, 0, BackgroundBitmap(), BackgroundBitmap().rect());
        } else {
            const int origin = canvas.IsWindow() ? canvas.Scroll() : 0;
            Render(*img, origin, TableSizeFor(canvas), r);
        }
        canvas.Touched(QRect(0, 0, img->width(), img->height()));
    }
    if (canvas.IsTable()) DiscardTableChanges();
}

void PaintBackgroundFor(const Canvas& canvas, bool canvasOnly);

// The own picture is gone or unusable: say so, forget it in force and in
// the player's choices, and paint the default background instead.
void DropOwnPicture(const Canvas& canvas, bool canvasOnly, const std::string& message) {
    Dialogs().Info(message);
    SetParameter(field::kOwnBackground, "N");
    SetParameter(field::kDefaultBackground, "Y");
    ChangeChoices(
        [](Preferences& p) {
            p.ownBackgroundPath.clear();
            p.defaultBackground = true;
        },
        {ChoiceKey::kOwnBackground, ChoiceKey::kDefaultBackground});
    PaintBackgroundFor(canvas, canvasOnly);
}

void PaintAs(const Canvas& canvas, int kind, int64_t colour, const std::string& fileName,
             bool canvasOnly, int64_t fixedColour) {
    Recipe r;
    r.kind = kind;
    switch (kind) {
        case kBackgroundDefault:
            r.colour = MoreThan256Colors(Screen()) ? QColor(0, 96, 0) : QColor(0, 128, 0);
            break;
        case kBackgroundColour:
            r.colour = ColourOfValue(fixedColour > 0 ? fixedColour : colour);
            r.fade = ParameterIs(field::kFadeBackground, "Y") && MoreThan256Colors(Screen());
            break;
        case kBackgroundOwnImage: {
            const std::string name = fileName.empty() ? KeptChoices().ownBackgroundPath : fileName;
            const std::string path = BitmapFilePath(name);
            if (name.empty() || !platform::FileExists(path)) {
                DropOwnPicture(
                    canvas, canvasOnly,
                    BW_TR_NOOP("Messages", "Customized background image not found: ") + path);
                return;
            }
            if (LoadImageFile(path, r.picture) != ImageFileStatus::kOk) {
                DropOwnPicture(
                    canvas, canvasOnly,
                    BW_TR_NOOP("Messages",
                               "The format of the Customized background image is not valid.\r") +
                        path);
                return;
            }
            r.picture = r.picture.convertToFormat(QImage::Format_RGB32);
            break;
        }
        default:
            r.picture = LibraryBitmap("B" + FormatNumber(kind, 3));
            r.tiled = kind <= 499;
            break;
    }
    PaintRecipe(canvas, r, canvasOnly);
}

void PaintBackgroundFor(const Canvas& canvas, bool canvasOnly) {
    if (GetParameter(field::kBackgroundPicture).empty())
        SetParameter(field::kBackgroundPicture, "0");
    if (GetParameter(field::kBackgroundColour).empty())
        SetParameter(field::kBackgroundColour, std::to_string(kButtonFaceColourValue));
    if (GetParameter(field::kFixedColour).empty()) SetParameter(field::kFixedColour, "32768");

    const int64_t colour = ParameterInt(field::kBackgroundColour, 0);
    const int64_t fixed = ParameterInt(field::kFixedColour, 0);
    if (ParameterIs(field::kDefaultBackground, "Y")) {
        PaintAs(canvas, kBackgroundDefault, colour, "", canvasOnly, fixed);
    } else if (ParameterIs(field::kOwnBackground, "Y")) {
        PaintAs(canvas, kBackgroundOwnImage, colour, "", canvasOnly, fixed);
    } else if (const int n = static_cast<int>(ParameterInt(field::kBackgroundPicture, 0)); n != 0) {
        PaintAs(canvas, n, colour, "", canvasOnly, fixed);
    } else {
        PaintAs(canvas, kBackgroundColour, colour, "", canvasOnly, fixed);
    }
}

}  // namespace

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const long long num = static_cast<long long>(a) * b;
    const long long half = std::llabs(static_cast<long long>(c)) / 2;
    const bool negative = (num < 0) != (c < 0);
    const long long q = (std::llabs(num) + half) / std::llabs(static_cast<long long>(c));
    return static_cast<int>(negative ? -q : q);
}

void SetVerticalScrollBarShown(bool shown) {
    g_scrollBarShown = shown;
}
bool VerticalScrollBarShown() {
    return g_scrollBarShown;
}

QColor ColourOfValue(int64_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    if ((v & 0x80000000u) == 0)
        return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                      static_cast<int>((v >> 16) & 0xFF));
    // System colours by their index in the low byte.
    struct Entry {
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
        QRgb fallback;
    };
    static const Entry kSystem[] = {
        {QPalette::Active, QPalette::Mid, 0xC8C8C8},                // 0 scroll bar
        {QPalette::Active, QPalette::Dark, 0x3A6EA5},               // 1 desktop
        {QPalette::Active, QPalette::Highlight, 0x0A246A},          // 2 active caption
        {QPalette::Inactive, QPalette::Highlight, 0x808080},        // 3 inactive caption
        {QPalette::Active, QPalette::Window, 0xD4D0C8},             // 4 menu
        {QPalette::Active, QPalette::Base, 0xFFFFFF},               // 5 window
        {QPalette::Active, QPalette::Shadow, 0x000000},             // 6 window frame
        {QPalette::Active, QPalette::WindowText, 0x000000},         // 7 menu text
        {QPalette::Active, QPalette::Text, 0x000000},               // 8 window text
        {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},    // 9 caption text
        {QPalette::Active, QPalette::Button, 0xD4D0C8},             // 10 active border
        {QPalette::Inactive, QPalette::Button, 0xD4D0C8},           // 11 inactive border
        {QPalette::Active, QPalette::Dark, 0x808080},               // 12 application workspace
        {QPalette::Active, QPalette::Highlight, 0x0A246A},          // 13 highlight
        {QPalette::Active, QPalette::HighlightedText, 0xFFFFFF},    // 14 highlighted text
        {QPalette::Active, QPalette::Button, 0xD4D0C8},             // 15 button face
        {QPalette::Active, QPalette::Dark, 0x808080},               // 16 button shadow
        {QPalette::Disabled, QPalette::Text, 0x808080},             // 17 grey text
        {QPalette::Active, QPalette::ButtonText, 0x000000},         // 18 button text
        {QPalette::Inactive, QPalette::HighlightedText, 0xD4D0C8},  // 19 inactive caption text
        {QPalette::Active, QPalette::Light, 0xFFFFFF},              // 20 button highlight
        {QPalette::Active, QPalette::Shadow, 0x404040},             // 21 dark 3D shadow
        {QPalette::Active, QPalette::Midlight, 0xD4D0C8},           // 22 3D light
        {QPalette::Active, QPalette::ToolTipText, 0x000000},        // 23 tool-tip text
        {QPalette::Active, QPalette::ToolTipBase, 0xFFFFE1},        // 24 tool-tip background
    };
    const uint32_t index = v & 0xFF;
    if (index >= std::size(kSystem)) return QColor(0, 0, 0);
    const Entry& e = kSystem[index];
    if (qGuiApp) return QGuiApplication::palette().color(e.group, e.role);
    return QColor(e.fallback);
}

void PaintBackground(const Canvas& canvas) {
    PaintBackgroundFor(canvas, false);
}

void PaintBackgroundAs(const Canvas& canvas, int kind, int64_t colour, const std::string& fileName,
                       bool canvasOnly, int64_t fixedColour) {
    PaintAs(canvas, kind, colour, fileName, canvasOnly, fixedColour);
}

}  // namespace bw
