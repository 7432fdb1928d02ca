#include "soak.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <map>
#include <sstream>

#include "app/memory_end_dialog.h"
#include "app/open_game_dialog.h"
#include "core/cards.h"
#include "core/families/family.h"
#include "core/game.h"
#include "core/history.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/score.h"
#include "core/state.h"
#include "gui/play_support.h"
#include "interaction/undo.h"
#include "storage/games_source.h"
#include "support/program_game.h"

namespace bw::soak {

// ------------------------------------------------------------ text forms

namespace {

std::vector<std::string> Split(const std::string& text, char sep) {
    std::vector<std::string> out;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, sep))
        if (!part.empty()) out.push_back(part);
    return out;
}

}  // namespace

std::string FormatEvents(const std::vector<Event>& events) {
    std::string out;
    for (const Event& e : events) {
        if (!out.empty()) out += ';';
        out += static_cast<char>(e.kind);
        switch (e.kind) {
            case Event::kPress:
            case Event::kRelease:
            case Event::kDoubleClick:
                out += std::to_string(e.x) + "," + std::to_string(e.y) + "," + e.button;
                if (e.ctrl) out += 'c';
                break;
            case Event::kMove: out += std::to_string(e.x) + "," + std::to_string(e.y); break;
            case Event::kKey:
                if (e.ctrl) out += 'c';
                out += std::to_string(e.key);
                break;
            case Event::kResize: out += std::to_string(e.x) + "," + std::to_string(e.y); break;
            case Event::kTick: break;
        }
        if (e.choice) out += "/" + std::to_string(e.choice);
    }
    return out;
}

std::optional<std::vector<Event>> ParseEvents(const std::string& text) {
    std::vector<Event> out;
    for (std::string item : Split(text, ';')) {
        Event e;
        const size_t slash = item.find('/');
        if (slash != std::string::npos) {
            e.choice = static_cast<uint32_t>(std::stoul(item.substr(slash + 1)));
            item.resize(slash);
        }
        e.kind = static_cast<Event::Kind>(item[0]);
        std::string rest = item.substr(1);
        if (!rest.empty() && rest.back() == 'c') {
            e.ctrl = true;
            rest.pop_back();
        }
        if (e.kind == Event::kKey && !rest.empty() && rest[0] == 'c') {
            e.ctrl = true;
            rest.erase(0, 1);
        }
        const std::vector<std::string> f = Split(rest, ',');
        switch (e.kind) {
            case Event::kPress:
            case Event::kRelease:
            case Event::kDoubleClick:
                if (f.size() != 3 || f[2].size() != 1) return std::nullopt;
                e.button = f[2][0];
                [[fallthrough]];
            case Event::kMove:
            case Event::kResize:
                if (f.size() < 2) return std::nullopt;
                e.x = std::stoi(f[0]);
                e.y = std::stoi(f[1]);
                break;
            case Event::kKey:
                if (f.size() != 1) return std::nullopt;
                e.key = std::stoi(f[0]);
                break;
            case Event::kTick: break;
            default: return std::nullopt;
        }
        out.push_back(e);
    }
    return out;
}

std::string Describe(const Event& e) {
    const std::string at = "(" + std::to_string(e.x) + ", " + std::to_string(e.y) + ")";
    const std::string button = e.button == 'L' ? "left" : e.button == 'R' ? "right" : "middle";
    const std::string ctrl = e.ctrl ? "Ctrl+" : "";
    switch (e.kind) {
        case Event::kPress: return ctrl + button + " press at " + at;
        case Event::kRelease: return ctrl + button + " release at " + at;
        case Event::kDoubleClick: return "double-click at " + at;
        case Event::kMove: return "pointer to " + at;
        case Event::kKey: return "key " + ctrl + QKeySequence(e.key).toString().toStdString();
        case Event::kResize:
            return "window to " + std::to_string(e.x) + " x " + std::to_string(e.y);
        case Event::kTick: return "one second";
    }
    return "?";
}

std::string FormatSetup(const EpisodeSetup& s) {
    std::string prefs = s.prefs;
    std::replace(prefs.begin(), prefs.end(), '\r', ' ');
    std::replace(prefs.begin(), prefs.end(), '\n', ',');
    return std::to_string(s.seed) + "|" + s.gamesFile + "|" + std::to_string(s.gameId) + "|" +
           s.gameName + "|" + prefs;
}

std::optional<EpisodeSetup> ParseSetup(const std::string& text) {
    std::vector<std::string> f;
    std::istringstream in(text);
    std::string part;
    while (std::getline(in, part, '|')) f.push_back(part);
    if (f.size() != 5) return std::nullopt;
    EpisodeSetup s;
    s.seed = std::stoull(f[0]);
    s.gamesFile = f[1];
    s.gameId = std::stoi(f[2]);
    s.gameName = f[3];
    for (std::string line : Split(f[4], ',')) {
        while (!line.empty() && line.back() == ' ') line.pop_back();
        s.prefs += line + "\r\n";
    }
    return s;
}

std::string FailureKind(const std::string& failure) {
    return failure.substr(0, failure.find(':'));
}

// ------------------------------------------------------------ games and settings

namespace {

std::string GamesPath(const std::string& file) {
    return file == "test" ? std::string(BW_TEST_GAMES_DAT)
                          : std::string(BW_PROGRAM_DIR) + "GAMES.DAT";
}

}  // namespace

std::vector<GameRef> AllGames() {
    std::vector<GameRef> out;
    for (const char* file : {"shipped", "test"}) {
        std::vector<GameSource> games;
        std::vector<std::string> warnings;
        DecodeGames(test::ReadFile(GamesPath(file)), games, warnings);
        for (const GameSource& g : games)
            if (g.editionClass == '0' || g.editionClass == '5') out.push_back({file, g.id, g.name});
    }
    return out;
}

EpisodeSetup MakeSetup(uint64_t seed, const GameRef& game) {
    std::mt19937_64 rng(seed);
    auto pick = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    auto yn = [&](const char* key, int percentYes) {
        return std::string(key) + "=" + (pick(percentYes) ? "Y" : "N") + "\r\n";
    };
    EpisodeSetup s;
    s.seed = seed;
    s.gamesFile = game.gamesFile;
    s.gameId = game.id;
    s.gameName = game.name;
    // The settings a player changes most, so the soak covers both sides.
    s.prefs = yn("AutoPlay", 50) + yn("Cards_Animate", 50) + yn("Cards_Shadowed", 70) +
              yn("RightClick_To_Foundations", 70) + yn("RightClick_To_Tableaus", 50) +
              yn("DoubleClick_To_Foundations", 70) + yn("DoubleClick_To_Tableaus", 50) +
              yn("ConfirmQuitGame", 30) + yn("Show_Partial_Hidden_Card", 70) +
              "Undo_Enabled=" + (pick(10) ? "2" : "0") + "\r\n" + "Card_Size=" + "BMS"[rng() % 3] +
              "\r\n";
    // The dealing animation draws card by card: rarely, it is slow.
    if (pick(10)) s.prefs += "Deal_Animation=Y\r\n";
    return s;
}

// ------------------------------------------------------------ the window

namespace {

// Tells the episode when a new table has been dealt: the empty table is
// painted, then the whole table, with no history yet.
class SoakTable : public ShellTable {
public:
    using ShellTable::ShellTable;
    std::function<void()> onDeal;
    void PaintEmptyTable() override {
        pendingDeal_ = true;
        ShellTable::PaintEmptyTable();
    }
    void RepaintTable(bool animateDeal) override {
        ShellTable::RepaintTable(animateDeal);
        if (pendingDeal_ && StepCount(ProgramGame().UndoLists) == 0 &&
            StepCount(ProgramGame().RedoLists) == 0 && onDeal)
            onDeal();
        pendingDeal_ = false;
    }

private:
    bool pendingDeal_ = false;
};

// Answers the program's questions from the current event's choice.
class SoakDialogs : public test::RecordingDialogs {
public:
    uint32_t choice = 0;
    int asked = 0;
    bool Confirm(const std::string& text) override {
        confirms.push_back(text);
        return ((choice >> (2 * (asked++ % 16))) & 3) != 0;  // yes three times in four
    }
};

using Window = test::PlayWindow<SoakTable>;

std::string CodeList(const std::vector<int>& codes) {
    std::string out;
    for (int c : codes) out += (out.empty() ? "" : " ") + std::to_string(c);
    return out;
}

std::vector<int> CodesOf(const std::string& pile) {
    std::vector<int> out;
    for (int i = 0; i < SlotCount(pile); ++i)
        if (CardCode c = SlotCode(pile, i); c != 0) out.push_back(c);
    return out;
}

int Cards(const std::string& pile) {
    return static_cast<int>(pile.size() / 3);
}

// ------------------------------------------------------------ invariants

// The piles that are records rather than places: the selection list of the
// selection games (Dest1) and the run record of "Ace-To-King" (Appogg1).
bool SelectionGame() {
    return FirstFoundationIsSelection(ProgramGame().GameRules);
}
bool RunRecordGame() {
    return ProgramGame().GameRules[51] == 36;
}

std::vector<int> TableCodes() {
    std::vector<int> out;
    auto add = [&](const std::string& p) {
        for (int c : CodesOf(p)) out.push_back(c);
    };
    for (const auto& p : ProgramGame().MazzoPiles) add(p);
    for (const auto& p : ProgramGame().FilaPiles) add(p);
    for (size_t i = 0; i < ProgramGame().DestPiles.size(); ++i)
        if (i != 0 || !SelectionGame()) add(ProgramGame().DestPiles[i]);
    for (size_t i = 0; i < ProgramGame().AppoggPiles.size(); ++i)
        if (i != 0 || !RunRecordGame()) add(ProgramGame().AppoggPiles[i]);
    std::sort(out.begin(), out.end());
    return out;
}

// The run record's length as the score counts it.
int RunLength(const std::string& record) {
    const std::vector<int> codes = CodesOf(record);
    if (codes.empty()) return 0;
    if (codes.size() == 1) return RankOf(codes[0]) == 1 ? 1 : 0;
    int steps = 0;
    for (size_t i = 1; i < codes.size() && RankOf(codes[i]) == RankOf(codes[i - 1]) + 1; ++i)
        ++steps;
    return steps > 0 ? steps + 1 : 0;
}

int TwinRowsMatched() {
    for (int j = 0; j < 10; ++j)
        if (ProgramGame().FilaPiles[static_cast<size_t>(j)].empty()) return 0;
    int n = 0;
    for (int j = 0; j < 10; ++j)
        if (BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(j)]) ==
            BottomCode(ProgramGame().DestPiles[static_cast<size_t>(j)]) + 52)
            ++n;
    return n;
}

// The score of the current table by the goal kind's formula; nullopt where
// the score is not recomputed (goal kinds 9 and 59).
std::optional<int> FormulaScore() {
    const int k = ProgramGame().GameRules[51], n = ProgramGame().GameRules[371],
              m = ProgramGame().Options.Opt(99);
    const int waste = Cards(ProgramGame().MazzoPiles[2]),
              pairs = static_cast<int>(ProgramGame().MazzoPiles[2].size() / 6);
    auto fila = [](int from, int to) {
        int c = 0;
        for (int i = from; i <= to; ++i)
            c += Cards(ProgramGame().FilaPiles[static_cast<size_t>(i - 1)]);
        return c;
    };
    // The selection list in Dest1 of the selection games holds no cards.
    auto dest = [](int from, int to) {
        int c = 0;
        for (int i = std::max(from, SelectionGame() ? 2 : 1); i <= to; ++i)
            c += Cards(ProgramGame().DestPiles[static_cast<size_t>(i - 1)]);
        return c;
    };
    auto nineToOne = [](const std::string& p) {
        if (Cards(p) != 9) return false;
        for (int i = 0; i < 9; ++i)
            if (RankOf(SlotCode(p, i)) != 9 - i) return false;
        return true;
    };
    switch (k) {
        case 9:
        case 59: return std::nullopt;
        case 32:
        case 40:
        case 41:
        case 42:
        case 46: return 0;
        case 34: {
            int s = -n;
            for (int i = 0; i < ProgramGame().GameRules[368]; ++i) {
                const CardCode c = BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(i)]);
                if (c == 0 || (c != i + 1 && c != i + 14)) break;
                s += 10;
            }
            return s;
        }
        case 35: return -n + 10 * waste;
        case 36: return 15 * RunLength(ProgramGame().AppoggPiles[0]) - m - 52;
        case 37: return 10 * pairs - 2 * m - 52;
        case 38: return -n + 10 * TwinRowsMatched();
        case 39: return 7 * pairs - m - 52;
        case 43: {
            int s = -n;
            for (const auto& p : ProgramGame().FilaPiles)
                if (nineToOne(p)) s += 225;
            return s;
        }
        case 44: return -n;
        case 47: {
            const bool any =
                std::any_of(ProgramGame().FilaPiles.begin(), ProgramGame().FilaPiles.end(),
                            [](const std::string& p) { return !p.empty(); });
            return any ? -n + 5 * waste : -n + 5 * n;
        }
        case 48: return -n + 5 * ProgramGame().GameRules[46] + 5 * dest(2, 2);
        case 49: return -n + 5 * ProgramGame().GameRules[46] + 5 * fila(1, 24);
        case 55: return -n + 5 * fila(1, 40);
        case 57: {
            for (int g = 0; g < 4; ++g) {
                int sum = 0;
                for (int i = 4 * g; i < 4 * g + 4; ++i)
                    sum += std::max(
                        RankOf(BottomCode(ProgramGame().FilaPiles[static_cast<size_t>(i)])), 0);
                if (sum != ProgramGame().Options.Opt(118 + g)) return -52;
            }
            return 48;
        }
        case 58: {
            int sum = 0;
            for (int i = 0; i < 5; ++i) {
                const std::string& p = ProgramGame().DestPiles[static_cast<size_t>(i)];
                if (p.empty()) return -52;
                sum += RankOf(BottomCode(p));
            }
            return sum == GameNumberTargetSum(ProgramGame().values.number) ? 23 : -52;
        }
        case 62: return -n + 5 * fila(1, 16) + 5 * dest(1, 8);
        default: {
            if (GetParameter(120, 2) != "01") return 0;
            const int r47 = ProgramGame().GameRules[47];
            const int b = r47 == 0 ? -n : r47 == 1 ? (n == 104 ? -64 : -32) : r47 == 2 ? -28 : 0;
            return b + 5 * ProgramGame().GameRules[46] + 5 * waste -
                   5 * ProgramGame().GameRules[374] + 5 * dest(1, 16);
        }
    }
}

struct Snapshot {
    PileList mazzo, dest, fila, appogg;
    std::string faces;
    std::string score;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take() {
    Snapshot s{ProgramGame().MazzoPiles,
               ProgramGame().DestPiles,
               ProgramGame().FilaPiles,
               ProgramGame().AppoggPiles,
               "",
               ProgramGame().values.score};
    for (const std::string& line : ProgramGame().CardRegister)
        s.faces += line.empty() ? '?' : line.back();
    return s;
}

std::string Difference(const Snapshot& a, const Snapshot& b) {
    auto list = [](const char* name, const PileList& x, const PileList& y) {
        std::string out;
        for (size_t i = 0; i < x.size() && i < y.size(); ++i)
            if (x[i] != y[i])
                out += std::string(" ") + name + std::to_string(i + 1) + " " + x[i] + " -> " + y[i];
        return out;
    };
    std::string d = list("stock", a.mazzo, b.mazzo) + list("Dest", a.dest, b.dest) +
                    list("Fila", a.fila, b.fila) + list("Appogg", a.appogg, b.appogg);
    for (size_t i = 0; i < a.faces.size() && i < b.faces.size(); ++i)
        if (a.faces[i] != b.faces[i])
            d += " card " + std::to_string(i + 1) + " face " + a.faces[i] + " -> " + b.faces[i];
    if (a.score != b.score) d += " score " + a.score + " -> " + b.score;
    return d;
}

// ------------------------------------------------------------ the trace

// FNV-1a, 64 bits: the same on every platform and build.
class Fnv {
public:
    void Add(const std::string& text) {
        for (const char c : text) Byte(static_cast<unsigned char>(c));
        Byte(0xFF);  // ends the field, so "12"+"3" differs from "1"+"23"
    }
    void Add(long long v) { Add(std::to_string(v)); }
    uint64_t value() const { return h_; }

private:
    void Byte(unsigned char c) {
        h_ ^= c;
        h_ *= 0x100000001B3ULL;
    }
    uint64_t h_ = 0xCBF29CE484222325ULL;
};

}  // namespace

uint64_t TableHash() {
    Fnv h;
    for (const PileList* list : {&ProgramGame().MazzoPiles, &ProgramGame().FilaPiles,
                                 &ProgramGame().DestPiles, &ProgramGame().AppoggPiles}) {
        h.Add(static_cast<long long>(list->size()));
        for (const std::string& p : *list) h.Add(p);
    }
    std::string faces;
    for (const std::string& line : ProgramGame().CardRegister)
        faces += line.empty() ? '?' : line.back();
    h.Add(faces);
    h.Add(ProgramGame().values.score);
    for (const uint8_t f : ProgramGame().GameFlags) h.Add(f);
    h.Add(StepCount(ProgramGame().UndoLists));
    h.Add(StepCount(ProgramGame().RedoLists));
    return h.value();
}

namespace {

// ------------------------------------------------------------ one episode

class Episode {
public:
    explicit Episode(const EpisodeSetup& setup)
        : setup_(setup), rng_(setup.seed ^ 0x9E3779B97F4A7C15ULL), w_(GamesPath(setup.gamesFile)) {
        InstalledPorts().dialogs = &dialogs_;
        w_.table.onDeal = [this] { RecordPack(); };
        answer_.setInterval(0);
        QObject::connect(&answer_, &QTimer::timeout, [this] { AnswerModal(); });
    }
    ~Episode() {
        answer_.stop();
        if (formMade_) FreeOpenGameForm();
    }

    bool Start(std::string& failure) {
        w_.WriteFirstRunSettings(setup_.gameId, setup_.gameName, setup_.prefs);
        if (!w_.window.FormCreate()) {
            failure = "start: the window could not be created";
            return false;
        }
        w_.window.Timer1->stop();  // ticks are events of their own
        platform::Rng().Seed(setup_.seed);
        w_.window.show();
        QApplication::setActiveWindow(&w_.window);
        answer_.start();
        w_.window.Activated();
        if (!Flag(ProgramGame(), flag::kInProgress) || !havePack_) {
            failure = "start: game " + std::to_string(setup_.gameId) + " was not dealt";
            return false;
        }
        OpenGameForm(ProgramGame(), &w_.window);
        formMade_ = true;
        w_.shell.openGameDialog = [this] { OpenGameCommand(ProgramGame(), &w_.window); };
        return true;
    }

    // A made-up event for the table as it is now.
    Event Invent() {
        if (!gesture_.empty()) {
            Event e = gesture_.front();
            gesture_.erase(gesture_.begin());
            return e;
        }
        const int r = Below(1000);
        const uint32_t choice = static_cast<uint32_t>(rng_());
        Event e;
        e.choice = choice;
        // A player who remembers: now and then the move that gets a memory
        // game on, so that games also reach their end.
        if (Below(100) < 35) {
            QPoint from, to;
            if (HelpfulMove(from, to)) {
                if (from == to)
                    Gesture({Mouse(Event::kPress, from, 'L'), Mouse(Event::kRelease, from, 'L')});
                else
                    Gesture({Mouse(Event::kPress, from, 'L'),
                             Mouse(Event::kMove, (from + to) / 2, 'L'),
                             Mouse(Event::kMove, to, 'L'), Mouse(Event::kRelease, to, 'L')});
                gesture_.front().choice = choice;
                return Invent();
            }
        }
        if (r < 300) {  // a click
            const QPoint p = SomePoint();
            Gesture({Mouse(Event::kPress, p, 'L'), Mouse(Event::kRelease, p, 'L')});
        } else if (r < 520) {  // a drag
            const QPoint from = SomePoint(), to = SomePoint(true);
            std::vector<Event> g{Mouse(Event::kPress, from, 'L')};
            const int steps = 1 + Below(4);
            for (int s = 1; s <= steps; ++s)
                g.push_back(Mouse(Event::kMove, from + (to - from) * s / steps, 'L'));
            // Now and then something else happens while the cards are held.
            if (Below(10) == 0) {
                const int what = Below(5);
                Event other;
                other.kind = what < 3 ? Event::kKey : what == 3 ? Event::kResize : Event::kTick;
                other.ctrl = what < 2;
                other.key = what == 0 ? Qt::Key_Z : what == 1 ? Qt::Key_Y : Qt::Key_F2;
                other.x = 640 + Below(800);
                other.y = 480 + Below(540);
                other.choice = static_cast<uint32_t>(rng_());
                g.insert(g.begin() + 1 + Below(steps), other);
            }
            g.push_back(Mouse(Event::kRelease, to, Below(10) == 0 ? 'R' : 'L'));
            Gesture(g);
        } else if (r < 620) {  // the double click as the system delivers it
            const QPoint p = SomePoint();
            Gesture({Mouse(Event::kPress, p, 'L'), Mouse(Event::kRelease, p, 'L'),
                     Mouse(Event::kDoubleClick, p, 'L'), Mouse(Event::kRelease, p, 'L')});
        } else if (r < 730) {  // right click; with Ctrl it turns a memory card
            const QPoint p = SomePoint();
            Event press = Mouse(Event::kPress, p, 'R'), release = Mouse(Event::kRelease, p, 'R');
            press.ctrl = release.ctrl = Below(4) == 0;
            Gesture({press, release});
        } else if (r < 750) {
            const QPoint p = SomePoint();
            Gesture({Mouse(Event::kPress, p, 'M'), Mouse(Event::kRelease, p, 'M')});
        } else if (r < 790) {
            e.kind = Event::kMove;
            const QPoint p = SomePoint();
            e.x = p.x(), e.y = p.y();
            return e;
        } else if (r < 920) {  // shortcuts: undo, redo, new game, open, autoplay
            e.kind = Event::kKey;
            const int k = Below(100);
            e.ctrl = k < 80 || (k >= 94 && k < 98);
            e.key = k < 45   ? Qt::Key_Z
                    : k < 80 ? Qt::Key_Y
                    : k < 94 ? Qt::Key_F2
                    : k < 98 ? Qt::Key_F12
                             : Qt::Key_F7;
            return e;
        } else if (r < 940) {
            e.kind = Event::kResize;
            e.x = 640 + Below(800);
            e.y = 480 + Below(540);
            return e;
        } else {
            e.kind = Event::kTick;
            return e;
        }
        gesture_.front().choice = choice;
        return Invent();
    }

    // Plays one event; false (and `failure`) when an invariant broke.
    bool Play(const Event& e, std::string& failure) {
        dialogs_.choice = e.choice;
        dialogs_.asked = 0;
        current_ = &e;
        const QPoint at(e.x, e.y);
        const Qt::KeyboardModifiers mods = e.ctrl ? Qt::ControlModifier : Qt::NoModifier;
        const Qt::MouseButton button = e.button == 'R'   ? Qt::RightButton
                                       : e.button == 'M' ? Qt::MiddleButton
                                                         : Qt::LeftButton;
        QWidget* table = w_.window.imgSfondo;
        const bool running = Flag(ProgramGame(), flag::kInProgress);
        switch (e.kind) {
            case Event::kPress: QTest::mousePress(table, button, mods, at); break;
            case Event::kRelease: QTest::mouseRelease(table, button, mods, at); break;
            case Event::kDoubleClick: QTest::mouseDClick(table, button, mods, at); break;
            case Event::kMove: QTest::mouseMove(table, at); break;
            case Event::kKey:
                QTest::keyClick(&w_.window, static_cast<Qt::Key>(e.key), mods);
                QCoreApplication::processEvents();
                break;
            case Event::kResize:
                w_.window.resize(e.x, e.y);
                QCoreApplication::processEvents();
                break;
            case Event::kTick:
                w_.clock.Advance(1000);
                w_.window.Timer1Timer();
                break;
        }
        current_ = nullptr;
        if (running && !Flag(ProgramGame(), flag::kInProgress)) ++ended_;
        failure = Check(e.kind == Event::kRelease);
        return failure.empty();
    }

    bool Closed() const { return !w_.window.isVisible(); }
    void Count(RunResult& r) const {
        r.checks = checks_;
        r.undoChecks = undoChecks_;
        r.deals = deals_;
        r.dialogs = dialogs_answered_;
        r.ended = ended_;
    }

private:
    int Below(int n) { return static_cast<int>(rng_() % static_cast<uint64_t>(n)); }

    static Event Mouse(Event::Kind kind, QPoint p, char button) {
        Event e;
        e.kind = kind;
        e.x = p.x();
        e.y = p.y();
        e.button = button;
        return e;
    }
    void Gesture(std::vector<Event> events) { gesture_ = std::move(events); }

    // A point on some card or pile of the table (a drop target: the place
    // for one more card), now and then anywhere on the table.
    QPoint SomePoint(bool target = false) {
        struct Pile {
            std::string name;
            int index;
        };
        std::vector<Pile> piles;
        for (int i = 0; i < 3; ++i)
            if (OnTable(ProgramGame().Options.StockLeft(i)))
                piles.push_back({PileName(kMazzo + i, 0), i});
        for (int i = 0; i < 40; ++i)
            if (OnTable(ProgramGame().FilaLeft[static_cast<size_t>(i)]))
                piles.push_back({PileName(kFila, i + 1), i});
        for (int i = 0; i < 16; ++i)
            if (OnTable(ProgramGame().Options.DestLeft(i)))
                piles.push_back({PileName(kDest, i + 1), i});
        for (int i = 0; i < 10; ++i)
            if (OnTable(ProgramGame().Options.AppoggLeft(i)))
                piles.push_back({PileName(kAppogg, i + 1), i});
        const QWidget* table = w_.window.imgSfondo;
        if (piles.empty() || Below(10) == 0)
            return {Below(std::max(table->width(), 1)), Below(std::max(table->height(), 1))};
        const Pile& p = piles[static_cast<size_t>(Below(static_cast<int>(piles.size())))];
        const std::string* cards = PileByName(ProgramGame(), p.name);
        const int n = cards ? SlotCount(*cards) : 0;
        const int k = target ? n : Below(n + 1);
        const CardPoint c =
            CardSlotPosition(ProgramGame(), p.name, p.index, std::min(k, std::max(n - 1, 0)));
        return {c.left + 2 + Below(std::max(ProgramGame().CardWidth - 4, 1)),
                c.top + 2 + Below(std::max(ProgramGame().CardHeight - 4, 1))};
    }

    static QPoint Middle(int row, int k) {
        const CardPoint c = CardSlotPosition(ProgramGame(), PileName(kFila, row + 1), row, k);
        return {c.left + ProgramGame().CardWidth / 2, c.top + ProgramGame().CardHeight / 2};
    }

    // The press that turns up the partner of the face-up card (the next
    // card of the run in "Ace-To-King"), or the drag of a twin under its
    // model in "Forget me not"; from == to for a click.
    bool HelpfulMove(QPoint& from, QPoint& to) {
        const int goal = ProgramGame().GameRules[51],
                  rows = std::clamp<int>(ProgramGame().GameRules[368], 0, 40);
        if (!Flag(ProgramGame(), flag::kInProgress)) return false;
        if (goal == 38) {
            for (int r = 10; r < rows; ++r) {
                const CardCode t = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(r)]);
                for (int j = 0; j < 10 && t > 52; ++j)
                    if (BottomCode(ProgramGame().DestPiles[static_cast<size_t>(j)]) == t - 52 &&
                        ProgramGame().FilaPiles[static_cast<size_t>(j)].empty()) {
                        from = Middle(
                            r, SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(r)]) - 1);
                        to = Middle(j, 0);
                        return true;
                    }
            }
            return false;
        }
        if (goal != 36 && goal != 37 && goal != 39) return false;
        CardCode up = 0;
        for (int r = 0; r < rows && !up; ++r)
            for (int c : CodesOf(ProgramGame().FilaPiles[static_cast<size_t>(r)]))
                if (IsFaceUp(ProgramGame(), c)) up = c;
        const int want = goal == 36 ? SlotCount(ProgramGame().AppoggPiles[0]) + 1 : 0;
        if (goal != 36 && !up) return false;
        for (int r = 0; r < rows; ++r) {
            const std::string& row = ProgramGame().FilaPiles[static_cast<size_t>(r)];
            for (int k = 0; k < SlotCount(row); ++k) {
                const CardCode c = SlotCode(row, k);
                if (c == 0 || IsFaceUp(ProgramGame(), c)) continue;
                const bool fits = goal == 36   ? RankOf(c) == want
                                  : goal == 37 ? c == up + 52 || up == c + 52
                                               : RankOf(c) == RankOf(up);
                if (fits) {
                    from = to = Middle(r, k);
                    return true;
                }
            }
        }
        return false;
    }

    void RecordPack() {
        pack_ = TableCodes();
        models_.clear();
        if (ProgramGame().GameRules[51] == 38)
            for (int j = 0; j < 10; ++j)
                if (CardCode c = BottomCode(ProgramGame().DestPiles[static_cast<size_t>(j)]);
                    c != 0)
                    models_.push_back(c);
        havePack_ = true;
        ++deals_;
    }

    // The dialogs the program opens modally, answered from the event's choice.
    void AnswerModal() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        if (modal != lastModal_) {
            lastModal_ = modal;
            attempts_ = 0;
        }
        const uint32_t choice =
            (current_ ? current_->choice : 0) + static_cast<uint32_t>(attempts_);
        if (attempts_++ == 0) ++dialogs_answered_;
        if (attempts_ > 6) {
            modal->close();
            return;
        }
        if (auto* end = qobject_cast<TfrmMemoryEnd*>(modal)) {
            end->btnOK->click();
            return;
        }
        if (auto* open = qobject_cast<TfrmOpenGame*>(modal)) {
            QTreeWidget* tree = open->trvGames;
            if ((choice & 3) == 0 || tree->topLevelItemCount() == 0 || attempts_ > 3) {
                open->btnCancel->click();
                return;
            }
            QTreeWidgetItem* node =
                tree->topLevelItem(static_cast<int>((choice >> 2) % tree->topLevelItemCount()));
            tree->expandItem(node);
            if (node->childCount() > 0)
                node = node->child(static_cast<int>((choice >> 10) % node->childCount()));
            tree->scrollToItem(node);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(node).center());
            open->btnOK->click();
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
            return;
        }
        modal->close();
    }

    std::string Check(bool afterRelease) {
        ++checks_;
        // Face flags and well-formed piles.
        for (size_t i = 0; i < ProgramGame().CardRegister.size(); ++i) {
            const std::string& line = ProgramGame().CardRegister[i];
            if (line.size() != 20 || (line.back() != '0' && line.back() != '1'))
                return "face: card register line " + std::to_string(i + 1) + " is \"" + line + "\"";
        }
        for (const PileList* list : {&ProgramGame().MazzoPiles, &ProgramGame().FilaPiles,
                                     &ProgramGame().DestPiles, &ProgramGame().AppoggPiles})
            for (const std::string& p : *list) {
                if (p.size() % 3 != 0 || p.find_first_not_of("0123456789") != std::string::npos)
                    return "pile: malformed pile \"" + p + "\"";
                for (int i = 0; i < SlotCount(p); ++i)
                    if (SlotCode(p, i) > 108) return "pile: card code above 108 in \"" + p + "\"";
            }
        if (afterRelease && ProgramGame().Options.Opt(94) != 0)
            return "held: cards still held after a release";
        if (!havePack_) return std::string();

        // The cards: the dealt pack, each once (plus the twins of the models
        // in "Forget me not" once they are dealt).
        const std::vector<int> table = TableCodes();
        for (size_t i = 1; i < table.size(); ++i)
            if (table[i] == table[i - 1])
                return "twice: card " + std::to_string(table[i]) + " lies twice on the table";
        std::vector<int> missing, extra;
        std::set_difference(pack_.begin(), pack_.end(), table.begin(), table.end(),
                            std::back_inserter(missing));
        std::set_difference(table.begin(), table.end(), pack_.begin(), pack_.end(),
                            std::back_inserter(extra));
        if (!extra.empty() && !models_.empty()) {
            std::vector<int> twins;
            for (int c : models_) twins.push_back(c + 52);
            std::sort(twins.begin(), twins.end());
            if (extra == twins) extra.clear();
        }
        if (!missing.empty() || !extra.empty())
            return "pack: missing [" + CodeList(missing) + "], not dealt [" + CodeList(extra) + "]";
        auto records = [&](const std::string& pile, bool faceUp, const char* what) -> std::string {
            std::vector<int> codes = CodesOf(pile);
            std::sort(codes.begin(), codes.end());
            for (size_t i = 0; i < codes.size(); ++i) {
                if (i > 0 && codes[i] == codes[i - 1])
                    return std::string("record: ") + what + " lists " + std::to_string(codes[i]) +
                           " twice";
                if (!std::binary_search(table.begin(), table.end(), codes[i]))
                    return std::string("record: ") + what + " lists " + std::to_string(codes[i]) +
                           ", which is not on the table";
                if (faceUp && !IsFaceUp(ProgramGame(), codes[i]))
                    return std::string("record: ") + what + " lists " + std::to_string(codes[i]) +
                           ", which is face down";
            }
            return std::string();
        };
        if (SelectionGame())
            if (std::string r = records(ProgramGame().DestPiles[0], false, "the selection");
                !r.empty())
                return r;
        if (RunRecordGame())
            if (std::string r = records(ProgramGame().AppoggPiles[0], true, "the run record");
                !r.empty())
                return r;

        // The score by the goal kind's formula, stored and shown.
        const std::string stored = ProgramGame().values.score;
        if (const std::optional<int> want = FormulaScore(); want && stored != std::to_string(*want))
            return "score: " + stored + " stored, the formula of goal kind " +
                   std::to_string(ProgramGame().GameRules[51]) + " gives " + std::to_string(*want);
        if (w_.window.lblScore->text().toStdString() != stored)
            return "score: the label shows " + w_.window.lblScore->text().toStdString() + ", " +
                   stored + " stored";

        // Undo then redo gives the identical table back (a selection in
        // progress is not part of a step: the selection games are checked
        // between selections).
        if (CanUndo(ProgramGame()) && !(SelectionGame() && !ProgramGame().DestPiles[0].empty())) {
            ++undoChecks_;
            const Snapshot before = Take();
            dialogs_.choice = 0;
            if (!UndoCommand(ProgramGame())) return "undo: refused although it was offered";
            if (!RedoCommand(ProgramGame())) return "undo: redo refused right after an undo";
            const Snapshot after = Take();
            if (!(after == before))
                return "undo: undo then redo changed" + Difference(before, after);
        }
        return std::string();
    }

    EpisodeSetup setup_;
    std::mt19937_64 rng_;
    SoakDialogs dialogs_;
    Window w_;
    QTimer answer_;
    bool formMade_ = false;
    std::vector<Event> gesture_;
    const Event* current_ = nullptr;
    QPointer<QWidget> lastModal_;
    int attempts_ = 0;
    std::vector<int> pack_, models_;
    bool havePack_ = false;
    long long checks_ = 0, undoChecks_ = 0;
    int deals_ = 0, dialogs_answered_ = 0, ended_ = 0;
};

}  // namespace

RunResult RunEpisode(const EpisodeSetup& setup, const std::vector<Event>* events, int generate,
                     std::vector<Event>* generated) {
    RunResult result;
    Episode episode(setup);
    if (!episode.Start(result.failure)) return result;
    const int total = events ? static_cast<int>(events->size()) : generate;
    for (int i = 0; i < total && !episode.Closed(); ++i) {
        if (OnEvent) OnEvent(i);
        const Event e = events ? (*events)[static_cast<size_t>(i)] : episode.Invent();
        if (generated) generated->push_back(e);
        ++result.eventsRun;
        const bool held = episode.Play(e, result.failure);
        if (OnTrace) OnTrace(TableHash());
        if (!held) {
            result.failedAt = i;
            break;
        }
    }
    episode.Count(result);
    return result;
}

}  // namespace bw::soak
