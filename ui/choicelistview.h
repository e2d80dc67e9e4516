#pragma once

#include <QListView>
#include <QPersistentModelIndex>

// A list the player chooses one item from, as in a classic list box.
//
// A left click or a plain movement key selects (and so may judge at once);
// a selection can be moved but never cleared by the player. Ctrl with a
// movement key only moves the focus frame, and Space selects the framed
// item, so a keyboard player can look before choosing. Item texts are shown
// whole, cut at the edge, with a tooltip when they do not fit.
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
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    static bool isMovementKey(const QKeyEvent *event);
    bool moveFocusFrame(QKeyEvent *event);
    void selectFramedItem();
    bool continuesBurst(const QMouseEvent *event);
    bool showToolTip(QEvent *event);

    // A gesture runs from a press of the left button to its release; a burst
    // is a run of presses each within the double-click time and distance of
    // the one before. Once a gesture has judged (its item left the list), the
    // rest of it and the rest of its burst choose nothing: the item that
    // moved up under the pointer was never aimed at.
    bool m_buttonDown = false;
    bool m_judgedInBurst = false;
    bool m_ignoringPress = false;
    QPoint m_lastPressAt;
    quint64 m_lastPressTime = 0;
    int m_selectionChanges = 0;
};
