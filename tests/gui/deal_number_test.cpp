// Deals chosen by number: restart, "Play deal number...", the copied deal
// name and the command line's request, through the real window.
#include <gmock/gmock.h>

#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QProcess>
#include <sstream>

#include "app/command_line.h"
#include "app/deal_number_dialog.h"
#include "app/memory_end_dialog.h"
#include "play_support.h"
#include "storage/catalogue.h"
#include "storage/daily.h"
#include "storage/results.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class DealNumberTest : public PlayTest {
protected:
    // The codes of every grid pile, as the deal left them.
    std::string Grid() const {
        std::string out;
        for (int r = 0; r < ProgramGame().GameRules[368]; ++r)
            out += ProgramGame().FilaPiles[static_cast<size_t>(r)] + "|";
        return out;
    }
    std::string Number() const { return ProgramGame().values.number.substr(0, 13); }
    // Answers the deal-number dialog with `text` (and cancels it when a
    // refused number keeps it up); the result dialog of an abandoned game is
    // closed.
    void TypeNumber(const QString& text) {
        AnswerDealDialogs answer;
        answer.number = text;
        window.mnuDealNumber->trigger();
    }
    void Restart() {
        AnswerDealDialogs answer;
        window.mnuRestart->trigger();
    }
};

// The grid codes `brindlewick-tool deal` prints for a game and number.
std::string ToolGrid(int id, const std::string& number) {
    QProcess tool;
    tool.start(QString::fromStdString(std::string(BW_PROGRAM_DIR) + "brindlewick-tool"),
               {"deal", QString::number(id), QString::fromStdString(number)});
    EXPECT_TRUE(tool.waitForFinished(20000));
    std::istringstream lines(tool.readAllStandardOutput().toStdString());
    std::string line, out;
    while (std::getline(lines, line)) {
        if (line.rfind("Fila", 0) != 0) continue;
        std::istringstream words(line);
        std::string word;
        words >> word;
        while (words >> word) out += word.substr(0, 3);
        out += "|";
    }
    return out;
}

TEST_F(DealNumberTest, RestartTypedNumbersAndCopyDealTheSameTable) {
    Start(201, "Memory-Up (6x4)");
    const std::string first = Grid(), number = Number();
    ASSERT_EQ(number.size(), 13u);

    // Restart with a card turned: asked, counted as abandoned, same deal.
    SetParameter(field::kConfirmQuitGame, "Y");
    Click(GridCards()[0]);
    dialogs.answers = {true};
    Restart();
    EXPECT_THAT(dialogs.confirms, ::testing::ElementsAre("Quit this game?"));
    EXPECT_EQ(Grid(), first);
    EXPECT_EQ(Number(), number);
    EXPECT_EQ(ReadPlayerResults(ProgramGame().values.player)[201].lost, 1);
    // Declined: nothing changes.
    Click(GridCards()[0]);
    const std::string turned = Grid();
    dialogs.answers = {false};
    Restart();
    EXPECT_EQ(Grid(), turned);

    // Copied as "name #number"; that text typed back deals the same.
    window.mnuCopyDeal->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Memory-Up (6x4) #" + number);
    dialogs.answers = {true};
    TypeNumber(QGuiApplication::clipboard()->text());
    EXPECT_EQ(Grid(), first);

    // A short number is padded as the deal pads it, and deals the tool's table.
    TypeNumber("  4711 ");
    EXPECT_EQ(Number(), "0000000004711");
    EXPECT_EQ(Grid(), ToolGrid(201, "4711"));
    EXPECT_NE(Grid(), first);

    // Anything else is refused with a message and never dealt.
    const std::string before = Grid();
    for (const char* bad : {"12a4", "", "12345678901234", "-5", "1 2"}) {
        dialogs.infos.clear();
        TypeNumber(bad);
        EXPECT_EQ(dialogs.infos.size(), 1u) << bad;
        EXPECT_EQ(Number(), "0000000004711") << bad;
    }
    EXPECT_EQ(Grid(), before);
}

// The deal of the day is the tool's number for today's date, per game.
TEST_F(DealNumberTest, DealOfTheDayDealsTheToolsNumberForToday) {
    auto daily = [](int id, const QStringList& more) {
        QProcess tool;
        tool.start(QString::fromStdString(std::string(BW_PROGRAM_DIR) + "brindlewick-tool"),
                   QStringList{"daily", QString::number(id)} + more);
        EXPECT_TRUE(tool.waitForFinished(20000));
        return std::make_pair(tool.exitCode(),
                              tool.readAllStandardOutput().trimmed().toStdString());
    };
    Start(201, "Memory-Up (6x4)");
    window.mnuDailyDeal->trigger();
    const std::string today = Number();
    EXPECT_EQ(daily(201, {}), std::make_pair(0, today));
    EXPECT_EQ(Grid(), ToolGrid(201, today));
    EXPECT_NE(daily(202, {}).second, today);
    EXPECT_EQ(daily(201, {"--date", "2026-12-09"}),
              std::make_pair(0, std::string("2357426395508")));
    EXPECT_EQ(daily(201, {"--date", "2026-02-29"}).first, 2);
    EXPECT_EQ(daily(201, {"--date"}).first, 2);

    // Played to the end, the day's result is one line to share.
    window.mnuGame->aboutToShow();
    EXPECT_FALSE(window.mnuCopyResult->isEnabled());
    {
        AnswerDealDialogs closesTheEnd;
        const std::vector<Slot> cards = GridCards();
        for (const Slot& s : cards)
            for (const Slot& t : cards)
                if (t.card == s.card + 52) {
                    Click(s);
                    Click(t);
                }
    }
    window.mnuGame->aboutToShow();
    ASSERT_TRUE(window.mnuCopyResult->isEnabled());
    window.mnuCopyResult->trigger();
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    // Marked in the player's daily record: a streak of one day.
    const int dateNumber = QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toInt();
    const std::string player = ProgramGame().values.player;
    EXPECT_EQ(DailyStreak(201, player, dateNumber), 1);
    EXPECT_THAT(
        QGuiApplication::clipboard()->text().toStdString(),
        ::testing::MatchesRegex("Brindlewick Memory-Up \\(6x4\\), deal of " + date.toStdString() +
                                ": won, 68 points, 0:[0-9][0-9]:[0-9][0-9], 0 misses, 0 slips"));
    // The same deal played again that day is practice: its result (lost,
    // abandoned with a card turned) is not the one shared.
    const std::string line = QGuiApplication::clipboard()->text().toStdString();
    Restart();
    dialogs.answers = {true};
    Click(GridCards()[0]);
    {
        AnswerDealDialogs closesTheEnd;
        window.mnuDailyDeal->trigger();
    }
    EXPECT_EQ(ReadPlayerResults(player)[201].lost, 1);
    window.mnuGame->aboutToShow();
    window.mnuCopyResult->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), line);
    EXPECT_EQ(RecordDailyGame(201, player, dateNumber), DailyMark::kPractice);
    EXPECT_EQ(DailyStreak(201, player, dateNumber), 1);
}

TEST_F(DealNumberTest, CommandLineRequestStartsItsDealOrEndsWithCodeTwo) {
    WriteFirstRunSettings(200, "Memory-Up (4x3)");
    LoadCatalogue();
    auto read = [](std::vector<std::string> args, DealRequest& r, std::string& err) {
        std::ostringstream e;
        const auto code = ReadDealRequest(args, r, e);
        err = e.str();
        return code;
    };
    DealRequest r;
    std::string err;
    for (const auto& bad : std::vector<std::vector<std::string>>{{"--game", "999"},
                                                                 {"--game", "2x1"},
                                                                 {"--game", "201", "--deal", "x"},
                                                                 {"--deal", "12345678901234"},
                                                                 {"--game"}}) {
        EXPECT_EQ(read(bad, r, err), 2) << bad[0];
        EXPECT_THAT(err, ::testing::StartsWith("brindlewick: "));
    }
    ASSERT_EQ(read({"--game", "201", "--deal", "4711"}, r, err), std::nullopt) << err;
    EXPECT_EQ(r.name, "Memory-Up (6x4)");

    // Started straight into that deal, not the stored game.
    window.SetFirstDeal(r);
    ASSERT_TRUE(window.FormCreate());
    window.show();
    window.Activated();
    EXPECT_EQ(TextInt(ProgramGame().values.id, -1), 201);
    EXPECT_EQ(Number(), "0000000004711");
    EXPECT_EQ(Grid(), ToolGrid(201, "4711"));
}

}  // namespace
}  // namespace bw::test
