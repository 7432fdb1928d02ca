// DATA\Cfg.dat of any content read at start-up into the parameter block
// and the option table, and the window placement taken from it.
#include "core/game.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "storage/preferences.h"
#include "support/program_game.h"

BW_FUZZ_TARGET(cfg) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::WriteScratch("DATA/Cfg.dat", std::string(reinterpret_cast<const char*>(data), size));
    LoadPreferences(ProgramGame());
    ReadWindowPlacement(1920, 1080);
    return 0;
}
