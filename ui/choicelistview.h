#pragma once

#include <QListView>
#include <QPersistentModelIndex>

// A list the player chooses one item from, as in a classic list box.
//
// A click or a plain arrow key selects (and so may judge at once); a
// selection can be moved but never cleared by the player. Ctrl with a
// movement key only moves the focus frame, and Space selects the framed
// item, so a keyboard player can look before choosing.
class ChoiceListView : public QListView
{
    Q_OBJECT

public:
    explicit ChoiceListView(QWidget *parent = nullptr);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    static bool isMovementKey(const QKeyEvent *event);
    bool moveFocusFrame(QKeyEvent *event);
    void selectFramedItem();

    // A press whose item left the list (it was judged): the rest of that
    // gesture, a drag or the second half of a double click, must not pick
    // the item that moved up under the pointer.
    bool m_pressTookItem = false;
    int m_selectionChanges = 0;
};
