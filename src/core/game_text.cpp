#include "core/game_text.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <vector>

namespace bw {

namespace {

constexpr const char* kMagic = "Brindlewick game ";
// Far beyond any real game (an undo history of every move of a long game is
// some thousands of lines): a count above it is damage.
constexpr size_t kMostLines = 4'000'000;

enum class Form {
    kText,      // any text
    kPile,      // three-digit codes 000..108
    kImage,     // undo snapshot: code 000..108 and face flag 0/1 per slot
    kRegister,  // card register line: 20 characters, code and face flag
};

bool Digits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

bool CodeOk(std::string_view s) {
    if (!Digits(s)) return false;
    const int code = (s[0] - '0') * 100 + (s[1] - '0') * 10 + (s[2] - '0');
    return code <= 108;
}

bool FormOk(const std::string& s, Form form) {
    switch (form) {
        case Form::kText: return true;
        case Form::kPile:
            if (s.size() % 3 != 0) return false;
            for (size_t i = 0; i < s.size(); i += 3)
                if (!CodeOk(std::string_view(s).substr(i, 3))) return false;
            return true;
        case Form::kImage:
            if (s.size() % 4 != 0) return false;
            for (size_t i = 0; i < s.size(); i += 4)
                if (!CodeOk(std::string_view(s).substr(i, 3)) ||
                    (s[i + 3] != '0' && s[i + 3] != '1'))
                    return false;
            return true;
        case Form::kRegister:
            return s.size() == 20 && CodeOk(std::string_view(s).substr(16, 3)) &&
                   (s[19] == '0' || s[19] == '1');
    }
    return false;
}

std::string Escape(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

bool Unescape(std::string_view s, std::string& out) {
    out.clear();
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\\') {
            out += s[i];
            continue;
        }
        if (++i == s.size()) return false;
        if (s[i] == '\\')
            out += '\\';
        else if (s[i] == 'n')
            out += '\n';
        else if (s[i] == 'r')
            out += '\r';
        else
            return false;
    }
    return true;
}

uint64_t Fnv1a(std::string_view s) {
    uint64_t h = 14695981039346656037ULL;
    for (unsigned char c : s) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    return h;
}

std::string Hex(uint64_t v) {
    static const char* kDigits = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, v >>= 4) out[static_cast<size_t>(i)] = kDigits[v & 15];
    return out;
}

class Writer {
public:
    template <typename List>
    void Strings(const char* name, const List& list, Form, size_t, size_t) {
        out_ += std::string(name) + " " + std::to_string(list.size()) + "\n";
        for (const std::string& s : list) out_ += "|" + Escape(s) + "\n";
    }
    void Text(const char* name, const std::string& s, Form) {
        out_ += std::string(name) + " " + Escape(s) + "\n";
    }
    // A record that texts from before it lack; written only when it holds
    // something, so such texts stay as they were.
    void Record(const char* name, const TurnRecord& r) {
        if (r != TurnRecord{}) Text(name, TurnRecordText(r), Form::kText);
    }
    template <typename T>
    void Numbers(const char* name, const T* values, size_t n, int64_t, int64_t) {
        out_ += std::string(name) + " " + std::to_string(n);
        for (size_t i = 0; i < n; ++i)
            out_ += " " + std::to_string(static_cast<int64_t>(values[i]));
        out_ += "\n";
    }
    std::string Finish() {
        out_ += "sum " + Hex(Fnv1a(out_)) + "\n";
        return std::move(out_);
    }

private:
    std::string out_ = kMagic + std::to_string(kGameTextVersion) + "\n";
};

class Reader {
public:
    explicit Reader(std::vector<std::string_view> lines) : lines_(std::move(lines)) {}

    template <typename List>
    void Strings(const char* name, List& list, Form form, size_t least, size_t most) {
        std::string_view rest;
        if (!Head(name, rest)) return;
        size_t n = 0;
        if (!Count(rest, n)) return;
        if (n < least || n > most || n > lines_.size() - next_)
            return Fail(name, "has a wrong length");
        list.clear();
        std::string s;
        for (size_t i = 0; i < n; ++i) {
            const std::string_view line = lines_[next_++];
            if (line.empty() || line[0] != '|' || !Unescape(line.substr(1), s))
                return Fail(name, "has a damaged line");
            if (!FormOk(s, form)) return Fail(name, "holds a value out of range");
            list.push_back(s);
        }
    }
    void Text(const char* name, std::string& s, Form form) {
        std::string_view rest;
        if (!Head(name, rest)) return;
        if (!Unescape(rest, s) || !FormOk(s, form)) Fail(name, "is damaged");
    }
    void Record(const char* name, TurnRecord& r) {
        const std::string_view key(name);
        if (!ok_ || next_ >= lines_.size() ||
            lines_[next_].substr(0, key.size() + 1) != std::string(name) + " ")
            return;
        std::string text;
        Text(name, text, Form::kText);
        if (!ok_) return;
        const auto parsed = ParseTurnRecord(text);
        if (!parsed) return Fail(name, "is damaged");
        r = *parsed;
    }
    template <typename T>
    void Numbers(const char* name, T* values, size_t n, int64_t least, int64_t most) {
        std::string_view rest;
        if (!Head(name, rest)) return;
        size_t count = 0;
        if (!Count(rest, count)) return;
        if (count != n) return Fail(name, "has a wrong length");
        for (size_t i = 0; i < n; ++i) {
            int64_t v = 0;
            if (!Field(rest, v)) return Fail(name, "is damaged");
            if (v < least || v > most) return Fail(name, "holds a value out of range");
            values[i] = static_cast<T>(v);
        }
        if (!rest.empty()) Fail(name, "has a wrong length");
    }

    bool Done() {
        if (ok_ && next_ != lines_.size()) Fail("the end", "is followed by more");
        return ok_;
    }
    const std::string& Error() const { return error_; }

private:
    bool Head(const char* name, std::string_view& rest) {
        if (!ok_) return false;
        if (next_ >= lines_.size()) {
            Fail(name, "is missing: the text is cut short");
            return false;
        }
        const std::string_view line = lines_[next_++];
        const std::string_view key(name);
        if (line.substr(0, key.size()) != key ||
            (line.size() > key.size() && line[key.size()] != ' ')) {
            Fail(name, "is missing");
            return false;
        }
        rest = line.size() > key.size() ? line.substr(key.size() + 1) : std::string_view();
        return true;
    }
    // The next space-separated field of `rest` as a number.
    static bool Field(std::string_view& rest, int64_t& v) {
        const size_t end = rest.find(' ');
        const std::string_view f = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (f.empty()) return false;
        const auto [p, ec] = std::from_chars(f.data(), f.data() + f.size(), v);
        return ec == std::errc() && p == f.data() + f.size();
    }
    bool Count(std::string_view& rest, size_t& n) {
        int64_t v = 0;
        if (!Field(rest, v) || v < 0 || static_cast<uint64_t>(v) > kMostLines) {
            Fail("a count", "is out of range");
            return false;
        }
        n = static_cast<size_t>(v);
        return true;
    }
    void Fail(const std::string& name, const std::string& why) {
        if (!ok_) return;
        ok_ = false;
        error_ = "line " + std::to_string(next_ + 1) + ": " + name + " " + why;
    }

    std::vector<std::string_view> lines_;
    size_t next_ = 0;
    bool ok_ = true;
    std::string error_;
};

constexpr int64_t kI16Min = std::numeric_limits<int16_t>::min();
constexpr int64_t kI16Max = std::numeric_limits<int16_t>::max();
constexpr int64_t kIntMin = std::numeric_limits<int>::min();
constexpr int64_t kIntMax = std::numeric_limits<int>::max();
constexpr int64_t kI64Min = std::numeric_limits<int64_t>::min();
constexpr int64_t kI64Max = std::numeric_limits<int64_t>::max();
constexpr int64_t kMostCardPixels = 10000;

template <typename Io, typename T>
void One(Io& io, const char* name, T& value, int64_t least, int64_t most) {
    io.Numbers(name, &value, 1, least, most);
}

template <typename Io, typename A>
void Array(Io& io, const char* name, A& a, int64_t least, int64_t most) {
    io.Numbers(name, a.data(), a.size(), least, most);
}

template <typename Io, typename Rows>
void Grid(Io& io, const char* name, Rows& rows, int64_t least, int64_t most) {
    io.Numbers(name, rows[0].data(), rows.size() * rows[0].size(), least, most);
}

template <typename Io, typename P>
void Bool(Io& io, const char* name, P& flag) {
    if constexpr (std::is_const_v<P>) {
        const int v = flag ? 1 : 0;
        io.Numbers(name, &v, 1, 0, 1);
    } else {
        int v = 0;
        io.Numbers(name, &v, 1, 0, 1);
        flag = v != 0;
    }
}

// Every part of the game, in the order of the text. `G` is Game for reading
// and const Game for writing.
template <typename Io, typename G>
void Visit(Io& io, G& g, int version) {
    io.Strings("g.MazzoPiles", g.MazzoPiles, Form::kPile, 3, 3);
    io.Strings("g.FilaPiles", g.FilaPiles, Form::kPile, 40, 40);
    io.Strings("g.DestPiles", g.DestPiles, Form::kPile, 16, 16);
    io.Strings("g.AppoggPiles", g.AppoggPiles, Form::kPile, 10, 10);
    io.Strings("SavedMazzo", g.SavedPiles.mazzo, Form::kPile, 3, 3);
    io.Strings("SavedFila", g.SavedPiles.fila, Form::kPile, 40, 40);
    io.Strings("SavedDest", g.SavedPiles.dest, Form::kPile, 16, 16);
    io.Strings("SavedAppogg", g.SavedPiles.appogg, Form::kPile, 10, 10);
    io.Strings("CardRegister", g.CardRegister, Form::kRegister, 0, 108);
    Array(io, "g.GameRules", g.GameRules, kI16Min, kI16Max);
    {
        std::array<int16_t, 186> options{};
        for (int i = 0; i < 186; ++i) options[static_cast<size_t>(i)] = g.Options.Opt(i);
        Array(io, "Options", options, kI16Min, kI16Max);
        if constexpr (!std::is_const_v<G>)
            for (int i = 0; i < 186; ++i) g.Options.SetOpt(i, options[static_cast<size_t>(i)]);
    }
    Array(io, "KeptTableau", g.keptTableau, kI16Min, kI16Max);
    Array(io, "KeptFoundation", g.keptFoundation, kI16Min, kI16Max);
    if (version >= 2) {
        // Version 1 kept no card size: such a game is read at the standard
        // size, and a resumed game takes the one in force anyway.
        One(io, "CardWidth", g.CardWidth, 1, kMostCardPixels);
        One(io, "CardHeight", g.CardHeight, 1, kMostCardPixels);
    }
    Array(io, "FilaLeft", g.FilaLeft, kI16Min, kI16Max);
    Array(io, "FilaTop", g.FilaTop, kI16Min, kI16Max);
    Array(io, "TableauPileFamily", g.TableauPileFamily, kI16Min, kI16Max);
    {
        // Written and read for the files of earlier versions, where this
        // second table was never filled: the cascades' shifts are the
        // offset table's.
        std::array<std::array<int8_t, 13>, 7> unused{};
        Grid(io, "TableauJitter", unused, -128, 127);
    }
    Grid(io, "OffsetTable", g.OffsetTable, kIntMin, kIntMax);
    Array(io, "GameFlags", g.GameFlags, 0, 255);
    Array(io, "GameTimes", g.GameTimes, kI64Min, kI64Max);
    One(io, "PausedAt", g.pausedAt, kI64Min, kI64Max);
    One(io, "RunningCount", g.RunningCount, kIntMin, kIntMax);
    Bool(io, "MovingStackSingle", g.movingStackSingle);
    Bool(io, "LeftTableau", g.stockEffects.leftTableau);

    auto& p = g.pointer;
    One(io, "GrabOffset.x", p.GrabOffset.x, kIntMin, kIntMax);
    One(io, "GrabOffset.y", p.GrabOffset.y, kIntMin, kIntMax);
    One(io, "DragRect.left", p.DragRect.left, kIntMin, kIntMax);
    One(io, "DragRect.top", p.DragRect.top, kIntMin, kIntMax);
    One(io, "DragRect.right", p.DragRect.right, kIntMin, kIntMax);
    One(io, "DragRect.bottom", p.DragRect.bottom, kIntMin, kIntMax);
    One(io, "RunHeight", p.RunHeight, kIntMin, kIntMax);
    One(io, "PeekCard.x", p.PeekCard.x, kIntMin, kIntMax);
    One(io, "PeekCard.y", p.PeekCard.y, kIntMin, kIntMax);
    One(io, "MouseIdleStamp", p.MouseIdleStamp, kI64Min, kI64Max);
    One(io, "DealCounter", p.DealCounter, kIntMin, kIntMax);
    One(io, "Shown.left", p.shown.left, kIntMin, kIntMax);
    One(io, "Shown.top", p.shown.top, kIntMin, kIntMax);
    One(io, "Shown.right", p.shown.right, kIntMin, kIntMax);
    One(io, "Shown.bottom", p.shown.bottom, kIntMin, kIntMax);
    Bool(io, "Lifted", p.lifted);
    Bool(io, "Key.shown", p.key.shown);
    Bool(io, "Key.holding", p.key.holding);
    for (auto* place : {&p.key.focus, &p.key.origin}) {
        One(io, "Key.row", place->row, kIntMin, kIntMax);
        One(io, "Key.slot", place->slot, kIntMin, kIntMax);
        One(io, "Key.left", place->left, kIntMin, kIntMax);
        One(io, "Key.top", place->top, kIntMin, kIntMax);
    }

    io.Text("Score", g.status.score, Form::kText);
    One(io, "ElapsedMs", g.status.elapsedMs, 0, kI64Max);
    Bool(io, "Commands", g.status.commands);
    Bool(io, "Autoplay", g.status.autoplay);
    Bool(io, "UndoRedo", g.status.undoRedo);

    Array(io, "SeenInTurn", g.memoryLog.seenInTurn, -1, kIntMax);
    One(io, "Turn", g.memoryLog.turn, 0, kIntMax);
    One(io, "Slips", g.memoryLog.slips, 0, kIntMax);
    Bool(io, "Acted", g.memoryLog.acted);
    Bool(io, "TurningBack", g.turningBack);

    io.Text("Caption", g.caption, Form::kText);
    io.Text("JokerText", g.jokerText, Form::kText);
    io.Text("JokerSuit", g.jokerSuit, Form::kText);

    static const char* kUndo[4] = {"UndoStock", "UndoDest", "UndoFila", "UndoAppogg"};
    static const char* kRedo[4] = {"RedoStock", "RedoDest", "RedoFila", "RedoAppogg"};
    for (size_t i = 0; i < 4; ++i) {
        io.Strings(kUndo[i], g.UndoLists[i], Form::kImage, 0, kMostLines);
        io.Strings(kRedo[i], g.RedoLists[i], Form::kImage, 0, kMostLines);
    }
    io.Text("UndoMarks", g.UndoMarks, Form::kText);
    io.Text("RedoMarks", g.RedoMarks, Form::kText);
    io.Record("Turns", g.memoryLog.record);
}

}  // namespace

std::string SaveGameText(const Game& game) {
    Writer w;
    Visit(w, game, kGameTextVersion);
    return w.Finish();
}

bool LoadGameText(std::string_view text, Game& game, std::string& error) {
    // The checksum line ends the text; everything before it is summed.
    if (text.empty() || text.back() != '\n') {
        error = "the text is cut short";
        return false;
    }
    const size_t sumAt =
        text.size() >= 2 ? text.rfind('\n', text.size() - 2) : std::string_view::npos;
    if (sumAt == std::string_view::npos) {
        error = "the text is cut short";
        return false;
    }
    const std::string_view body = text.substr(0, sumAt + 1);
    const std::string_view sumLine = text.substr(sumAt + 1);
    const std::string magic(kMagic);
    if (text.substr(0, magic.size()) != magic) {
        error = "not a saved game";
        return false;
    }
    const std::string_view versionText = text.substr(magic.size(), text.find('\n') - magic.size());
    int version = 0;
    for (int v = kOldestGameTextVersion; v <= kGameTextVersion; ++v)
        if (versionText == std::to_string(v)) version = v;
    if (version == 0) {
        error = "a saved game of another version (" + std::string(versionText.substr(0, 20)) + ")";
        return false;
    }
    if (sumLine != "sum " + Hex(Fnv1a(body)) + "\n") {
        error = "the text is damaged or cut short (its checksum does not match)";
        return false;
    }

    std::vector<std::string_view> lines;
    size_t start = body.find('\n') + 1;  // past the first line
    while (start < body.size()) {
        const size_t end = body.find('\n', start);
        lines.push_back(body.substr(start, end - start));
        start = end + 1;
    }
    Reader r(std::move(lines));
    Game loaded;
    Visit(r, loaded, version);
    if (!r.Done()) {
        error = r.Error();
        return false;
    }
    // The undo and redo lists hold whole steps only.
    for (const HistoryLists* h : {&loaded.UndoLists, &loaded.RedoLists}) {
        const size_t steps = (*h)[0].size() / 3;
        if ((*h)[0].size() != steps * 3 || (*h)[1].size() != steps * 16 ||
            (*h)[2].size() != steps * 40 || (*h)[3].size() != steps * 10) {
            error = "the undo or redo history holds a broken step";
            return false;
        }
    }
    game = std::move(loaded);
    return true;
}

}  // namespace bw
