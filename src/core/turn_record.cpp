#include "core/turn_record.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

namespace bw {

namespace {

constexpr int kMostRows = 40;
constexpr int kMostColumns = 1 << 20;
constexpr int kHeatColumns = 200;  // a wider place is left off the heat map
constexpr int64_t kMostMs = int64_t{1} << 40;
constexpr CardCode kMostCard = 108;

char OutcomeLetter(TurnOutcome o) {
    switch (o) {
        case TurnOutcome::kPair: return 'p';
        case TurnOutcome::kMiss: return 'm';
        case TurnOutcome::kSlip: return 's';
        case TurnOutcome::kOpen: break;
    }
    return 'o';
}

std::optional<TurnOutcome> OutcomeOf(char c) {
    switch (c) {
        case 'p': return TurnOutcome::kPair;
        case 'm': return TurnOutcome::kMiss;
        case 's': return TurnOutcome::kSlip;
        case 'o': return TurnOutcome::kOpen;
        default: return std::nullopt;
    }
}

// The next field of `rest` up to `sep` (or the end) as a number in range.
template <typename T>
bool Field(std::string_view& rest, char sep, T least, T most, T& out) {
    const size_t end = rest.find(sep);
    const std::string_view f = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (f.empty() || (f.size() > 1 && f[0] == '0' && sep != '.')) return false;
    T v{};
    const auto [p, ec] = std::from_chars(f.data(), f.data() + f.size(), v);
    if (ec != std::errc() || p != f.data() + f.size() || v < least || v > most) return false;
    out = v;
    return true;
}

std::optional<TurnCard> ParseCard(std::string_view text) {
    if (text.size() < 3) return std::nullopt;
    TurnCard c;
    std::string_view code = text.substr(0, 3);
    if (!Field(code, '.', CardCode{1}, kMostCard, c.card)) return std::nullopt;
    if (text.size() < 4 || text[3] != '.') return std::nullopt;
    std::string_view rest = text.substr(4);
    if (!Field(rest, '.', -1, kMostRows - 1, c.row) ||
        !Field(rest, '.', -1, kMostColumns - 1, c.column) || rest.empty())
        return std::nullopt;
    if (rest.find('.') != std::string_view::npos || !Field(rest, '.', int64_t{0}, kMostMs, c.ms))
        return std::nullopt;
    return c;
}

size_t Cell(int row, int column, int columns) {
    return static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column);
}

struct Seen {
    int turn;
    int row, column;
};

}  // namespace

bool PairPartners(int goal, CardCode a, CardCode b) {
    if (a < 1 || b < 1 || a == b || RankOf(a) != RankOf(b)) return false;
    if (goal == goal::kPairs) return a + 52 == b || b + 52 == a;
    return true;
}

const char* OutcomeWord(TurnOutcome outcome) {
    switch (outcome) {
        case TurnOutcome::kPair: return "pair";
        case TurnOutcome::kMiss: return "miss";
        case TurnOutcome::kSlip: return "slip";
        case TurnOutcome::kOpen: break;
    }
    return "open";
}

std::string TurnRecordText(const TurnRecord& record) {
    std::string out = std::to_string(record.goal) + " " + (record.deal.empty() ? "-" : record.deal);
    for (const Turn& t : record.turns) {
        out += ' ';
        out += OutcomeLetter(t.outcome);
        for (size_t i = 0; i < t.cards.size(); ++i) {
            const TurnCard& c = t.cards[i];
            if (i > 0) out += ',';
            out += FormatCode(c.card) + "." + std::to_string(c.row) + "." +
                   std::to_string(c.column) + "." + std::to_string(c.ms);
        }
    }
    return out;
}

std::optional<TurnRecord> ParseTurnRecord(std::string_view text) {
    TurnRecord r;
    std::string_view rest = text;
    if (!Field(rest, ' ', 0, 9999, r.goal) || !RecordsTurns(r.goal)) return std::nullopt;
    const size_t end = rest.find(' ');
    const std::string_view deal = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (deal != "-") {
        if (deal.empty() || deal.size() > 13 ||
            !std::all_of(deal.begin(), deal.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return std::nullopt;
        r.deal = std::string(deal);
    }
    const size_t most = CardsPerTurn(r.goal);
    while (!rest.empty()) {
        const size_t stop = rest.find(' ');
        std::string_view turn = rest.substr(0, stop);
        rest = stop == std::string_view::npos ? std::string_view() : rest.substr(stop + 1);
        if (stop != std::string_view::npos && rest.empty()) return std::nullopt;
        if (turn.size() < 2) return std::nullopt;
        const auto outcome = OutcomeOf(turn[0]);
        if (!outcome) return std::nullopt;
        Turn t;
        t.outcome = *outcome;
        turn.remove_prefix(1);
        while (!turn.empty()) {
            const size_t comma = turn.find(',');
            const auto card = ParseCard(turn.substr(0, comma));
            if (!card) return std::nullopt;
            t.cards.push_back(*card);
            turn = comma == std::string_view::npos ? std::string_view() : turn.substr(comma + 1);
            if (comma != std::string_view::npos && turn.empty()) return std::nullopt;
        }
        // A judged turn shows all its cards; an open one fewer.
        if (t.cards.size() > most || (t.outcome != TurnOutcome::kOpen && t.cards.size() != most))
            return std::nullopt;
        r.turns.push_back(std::move(t));
    }
    return r;
}

RecallProfile Recall(const TurnRecord& record) {
    RecallProfile out;
    std::map<CardCode, Seen> lastSeen;  // before the turn looked at
    std::set<CardCode> gone;            // pairs found
    const bool sequence = record.goal == goal::kAceToKing;
    // The known partner of `card` still in the grid last seen, if any.
    auto knownPartner = [&](CardCode card) -> std::optional<std::pair<CardCode, Seen>> {
        std::optional<std::pair<CardCode, Seen>> best;
        for (const auto& [c, seen] : lastSeen)
            if (!gone.count(c) && PairPartners(record.goal, card, c) &&
                (!best || seen.turn > best->second.turn))
                best = std::make_pair(c, seen);
        return best;
    };
    for (size_t i = 0; i < record.turns.size(); ++i) {
        const Turn& turn = record.turns[i];
        const int t = static_cast<int>(i) + 1;
        if (turn.cards.size() == CardsPerTurn(record.goal)) {
            const TurnCard& last = turn.cards.back();
            const auto seenLast = lastSeen.find(last.card);
            if (turn.outcome == TurnOutcome::kPair && seenLast != lastSeen.end())
                out.spans.push_back(t - seenLast->second.turn);
            if (turn.outcome == TurnOutcome::kSlip) {
                SlipMark m;
                m.turn = t;
                std::optional<std::pair<CardCode, Seen>> partner;
                if (sequence) {
                    m.card = last.card;
                    if (seenLast != lastSeen.end()) partner = {last.card, seenLast->second};
                } else {
                    m.card = turn.cards[0].card;
                    partner = knownPartner(m.card);
                    if (!partner && seenLast != lastSeen.end()) {
                        m.card = last.card;
                        partner = knownPartner(m.card);
                    }
                }
                if (partner) {
                    m.partner = partner->first;
                    m.row = partner->second.row;
                    m.column = partner->second.column;
                    m.turnsAgo = t - partner->second.turn;
                }
                out.slips.push_back(m);
            }
        }
        for (const TurnCard& c : turn.cards) lastSeen[c.card] = {t, c.row, c.column};
        if (turn.outcome == TurnOutcome::kPair && !sequence)
            for (const TurnCard& c : turn.cards) gone.insert(c.card);
    }
    return out;
}

int SlipCount(const TurnRecord& record) {
    return static_cast<int>(
        std::count_if(record.turns.begin(), record.turns.end(),
                      [](const Turn& t) { return t.outcome == TurnOutcome::kSlip; }));
}

void SlipHeat::Add(const TurnRecord& record) {
    auto inside = [](int row, int column) {
        return row >= 0 && column >= 0 && row < kMostRows && column < kHeatColumns;
    };
    // The map covers every place a card was turned at, so the grid shows whole.
    int newRows = rows, newColumns = columns;
    for (const Turn& t : record.turns)
        for (const TurnCard& c : t.cards)
            if (inside(c.row, c.column)) {
                newRows = std::max(newRows, c.row + 1);
                newColumns = std::max(newColumns, c.column + 1);
            }
    if (newRows != rows || newColumns != columns) {
        std::vector<int> grown(Cell(newRows, 0, newColumns), 0);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) grown[Cell(r, c, newColumns)] = At(r, c);
        counts = std::move(grown);
        rows = newRows;
        columns = newColumns;
    }
    for (const SlipMark& m : Recall(record).slips)
        if (m.row >= 0 && m.column >= 0 && m.row < rows && m.column < columns)
            ++counts[Cell(m.row, m.column, columns)];
}

int SlipHeat::At(int row, int column) const {
    if (row < 0 || column < 0 || row >= rows || column >= columns) return 0;
    return counts[Cell(row, column, columns)];
}

int SlipHeat::Most() const {
    return counts.empty() ? 0 : *std::max_element(counts.begin(), counts.end());
}

int SpanBand(int span) {
    if (span <= 5) return std::max(span, 1) - 1;
    if (span <= 10) return 5;
    return span <= 20 ? 6 : 7;
}

MemorySummary SummarizeMemory(const std::vector<TurnRecord>& games) {
    MemorySummary out;
    for (const TurnRecord& g : games) {
        for (int span : Recall(g).spans) ++out.spanBands[static_cast<size_t>(SpanBand(span))];
        out.slipsPerGame.push_back(SlipCount(g));
        out.heat.Add(g);
    }
    const size_t n = out.slipsPerGame.size();
    if (n == 0) return out;
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    for (size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i), y = out.slipsPerGame[i];
        sx += x;
        sy += y;
        sxx += x * x;
        sxy += x * y;
    }
    const double count = static_cast<double>(n);
    const double spread = count * sxx - sx * sx;
    const double slope = spread > 0 ? (count * sxy - sx * sy) / spread : 0;
    const double start = (sy - slope * sx) / count;
    out.trendFirst = start;
    out.trendLast = start + slope * (count - 1);
    return out;
}

std::vector<int64_t> PairTimes(const TurnRecord& record) {
    std::vector<int64_t> times;
    for (const Turn& t : record.turns)
        if (t.outcome == TurnOutcome::kPair && !t.cards.empty()) {
            // Kept non-decreasing so a damaged record cannot make the curve go back.
            const int64_t ms = t.cards.back().ms;
            times.push_back(times.empty() ? ms : std::max(times.back(), ms));
        }
    return times;
}

std::vector<int64_t> BestRun(const std::vector<TurnRecord>& games, std::string_view deal) {
    std::vector<int64_t> best;
    if (deal.empty()) return best;
    for (const TurnRecord& g : games) {
        if (g.deal != deal) continue;
        std::vector<int64_t> times = PairTimes(g);
        if (times.size() > best.size() ||
            (times.size() == best.size() && !times.empty() && times.back() < best.back()))
            best = std::move(times);
    }
    return best;
}

int PairsBy(const std::vector<int64_t>& pairTimes, int64_t ms) {
    return static_cast<int>(std::upper_bound(pairTimes.begin(), pairTimes.end(), ms) -
                            pairTimes.begin());
}

}  // namespace bw
