#include "app/table_accessible.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <string>

#include "app/table_widget.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/state.h"
#include "interaction/announce.h"
#include "interaction/keyboard.h"
#include "interaction/memory.h"
#include "render/window_canvas.h"

namespace bw {

namespace {

// The words said about the table, in the translation context
// "TableAccessible".
class TableWords {
    Q_DECLARE_TR_FUNCTIONS(TableAccessible)
};

// The card shown at a place: the slot's card in a row of side-by-side cards,
// else the pile's top card.
CardCode CardAt(const Game& g, const GridPlace& place) {
    if (place.row < 0 || static_cast<size_t>(place.row) >= g.FilaPiles.size()) return 0;
    const std::string& pile = g.FilaPiles[static_cast<size_t>(place.row)];
    if (Rule(g, rule::kTableFamily) == 9)
        return place.slot < SlotCount(pile) ? SlotCode(pile, place.slot) : 0;
    return TopCode(pile);
}

TableWidget* Table() {
    return dynamic_cast<TableWidget*>(WindowCanvas());
}

// The table's interface, when assistive technology has asked for it.
TableAccessible* AccessibleOf(TableWidget* table) {
    if (!table || !table->AccessibleWatched()) return nullptr;
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(table));
}

}  // namespace

// One place of the grid. It holds no object of its own: everything is read
// from the table's last refresh.
class CardAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    CardAccessible(const TableAccessible* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return index_ < static_cast<int>(table_->Places().size()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<TableAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        if (!isValid()) return {};
        if (t == QAccessible::Name) return Place().name;
        if (t == QAccessible::Description && table_->told_ == index_) return table_->StatusText();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!isValid()) return {};
        const QWidget* w = table_->widget();
        const QRect r = Place().rect;
        return QRect(w->mapToGlobal(r.topLeft()), r.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid()) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.selectable = true;
        const bool focused = table_->FocusedIndex() == index_;
        s.selected = focused;
        s.focused = focused && table_->TableHasFocus();
        // An empty place can be walked over but not played.
        s.disabled = Place().empty;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    // "Press" plays the place as a click on it does.
    QStringList actionNames() const override {
        return isValid() && !Place().empty ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& action) override {
        if (action != pressAction() || !isValid() || Place().empty) return;
        if (auto* w = qobject_cast<TableWidget*>(table_->widget()))
            w->QueueClick(Place().rect.center());
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    const TableAccessible::Place& Place() const {
        return table_->Places()[static_cast<size_t>(index_)];
    }
    const TableAccessible* table_;
    int index_;
};

// The live status line: its name is the last thing said.
class StatusAccessible : public QAccessibleInterface {
public:
    explicit StatusAccessible(const TableAccessible* table) : table_(table) {}
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* parent() const override { return const_cast<TableAccessible*>(table_); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? table_->StatusText() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::StatusBar; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }

private:
    const TableAccessible* table_;
};

QString CardName(CardCode card) {
    static const char* const ranks[13] = {
        QT_TRANSLATE_NOOP("TableWords", "Ace"),   QT_TRANSLATE_NOOP("TableWords", "Two"),
        QT_TRANSLATE_NOOP("TableWords", "Three"), QT_TRANSLATE_NOOP("TableWords", "Four"),
        QT_TRANSLATE_NOOP("TableWords", "Five"),  QT_TRANSLATE_NOOP("TableWords", "Six"),
        QT_TRANSLATE_NOOP("TableWords", "Seven"), QT_TRANSLATE_NOOP("TableWords", "Eight"),
        QT_TRANSLATE_NOOP("TableWords", "Nine"),  QT_TRANSLATE_NOOP("TableWords", "Ten"),
        QT_TRANSLATE_NOOP("TableWords", "Jack"),  QT_TRANSLATE_NOOP("TableWords", "Queen"),
        QT_TRANSLATE_NOOP("TableWords", "King"),
    };
    static const char* const suits[4] = {
        QT_TRANSLATE_NOOP("TableWords", "hearts"), QT_TRANSLATE_NOOP("TableWords", "diamonds"),
        QT_TRANSLATE_NOOP("TableWords", "clubs"), QT_TRANSLATE_NOOP("TableWords", "spades")};
    const int rank = RankOf(card);
    if (rank == 100) return TableWords::tr("Joker");
    const int suit = SuitOf(card);
    if (rank < 1 || rank > 13 || suit < 0 || suit > 3) return {};
    return TableWords::tr("%1 of %2")
        .arg(TableWords::tr(ranks[rank - 1]), TableWords::tr(suits[suit]));
}

QString PlaceName(CardCode card, bool faceUp, int line, int column) {
    if (card < 1) return TableWords::tr("Empty place");
    if (faceUp) {
        QString name = CardName(card);
        if (!name.isEmpty()) return name;
    }
    return TableWords::tr("Face-down card, row %1, column %2").arg(line).arg(column);
}

TableAccessible::TableAccessible(TableWidget* table) : QAccessibleWidget(table, QAccessible::List) {
    table->SetAccessibleWatched();
    // Nothing is told yet: Qt has not cached this interface, and an event
    // now would make it build another one.
    Refresh(false);
}

TableAccessible::~TableAccessible() {
    for (QAccessibleInterface* c : cards_)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(c));
    if (statusLine_) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(statusLine_));
}

bool TableAccessible::TableHasFocus() const {
    return widget()->hasFocus();
}

QString TableAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return TableWords::tr("Card table");
    return QAccessibleWidget::text(t);
}

int TableAccessible::childCount() const {
    return static_cast<int>(places_.size()) + 1;
}

QAccessibleInterface* TableAccessible::Card(int index) const {
    while (static_cast<int>(cards_.size()) <= index) {
        auto* card = new CardAccessible(this, static_cast<int>(cards_.size()));
        QAccessible::registerAccessibleInterface(card);
        cards_.push_back(card);
    }
    return cards_[static_cast<size_t>(index)];
}

QAccessibleInterface* TableAccessible::Status() const {
    if (!statusLine_) {
        statusLine_ = new StatusAccessible(this);
        QAccessible::registerAccessibleInterface(statusLine_);
    }
    return statusLine_;
}

QAccessibleInterface* TableAccessible::child(int index) const {
    const int places = static_cast<int>(places_.size());
    if (index < 0 || index > places) return nullptr;
    return index == places ? Status() : Card(index);
}

int TableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child == statusLine_) return static_cast<int>(places_.size());
    for (size_t i = 0; i < cards_.size() && i < places_.size(); ++i)
        if (cards_[i] == child) return static_cast<int>(i);
    return -1;
}

QAccessibleInterface* TableAccessible::focusChild() const {
    return focused_ >= 0 && TableHasFocus() ? Card(focused_) : nullptr;
}

QAccessibleInterface* TableAccessible::childAt(int x, int y) const {
    const QPoint at = widget()->mapFromGlobal(QPoint(x, y));
    for (size_t i = 0; i < places_.size(); ++i)
        if (places_[i].rect.contains(at)) return Card(static_cast<int>(i));
    return nullptr;
}

void TableAccessible::Refresh(bool tell) {
    std::vector<Place> now;
    int focused = -1;
    // A table showing no game has no places.
    if (Game* shown = static_cast<TableWidget*>(widget())->game) {
        Game& g = *shown;
        const std::vector<std::vector<GridPlace>> grid = GridPlaces(g);
        const bool frame = FocusFrameShown(g);
        const GridPlace focus = FocusedPlace(g);
        for (size_t l = 0; l < grid.size(); ++l)
            for (size_t c = 0; c < grid[l].size(); ++c) {
                const GridPlace& p = grid[l][c];
                const CardCode card = CardAt(g, p);
                if (frame && p.row == focus.row && p.slot == focus.slot)
                    focused = static_cast<int>(now.size());
                now.push_back({PlaceName(card, !IsHidden(g, card), static_cast<int>(l) + 1,
                                         static_cast<int>(c) + 1),
                               QRect(p.left, p.top, g.CardWidth, g.CardHeight), card < 1});
            }
    }

    const size_t before = places_.size();
    std::vector<Place> old = std::move(places_);
    places_ = std::move(now);
    if (focused != focused_) told_ = -1;
    const int oldFocus = focused_;
    focused_ = focused;
    // Qt drops the events itself while no assistive technology listens.
    if (!tell) return;

    // Places gone, places come, names and states changed.
    for (size_t i = places_.size(); i < before && i < cards_.size(); ++i) {
        QAccessibleEvent gone(cards_[i], QAccessible::ObjectDestroyed);
        QAccessible::updateAccessibility(&gone);
    }
    for (size_t i = 0; i < places_.size(); ++i) {
        if (i >= before) {
            QAccessibleEvent come(Card(static_cast<int>(i)), QAccessible::ObjectCreated);
            QAccessible::updateAccessibility(&come);
            continue;
        }
        if (old[i].name != places_[i].name) {
            QAccessibleEvent named(Card(static_cast<int>(i)), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&named);
        }
        if (old[i].empty != places_[i].empty) {
            QAccessible::State changed;
            changed.disabled = true;
            QAccessibleStateChangeEvent state(Card(static_cast<int>(i)), changed);
            QAccessible::updateAccessibility(&state);
        }
    }
    if (focused_ != oldFocus && focused_ >= 0 && TableHasFocus()) {
        QAccessibleEvent moved(Card(focused_), QAccessible::Focus);
        QAccessible::updateAccessibility(&moved);
    }
}

void TableAccessible::Announce(const QString& text) {
    Refresh();
    status_ = text;
    QAccessibleEvent said(Status(), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&said);
    told_ = focused_;
    if (told_ >= 0) {
        QAccessibleEvent described(Card(told_), QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    }
}

void AnnounceOnTable(const QString& text) {
    if (TableAccessible* table = AccessibleOf(Table())) table->Announce(text);
}

namespace {

// Gathers what one action of play says and says it once the action is over
// (a click may turn a card, miss and change the score in one go).
class TableAnnouncer : public IPlayAnnouncer {
public:
    void CardTurned(const Game&, CardCode card) override { Add(CardName(card)); }
    void PairFound(const Game&, CardCode, CardCode) override { Add(TableWords::tr("Pair found")); }
    void Missed(const Game&) override { Add(TableWords::tr("No pair")); }

    void Add(const QString& part) {
        if (part.isEmpty()) return;
        parts_ << part;
        if (parts_.size() == 1) QTimer::singleShot(0, [this] { Flush(); });
    }
    void Flush() {
        if (parts_.isEmpty()) return;
        const QString text = parts_.join(QStringLiteral(". "));
        parts_.clear();
        AnnounceOnTable(text);
    }
    void Score(const QString& score) {
        // Only play changes the score worth saying; a new deal's zero is not.
        if (score != score_ && !parts_.isEmpty()) Add(TableWords::tr("Score: %1").arg(score));
        score_ = score;
    }

private:
    QStringList parts_;
    QString score_;
};

TableAnnouncer& Announcer() {
    static TableAnnouncer announcer;
    return announcer;
}

QAccessibleInterface* TableFactory(const QString&, QObject* object) {
    if (auto* table = qobject_cast<TableWidget*>(object)) return new TableAccessible(table);
    return nullptr;
}

}  // namespace

void AnnounceScore(const QString& score) {
    Announcer().Score(score);
}

void AnnounceGameEnd(bool won) {
    Announcer().Add(won ? TableWords::tr("Game won") : TableWords::tr("Game over"));
    // Said before the result dialog takes the focus.
    Announcer().Flush();
}

void InstallTableAccessibility() {
    static bool factory = false;
    if (!factory) {
        factory = true;
        QAccessible::installFactory(TableFactory);
    }
    Install<IPlayAnnouncer>(&Announcer());
}

void TableAccessibilityChanged(TableWidget* table) {
    if (TableAccessible* t = AccessibleOf(table)) t->Refresh();
}

}  // namespace bw
