#include "dialog_support.h"

#include <QDialog>

#include "app/open_game_dialog.h"
#include "core/game.h"
#include "core/params.h"
#include "core/rules.h"
#include "platform/ini.h"
#include "platform/paths.h"
#include "render/library.h"
#include "storage/catalogue.h"
#include "storage/preferences.h"
#include "support/program_game.h"

namespace bw::test {

namespace {

std::string Padded(std::string s, size_t width) {
    s.resize(width, ' ');
    return s;
}

}  // namespace

std::string GamesDat(const std::vector<GameSpec>& games) {
    std::string out = "[Sect1]\r\n";
    for (const GameSpec& g : games) {
        // Family (3), blank, id (3), class "0", screen mark, new mark, name.
        std::string line = Padded(std::to_string(g.family), 3) + " " + FormatNumber(g.id, 3) + "0" +
                           g.screen + " " + Padded(g.name, 50);
        out += EncodeGamesText(line) + "\r\n";
    }
    out += "[Sect2]\r\n";
    for (int entry = 0; entry < 489; ++entry) {
        std::string line = Padded(FormatNumber(entry, 4), 16);
        for (const GameSpec& g : games) {
            auto it = g.rules.find(entry);
            line += Padded(std::to_string(it == g.rules.end() ? 0 : it->second), 11);
        }
        out += EncodeGamesText(line) + "\r\n";
    }
    return out;
}

std::map<int, int> GridRules(std::map<int, int> facts) {
    // Four rows of six face-down cards, a third pile beside them.
    std::map<int, int> r = {{3, 9},   {24, 1},  {359, 127}, {360, 1},  {368, 4},
                            {364, 1}, {365, 1}, {370, 1},   {371, 24}, {375, 6},
                            {376, 6}, {377, 6}, {378, 6},   {51, 40}};
    for (const auto& [k, v] : facts) r[k] = v;
    return r;
}

std::vector<GameSpec> StandardGames() {
    // Facts: 483 time, 484 difficulty, 485 skill, 486 chance, 487/488 odds,
    // 15 redeals, 371 cards.
    return {
        {200, "Pairs", 16, GridRules({{483, 2}, {484, 0}, {485, 4}, {486, 0}, {15, -1}})},
        {201, "Memory-Up (6x4)", 16,
         GridRules({{483, 1}, {484, 1}, {485, 2}, {486, 3}, {487, 3}, {488, 10}, {15, 0}})},
        {202, "Concentration", 16,
         GridRules({{483, 0}, {484, 2}, {485, 0}, {486, 1}, {15, 1}, {371, 104}})},
        {203, "ace-To-King", 16, GridRules({{483, 2}, {484, 1}, {485, 3}, {486, 4}, {15, 4}})},
        {204, "Forget me not", 16, GridRules({{486, 2}, {487, 1}, {488, 0}, {15, 2}}), '1'},
        {205, "Big Memory", 13, GridRules({{483, 7}, {486, 9}, {15, -3}})},
    };
}

int DialogWindow::Count(const std::string& e) const {
    int n = 0;
    for (const auto& x : events) n += x == e;
    return n;
}

ModalScript::ModalScript() {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

ModalScript::~ModalScript() {
    timer_.stop();
    if (handled_) handled_->removeEventFilter(this);
}

bool ModalScript::eventFilter(QObject* watched, QEvent* event) {
    if (watched == handled_ && event->type() == QEvent::Hide) {
        handled_->removeEventFilter(this);
        handled_ = nullptr;
    }
    return false;
}

void ModalScript::Poll() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == handled_) {
        idleTicks_ = 0;
        return;
    }
    if (!steps_.empty()) {
        if (handled_) handled_->removeEventFilter(this);
        handled_ = modal;
        modal->installEventFilter(this);
        auto step = std::move(steps_.front());
        steps_.pop_front();
        step(modal);
        return;
    }
    // Nothing scripted for this dialog: give up on it after about a second.
    if (++idleTicks_ > 200) {
        ++unexpected_;
        idleTicks_ = 0;
        if (auto* d = qobject_cast<QDialog*>(modal))
            d->reject();
        else
            modal->close();
    }
}

bool DialogTest::libraryLoaded = false;

DialogTest::DialogTest() {
    InstalledPorts().SetWindow(&window);
    InstalledPorts().SetTable(&table);
    InstalledPorts().screen = &screen;
    platform::MakeDir(core.dir.file("DATA"));
    core.dir.write("DATA/Cfg.dat", "");
    // Loaded once; again when a test in between has closed it.
    const std::string library = std::string(BW_PROGRAM_DIR) + "QLR.RGF";
    if (!libraryLoaded || LibraryPath() != library)
        libraryLoaded = LoadResourceLibraryFile(library);
    WriteGames(StandardGames());
    SetValue(ProgramGame().values.id, field::kGameId, "201");
    SetValue(ProgramGame().values.name, field::kGameName, "Memory-Up (6x4)");
    SetValue(ProgramGame().values.player, field::kPlayer, "Player 1");
    SetParameter(185, 1, "Y");
    WriteUsers({"Player 1", "Player 2", "Player 3"});
}

DialogTest::~DialogTest() {
    FreeOpenGameForm();
}

void DialogTest::WriteGames(const std::vector<GameSpec>& games) {
    core.dir.write("GAMES.DAT", GamesDat(games));
    LoadCatalogue();
}

std::string DialogTest::Pref(const std::string& key) const {
    return platform::IniReadString(SettingsFile(), "Preference", key, "<none>");
}

void DialogTest::WriteUsers(const std::vector<std::string>& names) {
    for (size_t i = 0; i < names.size(); ++i)
        platform::IniWriteString(SettingsFile(), "Users", UserKey(static_cast<int>(i) + 1),
                                 names[i]);
}

}  // namespace bw::test
