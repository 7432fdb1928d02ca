#include "app/daily_result.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>

#include "core/deal.h"
#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "storage/daily.h"

namespace bw {

namespace {

struct DailyResultText {
    Q_DECLARE_TR_FUNCTIONS(DailyResultText)
};

// One and many told apart in the source; each language says the rest.
QString Counted(int n, const char* one, const char* many) {
    return DailyResultText::tr(n == 1 ? one : many).arg(n);
}

// "2026-12-09" as 20261209; 0 for anything else.
int DateNumber(const std::string& date) {
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') return 0;
    const std::string digits = date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2);
    if (digits.find_first_not_of("0123456789") != std::string::npos) return 0;
    return std::stoi(digits);
}

}  // namespace

void ResultKeeper::Wrap() {
    if (InstalledPorts().store == this) return;
    inner_ = InstalledPorts().store;
    InstalledPorts().store = this;
}

void ResultKeeper::Unwrap() {
    if (InstalledPorts().store == this) InstalledPorts().store = inner_;
    inner_ = nullptr;
}

int ResultKeeper::RuleColumn(int gameId) {
    return inner_ ? inner_->RuleColumn(gameId) : -1;
}

void ResultKeeper::RecordResult(int gameId, const std::string& player, const GameResult& result) {
    if (!result_ && !watched_.number.empty() && gameId == watched_.gameId &&
        GameNumberDigits(game_.values.number) == watched_.number) {
        // The first play of the day's deal is marked in the player's daily
        // record; one marked before (another run that day) makes this one
        // practice, with no result to share.
        if (RecordDailyGame(gameId, player, DateNumber(watched_.date)) != DailyMark::kPractice)
            result_ = result;
    }
    if (inner_) inner_->RecordResult(gameId, player, result);
}

void ResultKeeper::RecordTurns(int gameId, const std::string& player, int date,
                               const TurnRecord& turns) {
    if (inner_) inner_->RecordTurns(gameId, player, date, turns);
}

bool ResultKeeper::AutoplayStored(int gameId) {
    return inner_ ? inner_->AutoplayStored(gameId) : true;
}

void ResultKeeper::StoreAutoplay(int gameId, bool on) {
    if (inner_) inner_->StoreAutoplay(gameId, on);
}

void ResultKeeper::RememberGame(int gameId, const std::string& name,
                                const std::optional<DialogPlace>& place) {
    if (inner_) inner_->RememberGame(gameId, name, place);
}

void ResultKeeper::RememberPlayer(const std::string& name) {
    if (inner_) inner_->RememberPlayer(name);
}

void ResultKeeper::Watch(const DailyDeal& deal) {
    if (deal == watched_) return;
    watched_ = deal;
    result_.reset();
}

std::optional<GameResult> ResultKeeper::ResultOf(const DailyDeal& deal) const {
    if (deal.number.empty() || !(deal == watched_)) return std::nullopt;
    return result_;
}

std::string DailyResultLine(const DailyDeal& deal, const GameResult& result) {
    const int s = std::max(0, result.seconds);
    const QString time = QStringLiteral("%1:%2:%3")
                             .arg(s / 3600)
                             .arg(s / 60 % 60, 2, 10, QLatin1Char('0'))
                             .arg(s % 60, 2, 10, QLatin1Char('0'));
    return DailyResultText::tr("Brindlewick %1, deal of %2: %3, %4, %5, %6, %7")
        .arg(QString::fromStdString(deal.name), QString::fromStdString(deal.date),
             result.won ? DailyResultText::tr("won") : DailyResultText::tr("lost"),
             Counted(result.score, QT_TRANSLATE_NOOP("DailyResultText", "%1 point"),
                     QT_TRANSLATE_NOOP("DailyResultText", "%1 points")),
             time,
             Counted(result.misses, QT_TRANSLATE_NOOP("DailyResultText", "%1 miss"),
                     QT_TRANSLATE_NOOP("DailyResultText", "%1 misses")),
             Counted(result.slips, QT_TRANSLATE_NOOP("DailyResultText", "%1 slip"),
                     QT_TRANSLATE_NOOP("DailyResultText", "%1 slips")))
        .toStdString();
}

}  // namespace bw
