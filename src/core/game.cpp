#include "core/game.h"

namespace bw {

namespace detail {
Game programGame;
}  // namespace detail

constinit GrabPoint& GrabOffset = detail::programGame.pointer.GrabOffset;
constinit HeldRect& DragRect = detail::programGame.pointer.DragRect;
constinit int& RunHeight = detail::programGame.pointer.RunHeight;
constinit GrabPoint& PeekCard = detail::programGame.pointer.PeekCard;
constinit int64_t& MouseIdleStamp = detail::programGame.pointer.MouseIdleStamp;
constinit int& DealCounter = detail::programGame.pointer.DealCounter;

}  // namespace bw
