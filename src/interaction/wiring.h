#pragma once

namespace bw {

// Installs the press handler's hooks (drag, shortcuts, selection games) and
// connects the memory play to the core's game flow: the end of the memorise
// phase of "Forget me not" and the answer-row check after each move. The
// program calls it once at start-up.
void InstallInteractionHooks();

}  // namespace bw
