// An own card back ("data\custom decks\" + name + ".bmp"): any file is
// either shown stretched to the card or refused with the format message.
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "render/card_images.h"
#include "storage/preferences.h"
#include "support/program_game.h"

BW_FUZZ_TARGET(card_back) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::WriteScratch("DATA/Cfg.dat", "[Preference]\r\nCustomized_Deck=fuzz\r\n");
    fuzz::WriteScratch("data/custom decks/fuzz.bmp",
                       std::string(reinterpret_cast<const char*>(data), size));
    SetParameter(pos::kCardSize, 1, "B");
    SetParameter(256, 1, "Y");  // own back
    LoadCardBack();
    if (GetParameter(256, 1) == "Y")
        fuzz::Require(CardBack().size() == QSize(ProgramGame().CardWidth, ProgramGame().CardHeight),
                      "an own back fills the card");
    return 0;
}
