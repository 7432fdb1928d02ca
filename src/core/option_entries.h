#pragma once
// The entries of the option table (OptionTable::Opt/SetOpt), each under one
// name. An entry that starts a group is the first of it: entry kDestTop + i
// belongs to foundation i.

namespace bw::opt {

// Pile anchors written by the layout; the top getters subtract kScroll.
inline constexpr int kDestLeft = 0;         // 16 foundations
inline constexpr int kDestTop = 17;         // 16 foundations
inline constexpr int kAppoggLeft = 34;      // 10 reserve cells
inline constexpr int kAppoggTop = 45;       // 10 reserve cells
inline constexpr int kStockLeft = 56;       // "Mazzo", "Mazzo_Vis", "Waste"
inline constexpr int kStockTop = 60;        // the same three
inline constexpr int kStockBaseLeft = 123;  // stock-side anchors less the scroll, as drawn
inline constexpr int kStockBaseTop = 127;
inline constexpr int kDestBaseLeft = 135;  // foundation anchors less the scroll, as drawn
inline constexpr int kDestBaseTop = 152;

// Overlap offsets in pixels, set by the card size.
inline constexpr int kUpStepDown = 64;     // face-up card, downwards
inline constexpr int kUpStepRight = 65;    // face-up card, to the right
inline constexpr int kDownStepDown = 66;   // face-down card, downwards
inline constexpr int kDownStepRight = 67;  // face-down card, to the right
inline constexpr int kSideGap = 72;        // between cards laid side by side
inline constexpr int kReserveStep = 75;    // reserve cells of direction 5
inline constexpr int kSpareStep = 76;      // set to 3 with the others; nothing reads it
inline constexpr int kFanUpStep = 83;      // tableau direction 6, face up
inline constexpr int kFanDownStep = 84;    // tableau direction 6, face down
inline constexpr int kColumnGap = 101;     // direction 8
inline constexpr int kRowGap = 102;        // direction 8

// Table and drawing.
inline constexpr int kPreview = 70;      // 1 while the open-game preview is laid out
inline constexpr int kTableDrawn = 88;   // 1 once the dealt table is drawn
inline constexpr int kScroll = 90;       // vertical scroll offset of the table
inline constexpr int kLowestPixel = 93;  // lowest pixel drawn (table coordinates)
inline constexpr int kPileSizeX = 96;    // where the pile-size panel was asked for
inline constexpr int kPileSizeY = 97;
inline constexpr int kJokerCaption = 100;  // the joker caption shown; -1 none yet

// Card size announcements and the loaded suit mode.
inline constexpr int kForcedAnnounced = 74;  // 2: forced by the preferences
inline constexpr int kOnce640 = 82;
inline constexpr int kOnceSmaller = 98;
inline constexpr int kSuitModeLoaded = 122;

// Pointer and held cards.
inline constexpr int kPointerMoved = 78;  // the pointer moved while cards are held
inline constexpr int kPressX = 85;        // the last press (table coordinates)
inline constexpr int kPressY = 86;
inline constexpr int kHeld = 94;     // bottom card of the held run; 0 nothing held
inline constexpr int kHeldTop = 95;  // top card of the held run
inline constexpr int kHoldX = 106;   // the press that started the hold
inline constexpr int kHoldY = 107;

// Play state.
inline constexpr int kCloseAsked = 71;    // 1: the player asked to leave
inline constexpr int kStockPasses = 73;   // 1 after the deal, counts redeals
inline constexpr int kStockPressed = 89;  // the engine draws a pressed stock-side pile
inline constexpr int kFillTableaus = 91;  // "Fill_Tableaus" state
inline constexpr int kMisses = 99;        // failed pairing attempts
inline constexpr int kNoDialogAfterWin = 109;
inline constexpr int kAutoplay = 110;      // 0 off, 3 automatic completion
inline constexpr int kStockChanged = 112;  // a stock operation changed the table
inline constexpr int kMoveMarkA = 113;     // working flags of the move engine
inline constexpr int kMoveMarkB = 114;
inline constexpr int kCountsPlayed = 116;  // -1 at New game, 1 once played
inline constexpr int kRandomNumber = 117;  // the game number was drawn at random
inline constexpr int kRankSums = 118;      // four sums of deal arrangement 18

// Preferences and edition.
inline constexpr int kEdition = 77;  // 1: the full suite
inline constexpr int kHighlightFoundations = 103;
inline constexpr int kRandomGameType = 104;
inline constexpr int kAutoPlayAllGames = 105;
inline constexpr int kFastSearchType = 108;
inline constexpr int kNoStatistics = 115;

}  // namespace bw::opt
