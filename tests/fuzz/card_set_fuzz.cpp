// An own card set ("data\custom card sets\" + name + ".crs", a bitmap of
// one of three sizes): any file either gives all 52 faces at the card size
// or is refused and the library's faces come back.
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "fuzz_support.h"
#include "fuzz_target.h"
#include "render/card_images.h"
#include "support/program_game.h"

BW_FUZZ_TARGET(card_set) {
    using namespace bw;
    fuzz::FreshProgramState();
    fuzz::WriteScratch("DATA/Cfg.dat", "[Preference]\r\nCustomized_Cards_Set=fuzz\r\n");
    fuzz::WriteScratch("data/custom card sets/fuzz.crs",
                       std::string(reinterpret_cast<const char*>(data), size));
    SetParameter(pos::kCardSize, 1, "B");
    SetParameter(pos::kCardDeck, 3, "001");
    SetParameter(257, 1, "Y");  // own card set
    ApplyCardSize(ProgramGame());
    if (GetParameter(257, 1) == "Y")
        for (int i = 0; i < 52; ++i)
            fuzz::Require(CardFaces()[static_cast<size_t>(i)].size() ==
                              QSize(ProgramGame().CardWidth, ProgramGame().CardHeight),
                          "an own card set gives every face at the card size");
    return 0;
}
