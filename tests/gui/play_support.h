#pragma once
// The main window on the shipped GAMES.DAT and resource library, started on
// one game as a first run would, for tests that play whole games through it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/deal_number_dialog.h"
#include "app/main_window.h"
#include "app/memory_end_dialog.h"
#include "app/program_wiring.h"
#include "app/shell_hooks.h"
#include "core/card_positions.h"
#include "core/cards.h"
#include "core/game.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/state.h"
#include "gui_support.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/surfaces.h"
#include "support/program_game.h"

namespace bw::test {

struct Slot {
    int row = 0;  // 0-based tableau pile
    int k = 0;    // slot in the row
    CardCode card = 0;
};

// Records each wait and lets its time pass on the test clock (the winning
// show runs for a time); `during` runs once, at the first wait of
// `duringMs` (a test's chance to act in the middle of an operation).
class PassingWaits : public IWaits {
public:
    explicit PassingWaits(platform::ManualClock& clock, std::vector<int>& log)
        : clock_(clock), log_(log) {}
    void Wait(int ms) override {
        log_.push_back(ms);
        clock_.Advance(ms);
        if (during && ms == duringMs) {
            auto run = std::move(during);
            during = nullptr;
            run();
        }
    }
    void WaitResponsive(int ms) override { Wait(ms); }
    std::function<void()> during;
    int duringMs = 150;

private:
    platform::ManualClock& clock_;
    std::vector<int>& log_;
};

// The real main window wired as the program wires it, on the games of
// `gamesDat` and the built resource library, drawing through `TableT` (the
// window's own port or a subclass that notes what it was asked). No test
// framework: the soak drives it too.
template <class TableT>
class PlayWindow : public GuiFixture {
public:
    explicit PlayWindow(const std::string& gamesDat)
        : passing(clock, waits.waits), table(ProgramGame(), window), setUp(window) {
        InstalledPorts().waits = &passing;
        InstalledPorts().SetTable(&table);
        CreateTableBitmaps();
        dir.write("GAMES.DAT", ReadFile(gamesDat));
        LoadResourceLibraryFile(std::string(BW_PROGRAM_DIR) + "QLR.RGF");
        InstallInteractionHooks();
        setUp.Install();
        InstalledPorts().SetWindow(&window);
        window.resize(1000, 720);
    }
    ~PlayWindow() {
        FreeTableBitmaps();
        setUp.Uninstall();
        FreeResourceLibrary();
    }

    // Writes a first run's settings file for game `id`: without the deal
    // animation, with a one-second winning show; `prefs` adds lines to the
    // "Preference" section.
    void WriteFirstRunSettings(int id, const std::string& name, const std::string& prefs = "") {
        dir.write("DATA/Cfg.dat",
                  "[Preference]\r\nGame=" + std::to_string(id) + "\r\nGame_name=" + name +
                      "\r\nDeal_Animation=N\r\nWinning_Animations_Time=1\r\n" + prefs);
    }

    PassingWaits passing;
    TfrmMain window{ProgramGame()};
    TableT table;
    WindowSetUp setUp;
    ShellCalls shell;
};

// While alive, closes the result dialog of a game left or ended and answers
// the deal-number dialog with `number` (cancelling it when a refused number
// keeps it up).
struct AnswerDealDialogs {
    QString number;
    QTimer timer;
    AnswerDealDialogs() {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* end = dynamic_cast<TfrmMemoryEnd*>(modal)) end->btnOK->click();
            if (auto* d = dynamic_cast<TfrmDealNumber*>(modal)) {
                d->edtNumber->setText(number);
                d->btnOK->click();
                if (d->isVisible()) d->btnCancel->click();
            }
        });
        timer.start();
    }
};

template <class TableT>
class WindowPlayOn : public PlayWindow<TableT>, public ::testing::Test {
protected:
    explicit WindowPlayOn(const std::string& gamesDat) : PlayWindow<TableT>(gamesDat) {}

    // Starts the game `id` as the stored game of a first run.
    void StartStored(int id, const std::string& name, const std::string& prefs = "") {
        this->WriteFirstRunSettings(id, name, prefs);
        ASSERT_TRUE(this->window.FormCreate());
        this->window.show();
        this->window.Activated();
        ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    }
};

class PlayTest : public WindowPlayOn<ShellTable> {
protected:
    PlayTest() : WindowPlayOn(std::string(BW_PROGRAM_DIR) + "GAMES.DAT") {}

    void Start(int id, const std::string& name) { StartStored(id, name); }

    std::vector<Slot> GridCards() const {
        std::vector<Slot> out;
        for (int r = 0; r < ProgramGame().GameRules[368]; ++r) {
            const std::string& row = ProgramGame().FilaPiles[static_cast<size_t>(r)];
            for (size_t k = 0; k * 3 < row.size(); ++k) {
                const CardCode c = std::stoi(row.substr(k * 3, 3));
                if (c != 0) out.push_back({r, static_cast<int>(k), c});
            }
        }
        return out;
    }

    void Click(const Slot& s) {
        const CardPoint p =
            CardSlotPosition(ProgramGame(), "Fila" + std::to_string(s.row + 1), s.row, s.k);
        QTest::mouseClick(
            window.imgSfondo, Qt::LeftButton, Qt::NoModifier,
            QPoint(p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2));
    }

    std::string Score() const { return window.lblScore->text().toStdString(); }
};

}  // namespace bw::test
