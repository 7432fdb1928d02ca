#include "core/game.h"

namespace bw {

namespace detail {
Game programGame;
}  // namespace detail

}  // namespace bw
