#pragma once
// The card table as assistive technology sees it (AT-SPI on Linux). Every
// place of a memory grid is an accessible child named after what it shows
// ("Seven of hearts", "Face-down card, row 2, column 3", "Empty place"), the
// keyboard's focus frame is the accessible focus, and what play does (a card
// turned, a pair found, a miss, the score, the game's end) is said through a
// status line, the table's last child. Qt 6.4 has no announcement event: the
// status line's name changes (a name-changed event) and the same words become
// the focused card's description (a description-changed event), which screen
// readers speak for the object that has the focus.
#include <QAccessibleWidget>
#include <QString>
#include <vector>

#include "core/cards.h"

namespace bw {

class TableWidget;

// "Seven of hearts", "Ace of spades", "Joker"; empty for no card.
QString CardName(CardCode card);
// The name of a grid place: its card when face up, else where it lies
// (line and column of the screen, from 1), "Empty place" without a card.
QString PlaceName(CardCode card, bool faceUp, int line, int column);

// Makes the table widgets answer with TableAccessible (once) and installs
// the play announcer (again after every reset of the ports).
void InstallTableAccessibility();
// Says `text` on the table's status line (and to the focused card).
void AnnounceOnTable(const QString& text);
// The score shown after a play; said with what the play said.
void AnnounceScore(const QString& score);
// The game ended: said at once, before the result dialog opens.
void AnnounceGameEnd(bool won);
// The table changed: its accessible children are read again.
void TableAccessibilityChanged(TableWidget* table);

class CardAccessible;

class TableAccessible : public QAccessibleWidget {
public:
    explicit TableAccessible(TableWidget* table);
    ~TableAccessible() override;
    TableAccessible(const TableAccessible&) = delete;
    TableAccessible& operator=(const TableAccessible&) = delete;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

    // Reads the grid again and (when `tell`) tells the bus what changed:
    // names, places come or gone, the focused place.
    void Refresh(bool tell = true);
    // The status line's new words.
    void Announce(const QString& text);

    struct Place {
        QString name;
        QRect rect;  // widget pixels
        bool empty = false;
    };
    const std::vector<Place>& Places() const { return places_; }
    int FocusedIndex() const { return focused_; }
    const QString& StatusText() const { return status_; }
    bool TableHasFocus() const;

private:
    QAccessibleInterface* Card(int index) const;
    QAccessibleInterface* Status() const;

    std::vector<Place> places_;
    int focused_ = -1;
    QString status_;
    int told_ = -1;  // the place whose description carries status_
    // Children, created on demand and kept (registered with Qt) until the
    // table goes: one per place index, and the status line (the last child).
    mutable std::vector<QAccessibleInterface*> cards_;
    mutable QAccessibleInterface* statusLine_ = nullptr;

    friend class CardAccessible;
};

}  // namespace bw
