#pragma once
// The player list (section "Users" of the settings file, at most 20 names)
// and the operations of the players dialog, free of any toolkit: the dialog
// shows the list, asks for names and forwards the buttons here. Messages go
// through the dialogs port.
#include <functional>
#include <string>
#include <vector>

#include "core/tr_marker.h"
#include "storage/preferences.h"

namespace bw {

struct Game;

inline constexpr int kMaxStoredPlayers = 20;
inline constexpr int kMaxPlayerNameLength = 30;

namespace players_msg {
inline constexpr const char* kEnterName =
    BW_TR_NOOP("Messages", "Please enter at least 1 character.");
inline constexpr const char* kNameExists =
    BW_TR_NOOP("Messages", "This player name already exists.");
inline constexpr const char* kUnusableName =
    BW_TR_NOOP("Messages", "A player name cannot begin with \"[\" or contain \"=\".");
// %s: the name as stored.
inline constexpr const char* kUnusableStoredName =
    BW_TR_NOOP("Messages",
               "The settings file names the player \"%s\", who cannot be used:\n"
               "a player name cannot begin with \"[\" or contain \"=\". The name is left out.");
inline constexpr const char* kCannotDeleteCurrent =
    BW_TR_NOOP("Messages", "It is impossible to delete the selected player.");
inline constexpr const char* kConfirmDelete =
    BW_TR_NOOP("Messages",
               "Are you sure you want to delete the selected player?\n"
               "Note: the statistics for this player will also be deleted.");
inline constexpr const char* kSelectPlayer = BW_TR_NOOP("Messages", "Select a player.");
}  // namespace players_msg

// Whether a name (trailing blanks aside) can be a player's: it becomes a key
// of the statistics and results and a section of the single-game values, so
// it must read back as one. Its bytes are kept as they are (older settings
// files hold Latin-1).
bool IsUsablePlayerName(const std::string& name);
// Shows kUnusableStoredName for the name, once per run and name.
void ReportUnusableStoredName(const std::string& name);
// Forgets what this run has reported (tests start afresh).
void ResetPlayerNameReports();

// The non-empty stored names, sorted alphabetically; a name that cannot be
// used is left out and reported.
std::vector<std::string> LoadPlayerNames();
// Alphabetical without regard to case; names differing only in case keep a
// fixed order.
void SortPlayerNames(std::vector<std::string>& names);

// What became of a name typed into the name dialog.
enum class NameEntry {
    Accepted,   // the list has changed
    Retry,      // a message was shown; ask again with the typed text
    Unchanged,  // an edit that kept the name: nothing to do
};

class PlayersModel {
public:
    // Fills the list, selects and remembers the game's player and arms
    // saving on close; the choices made are the player of `g`.
    void Open(Game& g);

    const std::vector<std::string>& names() const { return names_; }
    int selected() const { return selected_; }  // -1: none
    bool HasSelection() const { return selected_ >= 0; }
    std::string SelectedName() const;
    void SetSelected(int index);
    // The player who was current when the list opened, following renames.
    const std::string& rememberedPlayer() const { return remembered_; }
    bool listChanged() const { return listChanged_; }
    bool saveOnClose() const { return saveOnClose_; }
    // The last save could not write the settings file.
    bool saveFailed() const { return saveFailed_; }

    // New: validates the typed name and adds it.
    NameEntry AddPlayer(const std::string& typed);
    // Edit: renames the selected entry and, at once, the statistics.
    NameEntry EditSelected(const std::string& typed);
    // Delete: refuses the current player, asks, clears the player's
    // statistics at once and removes the entry. True when removed.
    bool DeleteSelected();

    enum class SelectOutcome { NothingSelected, Declined, Kept, Changed };
    struct SelectHooks {
        // The quit-game confirmation with the given question; true to go on
        // (also when no question is due).
        std::function<bool(const std::string&)> confirmQuitGame;
        // Ends the running game for the game's player as it was.
        std::function<void()> endGame;
    };
    // Select: switches to the selected player (ending the game of the old
    // one) and saves. The dialog closes unless NothingSelected or Declined.
    SelectOutcome SelectPlayer(const SelectHooks& hooks);
    // Close: saves with the remembered player unless Select already saved.
    void Close();
    // Makes `name` current and writes the list when it changed. False when
    // the settings file could not be written.
    bool Save(const std::string& name);

    // Blanks trimmed, cut to the name field's 30 characters.
    static std::string Normalize(const std::string& typed);

private:
    // The message for an unusable name, or nullptr.
    const char* Problem(const std::string& name, int ignoreIndex) const;
    void Resort(const std::string& selectName);

    Game* game_ = nullptr;  // the game whose player this is, from Open
    std::vector<std::string> names_;
    int selected_ = -1;
    std::string remembered_;
    bool listChanged_ = false;
    bool saveOnClose_ = false;
    bool saveFailed_ = false;
};

}  // namespace bw
