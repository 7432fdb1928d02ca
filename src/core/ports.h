#pragma once
// The seams through which the game core reaches the outside world: message
// boxes, sounds, waits, drawing and the main window. The application installs
// Qt implementations; tests install recording fakes. Every method has a
// do-nothing default so a fake overrides only what its test observes.
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "core/turn_record.h"

namespace bw {

struct Game;

class IDialogs {
public:
    virtual ~IDialogs() = default;
    // An information box with one OK button.
    virtual void Info(const std::string& /*text*/) {}
    // A confirmation with OK and Cancel; true for OK.
    virtual bool Confirm(const std::string& /*text*/) { return true; }
    // The same as a warning box.
    virtual bool ConfirmWarning(const std::string& text) { return Confirm(text); }
    // An error box with a title (fatal start-up failures).
    virtual void Error(const std::string& /*title*/, const std::string& /*text*/) {}
    // The information dialog with "&Don't show this message box again" on
    // the given picture page; true when the box was ticked.
    virtual bool Advice(const std::string& /*text*/, int /*page*/) { return false; }
    // The default beep (a refused action).
    virtual void Beep() {}
    // Hourglass pointer on (nested) and off.
    virtual void PushBusyCursor() {}
    virtual void PopBusyCursor() {}
    // The desktop's default handler opens a web or "mailto:" address;
    // true when the desktop reports success.
    virtual bool OpenUrl(const std::string& /*address*/) { return false; }
};

class ISound {
public:
    virtual ~ISound() = default;
    // Plays a library sound asynchronously; a missing name stops the sound.
    virtual void Play(const std::string& /*name*/, bool /*loop*/) {}
    virtual void Stop() {}
};

class IWaits {
public:
    virtual ~IWaits() = default;
    // Busy wait without handling input.
    virtual void Wait(int /*ms*/) {}
    // Wait while the window keeps repainting.
    virtual void WaitResponsive(int /*ms*/) {}
    // The pause before autoplay: the window keeps repainting, and a key or
    // mouse press of the player ends it at once; that press is carried out
    // once the caller has done its work, never dropped.
    virtual void WaitForPlayer(int ms) { Wait(ms); }
};

// Where a drawing call paints: the window, the table picture (the back
// buffer that every repaint of the window copies from), or both.
enum Surface : int { kOnScreen = 1, kOnTable = 2, kOnBoth = 3 };

// The table is drawn through five roles, each a port of its own; the Qt
// table plays all of them (ITable). Rectangles are left, top, right, bottom
// in window coordinates, right and bottom exclusive (a card is left ..
// left + CardWidth).

// The whole table (background picture, table picture, window).
class ITableView {
public:
    virtual ~ITableView() = default;
    // The empty table painted into the back buffer and shown.
    virtual void PaintEmptyTable() {}
    // With animateDeal the table is drawn card by card straight on the window
    // while the application swallows key presses and left and right mouse
    // presses until the drawing ends; otherwise the back buffer is drawn and
    // copied to the window at once.
    virtual void RepaintTable(bool /*animateDeal*/) {}
    // The table picture rebuilt from the background picture with every pile
    // as it is now, then shown once: nothing of the cards drawn before stays.
    virtual void RedrawTable() {}
    virtual void ShowTable() {}
};

// The piles as the moves change them.
class IPileDrawing {
public:
    virtual ~IPileDrawing() = default;
    virtual void RedrawPileTop(const std::string& /*name*/) {}
    virtual void RedrawPile(const std::string& /*name*/) {}
    virtual void ErasePileTail(const std::string& /*oldPile*/, const std::string& /*newPile*/,
                               const std::string& /*name*/) {}
    virtual void HighlightFoundations(int /*index*/) {}
    // The caption over the foundation that holds a joker.
    virtual void UpdateJokerCaption() {}
    // Draws the joker caption over foundation `foundation` (0-based) and
    // erases the captions of the others; -1 erases them all. `suitImage` is
    // the suit symbol's picture name, empty for none.
    virtual void DrawJokerCaption(int /*foundation*/, const std::string& /*text*/,
                                  const std::string& /*suitImage*/) {}
    // One pile drawn from the live pile lists on the given surfaces (its
    // place is cleared to the background first).
    virtual void DrawPile(const std::string& /*name*/, int /*surfaces*/) {}
    // Every pile drawn again on the given surfaces.
    virtual void DrawAllPiles(int /*surfaces*/) {}
};

// Single cards, frames and patches of table at window positions.
class ICardDrawing {
public:
    virtual ~ICardDrawing() = default;
    // One card (face by its code, or the back) at a window position.
    virtual void DrawCardFace(int /*code*/, int /*left*/, int /*top*/, int /*surfaces*/) {}
    virtual void DrawCardBack(int /*left*/, int /*top*/, int /*surfaces*/) {}
    // The rounded corners of the card rectangle at (left, top) put back from
    // the plain table background.
    virtual void RestoreCardCorners(int /*left*/, int /*top*/, int /*surfaces*/) {}
    // The frame that marks a selected card at (left, top).
    virtual void DrawSelectionFrame(int /*left*/, int /*top*/, int /*surfaces*/) {}
    // The verdict on a revealed answer card at (left, top): right or wrong.
    virtual void DrawAnswerMark(int /*left*/, int /*top*/, bool /*right*/, int /*surfaces*/) {}
    // Takes the selection frame off the card `code` at (left, top) again,
    // leaving the card and whatever lies on it as they are.
    virtual void EraseSelectionFrame(int /*code*/, int /*left*/, int /*top*/, int /*surfaces*/) {}
    // Copies a rectangle of the table picture onto the window.
    virtual void RestoreRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
    // A rectangle painted with the plain table background.
    virtual void EraseRect(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/,
                           int /*surfaces*/) {}
};

// Cards in motion.
class ICardAnimations {
public:
    virtual ~ICardAnimations() = default;
    // One card flies from (left, top) to the top of pile `target`; a negative
    // position means from where the card lies now.
    virtual void FlyCard(int /*card*/, int /*left*/, int /*top*/, const std::string& /*target*/) {}
    // A card flying from one window position to another (the table picture
    // is left as it is).
    virtual void FlyCard(int /*code*/, int /*fromLeft*/, int /*fromTop*/, int /*toLeft*/,
                         int /*toTop*/) {}
    // The top card of a pile, just turned face up, is shown turning.
    virtual void AnimateTurnUp(const std::string& /*pile*/) {}
    // The turning animation of a card that turns face up where it lies.
    virtual void AnimateFaceUp(int /*code*/, int /*left*/, int /*top*/) {}
    // The turned cards go back into the stock (`cards` of them), drawn while
    // the looping redeal sound plays.
    virtual void AnimateRedeal(int /*cards*/) {}
};

// What answers the pointer and the keys: the held cards of a drag, the
// pressed stock, the pointer's shape and the keyboard's focus frame.
class IPointerFeedback {
public:
    virtual ~IPointerFeedback() = default;
    // Builds the image that follows the pointer: the face of `code`, or, when
    // runHeight exceeds the card height, the faces of the run from `code` to
    // the top of its pile (each option 64 below the one under it), with the
    // card corners from the plain background. Built once per pick-up.
    virtual void BuildHeldImage(int /*code*/, int /*runHeight*/) {}
    // Draws the held image on the window at (left, top), with its shadow
    // (CardShadowOffset to the right and below) when cards are shadowed.
    virtual void DrawHeldImageAt(int /*left*/, int /*top*/) {}
    // The held image glides on the window from one place to another, the
    // table picture shown again behind it; it stays drawn at the end.
    virtual void GlideHeldImage(int /*fromLeft*/, int /*fromTop*/, int /*toLeft*/, int /*toTop*/,
                                bool /*shadow*/) {}
    // A stock-side pile ("Mazzo", "Mazzo_Vis") drawn pressed, or as it is.
    virtual void DrawStockPressed(const std::string& /*name*/, bool /*pressed*/) {}
    // The pointer shape over the table: 0 the default arrow, otherwise a
    // loaded cursor slot (10..15, 20..25, 30).
    virtual void SetTableCursor(int /*slot*/) {}
    // The keyboard's focus frame around the card rectangle, drawn over the
    // window only (the table pictures never hold it); Hide takes it away.
    virtual void ShowFocusFrame(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) {}
    virtual void HideFocusFrame() {}
};

// Everything the table plays, for whatever implements all the roles.
class ITable : public ITableView,
               public IPileDrawing,
               public ICardDrawing,
               public ICardAnimations,
               public IPointerFeedback {};

// The main window as the core sees it, in six roles, each a port of its
// own; the main window plays all of them (IWindow).

// What the engine tells the window about the game in play. The engine keeps
// each of these itself (core/game_status.h) and never reads one back.
class IGameObserver {
public:
    virtual ~IGameObserver() = default;
    virtual void ShowScore(const std::string& /*text*/) {}
    // The elapsed time, formatted for the time label.
    virtual void ShowTime(const std::string& /*text*/) {}
    // The game commands (New, Autoplay, Rules) usable or not.
    virtual void EnableGameCommands(bool /*on*/) {}
    // The autoplay switch: the command's check mark and tool buttons.
    virtual void ShowAutoplay(bool /*on*/) {}
    // Undo and Redo allowed at all (menu items and tool buttons); a call
    // that changes nothing should not repaint.
    virtual void SetUndoRedoEnabled(bool /*enabled*/) {}
    // The undo or redo history changed, or a game began or ended: each of
    // the two commands is greyed while it has nothing to restore.
    virtual void HistoryChanged() {}
};

// The caption, the status line and the locale's time format.
class IStatusDisplay {
public:
    virtual ~IStatusDisplay() = default;
    // The locale's separator of the time label ("h:nn:ss").
    virtual std::string TimeSeparator() { return ":"; }
    virtual void SetCaption(const std::string& /*caption*/) {}
    // A line in the status bar, shown for it even while the bar is switched
    // off; the empty text takes it away again.
    virtual void ShowStatusText(const std::string& /*text*/) {}
    virtual void HidePileSizePanel() {}
};

// The state of the menu commands and their tool buttons.
class ICommandStates {
public:
    virtual ~ICommandStates() = default;
    // The game-dependent menu items: "Show a legal &move" and "&Demo";
    // "&Save...", its tool button, "Insert &bookmark" and "&Hold and exit...".
    virtual void EnableGameMenus(bool /*legalMoveAndDemo*/, bool /*saveAndBookmarks*/) {}
    // The captions of the undo and redo commands.
    virtual void UpdateUndoCaptions() {}
    // "P&ause" and "&Quit game" on; "Insert &bookmark" as given.
    virtual void EnablePlayCommands(bool /*insertBookmark*/) {}
    // "P&ause", "&Quit game", "Insert &bookmark" and "Go &to bookmark" off.
    virtual void DisablePlayCommands() {}
};

// The tool bar's look and the panels and bars shown, as the settings say.
class IWindowBars {
public:
    virtual ~IWindowBars() = default;
    virtual void ApplyToolBarSize(bool /*large*/) {}
    virtual void ApplyToolBarFlat(bool /*flat*/) {}
    virtual void ShowTimePanel(bool /*on*/) {}
    virtual void ShowScorePanel(bool /*on*/) {}
    virtual void ShowStatusBar(bool /*on*/) {}
};

// The dialogs and shows that the window owns, and its closing.
class IGameWindows {
public:
    virtual ~IGameWindows() = default;
    // The memory games' result dialog, modal; returns when it is closed.
    virtual void ShowMemoryEnd(bool /*won*/) {}
    // The winning show. The window stops it on a key press or a mouse press
    // (also on the frame) and removes that filter when it returns.
    virtual void PlayWinningAnimation() {}
    // The open-game dialog, modal (opening the chosen game).
    virtual void OpenGameDialog() {}
    // The open-game dialog's won/lost mark of the current game, when it shows
    // marks; RefreshOpenGameMarks redraws all of them (another player).
    virtual void RefreshGameMark() {}
    virtual void RefreshOpenGameMarks() {}
    // The branch and position of a game in the open-game dialog's tree;
    // false when the dialog does not know the game.
    virtual bool GameTreePlace(int /*gameId*/, int& /*treeNum*/, int& /*treePos*/) { return false; }
    // The rules of game `gameId` (the rules command with an explicit game).
    virtual void ShowRules(int /*gameId*/) {}
    virtual void CloseMainWindow() {}
};

// The window as a whole: its repaint, its input and its table's size.
class IWindowControl {
public:
    virtual ~IWindowControl() = default;
    // Repaints the whole window at once (after a message box closed).
    virtual void Repaint() {}
    // While on, the application swallows key presses and left and right
    // mouse presses (a selection group being removed); off restores input.
    virtual void SwallowInput(bool /*on*/) {}
    // A new deal lies in the piles and is about to be drawn: the window may
    // choose the card size its table has room for.
    virtual void TableDealt() {}
};

// Everything the main window plays, for whatever implements all the roles.
class IWindow : public IGameObserver,
                public IStatusDisplay,
                public ICommandStates,
                public IWindowBars,
                public IGameWindows,
                public IWindowControl {};

// Steps of the game that the move engine and the pointer handlers trigger but
// that are carried out elsewhere: the game end and the clock.
class IGameHooks {
public:
    virtual ~IGameHooks() = default;
    // Ends the running game; true when it was won.
    virtual bool EndGame(Game& /*g*/) { return false; }
    // One tick of the game clock, time label included.
    virtual void ClockTick(Game& /*g*/) {}
};

// The hooks used when none are installed: the game end and the clock of the
// core.
class StandardGameHooks : public IGameHooks {
public:
    bool EndGame(Game& g) override;
    void ClockTick(Game& g) override;
};

// The memory play of "Forget me not", which the interaction carries out.
// Not installed, the memorise phase never ends.
class IMemoryPlay {
public:
    virtual ~IMemoryPlay() = default;
    // The memorise phase is over (its undo step is recorded): the model
    // cards are hidden and the twins dealt.
    virtual void EndMemorisePhase(Game& /*g*/) {}
};

// What LoadGame leaves to the shell once the rules are loaded and the pile
// anchors reset: the card-size set-up and the layout of the window's table.
class IGameSetUp {
public:
    virtual ~IGameSetUp() = default;
    virtual void SetUpLoadedGame() {}
};

// Facts about the display and the installed fonts.
// A screen's usable area in desktop coordinates (without panels and bars).
struct ScreenArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class IScreen {
public:
    virtual ~IScreen() = default;
    virtual int Width() { return 1920; }
    virtual int Height() { return 1080; }
    // Every screen of the desktop, the primary one first.
    virtual std::vector<ScreenArea> Areas() { return {ScreenArea{0, 0, Width(), Height()}}; }
    // Bits per pixel times planes; more than 8 means more than 256 colours.
    virtual int ColorBits() { return 24; }
    virtual bool HasFont(const std::string& /*family*/) { return true; }
    // Dots per inch of the screen (96 is the standard).
    virtual int Dpi() { return 96; }
};

inline bool MoreThan256Colors(IScreen& s) {
    return s.ColorBits() > 8;
}

// One finished game as the results keep it.
struct GameResult {
    int score = 0;
    int seconds = 0;
    int misses = 0;
    int slips = 0;
    bool won = false;
    int date = 0;    // YYYYMMDD
    int lookMs = 0;  // the memory games' look time played with; 0: the standard one
    bool operator==(const GameResult&) const = default;
};

// Where the open-game dialog shows a game: its branch and its position.
struct DialogPlace {
    int treeNum = 0;
    int treePos = 0;
};

// What outlives a game: the catalogue's rule columns, the results of finished
// games, the per-game autoplay switches and the game and player to start
// with next time. Storage fills it in; without it no game has rules and
// nothing is kept.
class IGameStore {
public:
    virtual ~IGameStore() = default;
    // The column of GAMES.DAT holding the rules of a shipped game; -1 for none.
    virtual int RuleColumn(int /*gameId*/) { return -1; }
    virtual void RecordResult(int /*gameId*/, const std::string& /*player*/,
                              const GameResult& /*result*/) {}
    // The turns of a finished memory game, played on `date` (YYYYMMDD).
    virtual void RecordTurns(int /*gameId*/, const std::string& /*player*/, int /*date*/,
                             const TurnRecord& /*turns*/) {}
    // The game's stored autoplay switch; on when nothing is stored.
    virtual bool AutoplayStored(int /*gameId*/) { return true; }
    virtual void StoreAutoplay(int /*gameId*/, bool /*on*/) {}
    // The game opened, with its place in the dialog when known (otherwise
    // the place remembered before stays), and the current player.
    virtual void RememberGame(int /*gameId*/, const std::string& /*name*/,
                              const std::optional<DialogPlace>& /*place*/) {}
    virtual void RememberPlayer(const std::string& /*name*/) {}
};

// Ports that a layer above the core declares because it calls them, and that
// a layer above that one installs. They are kept with the core's ports so that
// one installation, one copy and one reset cover every seam of the program.
class UpperPorts {
public:
    template <class Port>
    Port* Find() const {
        for (const Slot& s : slots_)
            if (s.key == &kKey<Port>) return static_cast<Port*>(s.port);
        return nullptr;
    }
    // Installs `port` (not owned) in place of the one before; nullptr removes
    // it. The port type is always named: a derived pointer must not make a
    // slot of its own.
    template <class Port>
    void Install(std::type_identity_t<Port>* port) {
        for (auto it = slots_.begin(); it != slots_.end(); ++it) {
            if (it->key != &kKey<Port>) continue;
            if (port)
                it->port = port;
            else
                slots_.erase(it);
            return;
        }
        if (port) slots_.push_back({&kKey<Port>, port});
    }

private:
    template <class Port>
    static constexpr char kKey = 0;  // one address per port type
    struct Slot {
        const void* key;
        void* port;
    };
    std::vector<Slot> slots_;
};

class IAutoplayMoves;  // core/autoplay.h

struct Ports {
    IDialogs* dialogs = nullptr;
    ISound* sound = nullptr;
    IWaits* waits = nullptr;
    // The table's roles.
    ITableView* tableView = nullptr;
    IPileDrawing* pileDrawing = nullptr;
    ICardDrawing* cardDrawing = nullptr;
    ICardAnimations* cardAnimations = nullptr;
    IPointerFeedback* pointerFeedback = nullptr;
    // The main window's roles.
    IGameObserver* gameObserver = nullptr;
    IStatusDisplay* statusDisplay = nullptr;
    ICommandStates* commandStates = nullptr;
    IWindowBars* windowBars = nullptr;
    IGameWindows* gameWindows = nullptr;
    IWindowControl* windowControl = nullptr;
    IScreen* screen = nullptr;
    IGameHooks* game = nullptr;
    IGameStore* store = nullptr;
    IMemoryPlay* memory = nullptr;
    IGameSetUp* setUp = nullptr;
    IAutoplayMoves* moves = nullptr;
    // The ports of the layers above, each declared by the layer that calls it.
    UpperPorts upper;

    // Installs `table` in every table role (nullptr: none), `window` in
    // every window role.
    void SetTable(ITable* table);
    void SetWindow(IWindow* window);
};

// The installed ports; unset ones answer with the do-nothing defaults.
Ports& InstalledPorts();
IDialogs& Dialogs();
ISound& Sound();
IWaits& Waits();
ITableView& TableView();
IPileDrawing& PileDrawing();
ICardDrawing& CardDrawing();
ICardAnimations& CardAnimations();
IPointerFeedback& PointerFeedback();
IGameObserver& GameObserver();
IStatusDisplay& StatusDisplay();
ICommandStates& CommandStates();
IWindowBars& WindowBars();
IGameWindows& GameWindows();
IWindowControl& WindowControl();
IScreen& Screen();
IGameHooks& GameHooks();
IGameStore& GameStore();
IGameSetUp& GameSetUp();
IAutoplayMoves& AutoplayMoves();

// The installed port of a layer above the core; unset, its do-nothing
// defaults. Install(nullptr) removes it again.
template <class Port>
Port& Installed() {
    static Port none;
    Port* port = InstalledPorts().upper.Find<Port>();
    return port ? *port : none;
}
template <class Port>
void Install(std::type_identity_t<Port>* port) {
    InstalledPorts().upper.Install<Port>(port);
}

// Shows the hourglass for the lifetime of the object.
class BusyCursor {
public:
    BusyCursor() { Dialogs().PushBusyCursor(); }
    ~BusyCursor() { Dialogs().PopBusyCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace bw
