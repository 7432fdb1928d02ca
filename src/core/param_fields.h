#pragma once
// The fields of the parameter block, each under one name with its position
// and width. Every reader and writer of the block goes through these.

namespace bw {

struct ParamField {
    int position;
    int width;
};

namespace field {
// Files and the current game. The game's values (id, player, score, number,
// name, game file, undo mode and the marks) are the game's own (GameValues in
// core/game.h); their fields here give the width they are cut to and keep
// their place in the layout, and the block no longer holds them.
inline constexpr ParamField kSettingsFile{1, 20};  // "DATA\Cfg.dat"
inline constexpr ParamField kGameId{62, 4};
inline constexpr ParamField kPlayer{77, 30};
inline constexpr ParamField kScoring{120, 2};  // "01": the standard scoring
inline constexpr ParamField kScore{122, 6};
inline constexpr ParamField kGameNumber{153, 15};
inline constexpr ParamField kGameName{189, 50};
inline constexpr ParamField kProgramDir{501, 200};
inline constexpr ParamField kGameFile{701, 200};  // a per-game file that game end deletes

// Cards.
inline constexpr ParamField kBackCard{21, 3};
inline constexpr ParamField kCardDeck{24, 3};
inline constexpr ParamField kCardSize{128, 1};
inline constexpr ParamField kSavedDeck{129, 3};  // kept while a smaller size is forced
inline constexpr ParamField kSavedSize{240, 1};
inline constexpr ParamField kOwnBack{256, 1};     // "Y": the player's own card back
inline constexpr ParamField kOwnCardSet{257, 1};  // "Y": the player's own card faces
inline constexpr ParamField kCardsAnimate{67, 1};
inline constexpr ParamField kCardsShadowed{178, 1};
inline constexpr ParamField kMoveSpeed{74, 2};  // milliseconds per animation step
inline constexpr ParamField kCursor{172, 2};    // pointer shape of the card table

// Background.
inline constexpr ParamField kDefaultBackground{27, 1};
inline constexpr ParamField kBackgroundColour{28, 15};  // may name a system colour
inline constexpr ParamField kBackgroundPicture{43, 4};  // library picture, 0: a colour
inline constexpr ParamField kFixedColour{47, 15};
inline constexpr ParamField kFadeBackground{135, 1};
inline constexpr ParamField kOwnBackground{246, 1};  // "Y": the player's own picture
inline constexpr ParamField kRandomBackground{152, 1};
inline constexpr ParamField kRandomCard{187, 1};
inline constexpr ParamField kRandomDeck{188, 1};

// Window and play.
inline constexpr ParamField kLanguage{68, 6};
inline constexpr ParamField kShowTime{66, 1};
inline constexpr ParamField kShowScore{136, 1};
inline constexpr ParamField kStatusBar{76, 1};
inline constexpr ParamField kShowToolTips{244, 1};
inline constexpr ParamField kVertScrollBar{243, 1};
inline constexpr ParamField kShowPilesSize{245, 1};
inline constexpr ParamField kMainPopupMenu{253, 1};
inline constexpr ParamField kPilesTT{179, 1};  // tableau piles drawn with their label
inline constexpr ParamField kUndoMode{137, 1};
inline constexpr ParamField kConfirmQuitGame{185, 1};
inline constexpr ParamField kConfirmHiScores{186, 1};
inline constexpr ParamField kAutomaticFaceUp{239, 1};
inline constexpr ParamField kDealAnimation{241, 1};
inline constexpr ParamField kRedealAnimation{242, 1};
inline constexpr ParamField kShowPartialCard{255, 1};
inline constexpr ParamField kRightToFoundations{247, 1};
inline constexpr ParamField kRightToTableaus{248, 1};
inline constexpr ParamField kDoubleToFoundations{249, 1};
inline constexpr ParamField kDoubleToTableaus{251, 1};
// The memory games' look times (core/look_time.h): milliseconds a wrong pair
// stays up, seconds of the "Forget me not" memorise phase.
inline constexpr ParamField kWrongPairMs{300, 4};
inline constexpr ParamField kStudySeconds{304, 2};

// Sounds: the master switch and one switch per event.
inline constexpr ParamField kSoundsEnabled{141, 1};
inline constexpr ParamField kSoundsAbout{142, 1};
inline constexpr ParamField kSoundsAutoplay{143, 1};
inline constexpr ParamField kSoundsGameWon{144, 1};
inline constexpr ParamField kSoundsNewGame{145, 1};
inline constexpr ParamField kSoundsRedo{146, 1};
inline constexpr ParamField kSoundsRestart{147, 1};
inline constexpr ParamField kSoundsSplash{148, 1};
inline constexpr ParamField kSoundsShuffle{149, 1};
inline constexpr ParamField kSoundsUndo{151, 1};
inline constexpr ParamField kSoundsHiScores{171, 1};
inline constexpr ParamField kSoundsNewHiScores{174, 1};
inline constexpr ParamField kSoundsPairing{175, 1};
inline constexpr ParamField kSoundsStock{176, 1};
inline constexpr ParamField kSoundsTableau{177, 1};
inline constexpr ParamField kSoundsFaceUp{180, 1};
inline constexpr ParamField kSoundsCardDown{181, 1};
inline constexpr ParamField kSoundsCardUp{182, 1};
inline constexpr ParamField kSoundsRedeal{183, 1};
inline constexpr ParamField kSoundsFoundation{184, 1};
inline constexpr ParamField kSoundsQuietRedeal{252, 1};  // a redeal without animation

// Set at start-up or by a new game; only the resume file reads A and B back.
inline constexpr ParamField kStartMarkA{112, 4};
inline constexpr ParamField kStartMarkB{116, 4};
inline constexpr ParamField kNewGameMarkA{138, 1};
inline constexpr ParamField kNewGameMarkB{139, 1};
inline constexpr ParamField kNewGameMarkC{168, 1};
inline constexpr ParamField kStartMarkC{169, 2};
inline constexpr ParamField kStartMarkD{254, 1};
}  // namespace field

// The positions alone, for code that names the width itself.
namespace pos {
constexpr int kSettingsFile = field::kSettingsFile.position;
constexpr int kBackCard = field::kBackCard.position;
constexpr int kCardDeck = field::kCardDeck.position;
constexpr int kCardSize = field::kCardSize.position;
constexpr int kProgramDir = field::kProgramDir.position;
}  // namespace pos

}  // namespace bw
