#pragma once

#include <QElapsedTimer>
#include <QListView>
#include <QPersistentModelIndex>
#include <QTimer>

class GestureRule;

// A list the player chooses one item from, as in a classic list box.
//
// A left press or a plain movement key chooses (and so may judge at once),
// as the gesture rule allows; a choice can be moved but never cleared by the
// player. Ctrl with a movement key only moves the focus frame, and Space
// chooses the framed item, so a keyboard player can look before choosing.
// Typing moves the frame to the first item that starts with the letters
// typed; the word chooses when typing pauses. A long item is cut off at the
// edge, its tooltip shows it whole, and the list never scrolls sideways. A
// screen reader hears where the frame is whenever the list has the focus, but
// not where a judgment moved it.
class ChoiceListView : public QListView
{
    Q_OBJECT

public:
    ChoiceListView(GestureRule &rule, QWidget *parent = nullptr);

    void keyboardSearch(const QString &search) override;
    void reset() override;

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event = nullptr) const override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    void rowsAboutToBeRemoved(const QModelIndex &parent, int start, int end) override;

private:
    static bool isMovementKey(const QKeyEvent *event);
    void handleKey(QKeyEvent *event);
    bool moveFocusFrame(QKeyEvent *event);
    void chooseFramedItem(const QEvent *event);
    void chooseTypedWord();
    void tellWhereTheFrameIs();

    GestureRule &m_rule;
    int m_selectionChanges = 0;
    bool m_typing = false;
    bool m_judgedInThisInput = false;
    QString m_word;
    QElapsedTimer m_sinceLastLetter;
    QPersistentModelIndex m_wordMatch;
    QTimer m_wordPause;
    QTimer m_frameNews;  // the frame's place, told once the list's own news is out
};
