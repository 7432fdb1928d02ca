// Placeholder until the move engine lands.
#include "core/move_engine.h"

namespace bw {
bool ExecuteMove(int, const std::string&) {
    return false;
}
}  // namespace bw
