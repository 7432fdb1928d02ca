#pragma once
// The open-game dialog's preview picture: a game's own table, laid out and
// drawn by the same code as the main table at the size of the picture area,
// over a gradient background.
#include <QImage>
#include <QSize>
#include <functional>
#include <memory>
#include <string>

#include "core/game.h"

namespace bw {

inline constexpr int kPreviewWidth = 300;
inline constexpr int kPreviewHeight = 185;
// The card size of the preview table.
inline constexpr char kPreviewCardSize = 'L';

// The background of the picture area: 256 horizontal bands from black at
// the bottom to green (0, 128, 0) at the top; plain green on a display of
// 256 colours or fewer.
QImage PreviewBackground(QSize size, bool manyColours);

// The table of game `gameId` as dealt, drawn with small cards at `size`,
// transparent where the table is bare; a null image when the game is not in
// the catalogue. A table that would not fit is drawn larger and scaled down.
// The preview deals a game of its own: the running game is not touched, and
// its parameters, card images and table pictures are left as they were.
// At a device pixel ratio other than 1 the picture is at device pixels
// (DeviceRect of `size`), its cards from their detailed pictures.
QImage RenderGamePreview(int gameId, QSize size, qreal ratio = 1);

// Deal `dealNumber` of game `gameId` as the preview lays it out at `size`,
// then `arrange` changes the piles and faces of that preview game (and may
// ask it for card places), and the table is drawn on `colour`. A null image
// when the game is not in the catalogue or `arrange` says false.
QImage RenderPreviewDeal(int gameId, const std::string& dealNumber, QSize size, QRgb colour,
                         const std::function<bool(Game&)>& arrange);

// The background with `picture` drawn over it: centred across, at the top,
// its top-left pixel transparent and every pixel like it. A null picture
// leaves the background alone.
QImage ComposePreview(const QImage& background, const QImage& picture);

// A game of its own for game `gameId`: its rules loaded, its piles laid out
// for small cards in a picture of `size` (option 70 set) and always the same
// deal dealt. While it lives the ports are silenced and the parameter block
// holds the preview's card choices; both come back on destruction.
class PreviewState {
public:
    // `dealNumber` (13 digits) deals that deal instead of the fixed one.
    PreviewState(int gameId, QSize size, const std::string& dealNumber = std::string());
    ~PreviewState();
    PreviewState(const PreviewState&) = delete;
    PreviewState& operator=(const PreviewState&) = delete;
    // False when the game has no rules (not in the catalogue, no cards).
    bool ok() const { return ok_; }
    // The preview's game.
    Game& game() { return game_; }

private:
    struct Saved;
    std::unique_ptr<Saved> saved_;
    Game game_;
    bool ok_ = false;
};

}  // namespace bw
