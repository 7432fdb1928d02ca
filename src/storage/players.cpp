#include "storage/players.h"

#include <algorithm>
#include <set>

#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/tr_marker.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "storage/section_file.h"
#include "storage/statistics.h"

namespace bw {

namespace {

std::string TrimRight(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::set<std::string> g_reportedNames;

bool IsUtf8(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        const size_t n = c < 0x80         ? 1
                         : (c >> 5) == 6  ? 2
                         : (c >> 4) == 14 ? 3
                         : (c >> 3) == 30 ? 4
                                          : 0;
        if (n == 0 || i + n > s.size()) return false;
        for (size_t k = 1; k < n; ++k)
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
        i += n;
    }
    return true;
}

}  // namespace

bool IsUsablePlayerName(const std::string& name) {
    const std::string trimmed = TrimRight(name);
    return !trimmed.empty() && IsStorableEntry(trimmed, "");
}

void ReportUnusableStoredName(const std::string& name) {
    if (!g_reportedNames.insert(name).second) return;
    // Built by concatenation: GCC 12 warns falsely (-Wrestrict) on an
    // in-place replace here in optimised builds, which -Werror turns fatal.
    const std::string message = players_msg::kUnusableStoredName;
    const size_t at = message.find("%s");
    Dialogs().Info(at == std::string::npos ? message
                                           : message.substr(0, at) + name + message.substr(at + 2));
}

void ResetPlayerNameReports() {
    g_reportedNames.clear();
}

void SortPlayerNames(std::vector<std::string>& names) {
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const std::string la = platform::ToLower(a), lb = platform::ToLower(b);
        return la != lb ? la < lb : a < b;
    });
}

std::vector<std::string> LoadPlayerNames() {
    const std::string cfg = SettingsFile();
    std::vector<std::string> names;
    for (int i = 1; i <= kMaxStoredPlayers; ++i) {
        std::string name = platform::IniReadString(cfg, "Users", UserKey(i), "");
        if (name.empty()) continue;
        if (IsUsablePlayerName(name))
            names.push_back(name);
        else
            ReportUnusableStoredName(name);
    }
    SortPlayerNames(names);
    return names;
}

std::string PlayersModel::Normalize(const std::string& typed) {
    size_t b = typed.find_first_not_of(' ');
    if (b == std::string::npos) return std::string();
    std::string name = TrimRight(typed.substr(b));
    if (name.size() > static_cast<size_t>(kMaxPlayerNameLength)) {
        size_t cut = static_cast<size_t>(kMaxPlayerNameLength);
        // The field holds bytes: a typed (UTF-8) name is cut between
        // characters, never inside one.
        if (IsUtf8(name))
            while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name = TrimRight(name.substr(0, cut));
    }
    return name;
}

void PlayersModel::Open(Game& g) {
    game_ = &g;
    names_ = LoadPlayerNames();
    remembered_ = g.values.player;
    auto it = std::find(names_.begin(), names_.end(), remembered_);
    selected_ = it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
    listChanged_ = false;
    saveOnClose_ = true;
}

std::string PlayersModel::SelectedName() const {
    return HasSelection() ? names_[static_cast<size_t>(selected_)] : std::string();
}

void PlayersModel::SetSelected(int index) {
    selected_ = index >= 0 && index < static_cast<int>(names_.size()) ? index : -1;
}

const char* PlayersModel::Problem(const std::string& name, int ignoreIndex) const {
    if (name.empty()) return players_msg::kEnterName;
    // The name becomes a key of the statistics and a section of the
    // single-game values: it must read back as one.
    if (!IsUsablePlayerName(name)) return players_msg::kUnusableName;
    for (size_t i = 0; i < names_.size(); ++i) {
        if (static_cast<int>(i) != ignoreIndex && TrimRight(names_[i]) == name)
            return players_msg::kNameExists;
    }
    return nullptr;
}

void PlayersModel::Resort(const std::string& selectName) {
    SortPlayerNames(names_);
    auto it = std::find(names_.begin(), names_.end(), selectName);
    selected_ = it == names_.end() ? -1 : static_cast<int>(it - names_.begin());
}

NameEntry PlayersModel::AddPlayer(const std::string& typed) {
    const std::string name = Normalize(typed);
    if (const char* msg = Problem(name, -1)) {
        Dialogs().Info(msg);
        return NameEntry::Retry;
    }
    listChanged_ = true;
    const std::string keep = SelectedName();
    if (std::find(names_.begin(), names_.end(), name) == names_.end()) names_.push_back(name);
    Resort(keep);
    return NameEntry::Accepted;
}

NameEntry PlayersModel::EditSelected(const std::string& typed) {
    if (!HasSelection()) return NameEntry::Unchanged;
    const std::string old = SelectedName();
    const std::string name = Normalize(typed);
    if (name.empty()) {
        Dialogs().Info(players_msg::kEnterName);
        return NameEntry::Retry;
    }
    if (name == TrimRight(old)) return NameEntry::Unchanged;
    if (const char* msg = Problem(name, selected_)) {
        Dialogs().Info(msg);
        return NameEntry::Retry;
    }
    listChanged_ = true;
    names_[static_cast<size_t>(selected_)] = name;
    Resort(name);
    if (old == remembered_) remembered_ = name;
    RenamePlayerInStatistics(old, name);
    return NameEntry::Accepted;
}

bool PlayersModel::DeleteSelected() {
    if (!HasSelection()) return false;
    const std::string name = SelectedName();
    if (name == remembered_) {
        Dialogs().Info(players_msg::kCannotDeleteCurrent);
        return false;
    }
    if (!Dialogs().ConfirmWarning(players_msg::kConfirmDelete)) return false;
    listChanged_ = true;
    ClearPlayerStatistics(name);
    names_.erase(names_.begin() + selected_);
    selected_ = names_.empty() ? -1 : 0;
    return true;
}

PlayersModel::SelectOutcome PlayersModel::SelectPlayer(const SelectHooks& hooks) {
    if (!HasSelection()) {
        Dialogs().Info(players_msg::kSelectPlayer);
        return SelectOutcome::NothingSelected;
    }
    const std::string chosen = SelectedName();
    const bool change = chosen != remembered_;
    if (change) {
        if (hooks.confirmQuitGame &&
            !hooks.confirmQuitGame(BW_TR_NOOP("Messages", "Start a new game for player ") + chosen +
                                   "?"))
            return SelectOutcome::Declined;
        // The running game ends on the account of the player who played it.
        if (game_) SetValue(game_->values.player, field::kPlayer, remembered_);
        if (hooks.endGame) hooks.endGame();
        if (game_) {
            SetValue(game_->values.startMarkA, field::kStartMarkA, "0000");
            SetValue(game_->values.startMarkB, field::kStartMarkB, "0000");
            SetValue(game_->values.player, field::kPlayer, chosen);
        }
    }
    saveOnClose_ = false;
    Save(chosen);
    return change ? SelectOutcome::Changed : SelectOutcome::Kept;
}

void PlayersModel::Close() {
    if (!saveOnClose_) return;
    saveOnClose_ = false;
    Save(remembered_);
}

bool PlayersModel::Save(const std::string& name) {
    BusyCursor busy;
    Waits().WaitResponsive(100);
    if (game_) SetValue(game_->values.player, field::kPlayer, name);
    std::vector<platform::IniEntry> entries;
    if (listChanged_) {
        for (int i = 1; i <= kMaxStoredPlayers; ++i) {
            const size_t at = static_cast<size_t>(i - 1);
            entries.push_back(
                {"Users", UserKey(i), at < names_.size() ? names_[at] : std::string()});
        }
    }
    entries.push_back({"Preference", "UserDefault", name});
    const bool ok = platform::IniWriteStrings(SettingsFile(), entries);
    saveFailed_ = !ok;
    return ok;
}

}  // namespace bw
