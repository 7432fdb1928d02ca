#include "gui_support.h"

#include "core/rules.h"

namespace bw::test {

std::string MemoryGamesCatalogue() {
    const char* names[] = {"Memory-Up (4x3)", "Memory-Up (6x4)", "Memory-Up (8x5)",
                           "Concentration",   "Ace-To-King",     "Forget me not"};
    std::string file = "[Sect1]\r\n";
    for (int i = 0; i < 6; ++i) {
        // family (3), blank, id (3), class "0", screen flag, blank, name
        std::string line = "16  " + std::to_string(200 + i) + "00 " + names[i];
        file += EncodeGamesText(line) + "\r\n";
    }
    file += "[Sect2]\r\n";
    return file;
}

}  // namespace bw::test
