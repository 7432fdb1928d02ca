#pragma once
// The main window on the shipped GAMES.DAT and resource library, started on
// one game as a first run would, for tests that play whole games through it.
#include <QTest>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/shell_hooks.h"
#include "core/cards.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/state.h"
#include "gui_support.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "render/card_images.h"
#include "render/card_positions.h"
#include "render/library.h"
#include "render/surfaces.h"

namespace bw::test {

struct Slot {
    int row = 0;  // 0-based tableau pile
    int k = 0;    // slot in the row
    CardCode card = 0;
};

// Records each wait and lets its time pass on the test clock (the winning
// show runs for a time).
class PassingWaits : public IWaits {
public:
    explicit PassingWaits(platform::ManualClock& clock, std::vector<int>& log)
        : clock_(clock), log_(log) {}
    void Wait(int ms) override {
        log_.push_back(ms);
        clock_.Advance(ms);
    }
    void WaitResponsive(int ms) override { Wait(ms); }

private:
    platform::ManualClock& clock_;
    std::vector<int>& log_;
};

class PlayTest : public GuiFixture, public ::testing::Test {
protected:
    PlayTest() : passing(clock, waits.waits), table(window) {
        InstalledPorts().waits = &passing;
        InstalledPorts().table = &table;
        CreateTableBitmaps();
        Hooks() = ShellHooks{};
        dir.write("GAMES.DAT", ReadFile(std::string(BW_PROGRAM_DIR) + "GAMES.DAT"));
        LoadResourceLibraryFile(std::string(BW_PROGRAM_DIR) + "QLR.RGF");
        InstallInteractionHooks();
        SetLoadGameHook([] { SetUpCards(); });
        CardHooks().layOutPiles = [this] { window.LayOutTable(); };
        InstalledPorts().window = &window;
        window.resize(1000, 720);
    }
    ~PlayTest() override {
        FreeTableBitmaps();
        SetLoadGameHook(nullptr);
        CardHooks() = CardSetUpHooks{};
        FreeResourceLibrary();
    }

    // Starts the game `id` as the stored game of a first run.
    void Start(int id, const std::string& name) {
        dir.write("DATA/Cfg.dat", "[Preference]\r\nGame=" + std::to_string(id) +
                                      "\r\nGame_name=" + name +
                                      "\r\nDeal_Animation=N\r\nWinning_Animations_Time=1\r\n");
        ASSERT_TRUE(window.FormCreate());
        window.show();
        window.Activated();
        ASSERT_TRUE(Flag(flag::kInProgress));
    }

    std::vector<Slot> GridCards() const {
        std::vector<Slot> out;
        for (int r = 0; r < GameRules[368]; ++r) {
            const std::string& row = FilaPiles[static_cast<size_t>(r)];
            for (size_t k = 0; k * 3 < row.size(); ++k) {
                const CardCode c = std::stoi(row.substr(k * 3, 3));
                if (c != 0) out.push_back({r, static_cast<int>(k), c});
            }
        }
        return out;
    }

    void Click(const Slot& s) {
        const CardPoint p = CardSlotPosition("Fila" + std::to_string(s.row + 1), s.row, s.k);
        QTest::mouseClick(window.imgSfondo, Qt::LeftButton, Qt::NoModifier,
                          QPoint(p.left + CardWidth / 2, p.top + CardHeight / 2));
    }

    std::string Score() const { return window.lblScore->text().toStdString(); }

    PassingWaits passing;
    TfrmMain window;
    ShellTable table;
};

}  // namespace bw::test
