// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "quizwindow.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QToolTip>

#include <memory>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// Where on an item of a list a step of a gesture lands.
enum class Spot { Centre, Top, BottomEdge, ThreeBelow, FourAbove, RightEdge, ScrollBar, BelowTheList };

// One step of a gesture: a press, move or release of a mouse button on an
// item of a list, or a key pressed in a list (autorepeated, or released),
// some milliseconds after the step before.
struct Step
{
    QEvent::Type type;
    int buttonOrKey;
    int list = 0;
    int row = 0;
    Spot spot = Spot::Centre;
    int msAfterLast = 60;
    bool autoRepeat = false;
};
using Gesture = QList<Step>;

Gesture click(int list, int row, Spot spot = Spot::Centre, int ms = 60, Qt::MouseButton button = Qt::LeftButton)
{
    return {{QEvent::MouseButtonPress, int(button), list, row, spot, ms}, {QEvent::MouseButtonRelease, int(button), list, row, spot, 30}};
}

Gesture clicks(int row, int times, Qt::MouseButton button = Qt::LeftButton)
{
    Gesture gesture;
    for (int i = 0; i < times; ++i)
        gesture << click(0, row, Spot::Centre, 60, button);
    return gesture;
}

Step mouse(QEvent::Type type, int list, int row, Spot spot = Spot::Centre, int ms = 20)
{
    return {type, Qt::LeftButton, list, row, spot, ms};
}

Gesture sweepUpFromBelow(int rows)
{
    Gesture gesture{mouse(QEvent::MouseButtonPress, 0, rows - 1, Spot::ThreeBelow, 600)};
    for (int row = rows - 1; row >= 0; --row)
        gesture << mouse(QEvent::MouseMove, 0, row);
    gesture << mouse(QEvent::MouseButtonRelease, 0, 0);
    return gesture;
}

Gesture dragDownOutOfTheList(int fromRow)
{
    Gesture gesture{mouse(QEvent::MouseButtonPress, 0, fromRow, Spot::Centre, 600)};
    for (int row = fromRow + 1; row <= fromRow + 3; ++row)
        gesture << mouse(QEvent::MouseMove, 0, row);
    for (int i = 0; i < 3; ++i)
        gesture << mouse(QEvent::MouseMove, 0, fromRow + 3, Spot::BelowTheList, 100);
    gesture << mouse(QEvent::MouseButtonRelease, 0, fromRow + 3, Spot::BelowTheList);
    return gesture;
}

// The window point of a spot on an item (row -1: the last item) of a list.
QPoint spotIn(QuizWindow &quiz, int listIndex, int row, Spot spot)
{
    QListView *view = quiz.list(listIndex);
    const QModelIndex item = view->model()->index(row < 0 ? view->model()->rowCount() - 1 : row, 0);
    view->scrollTo(item);
    const QRect r = view->visualRect(item).translated(view->viewport()->mapTo(&quiz.window, QPoint()));
    const int scrollBarLeft = view->verticalScrollBar()->mapTo(&quiz.window, QPoint()).x();
    switch (spot) {
    case Spot::Centre: return r.center();
    case Spot::Top: return {r.center().x(), r.top()};
    case Spot::BottomEdge: return {r.center().x(), r.bottom()};
    case Spot::ThreeBelow: return {r.center().x(), r.bottom() + 3};
    case Spot::FourAbove: return {r.center().x(), r.top() - 4};
    case Spot::RightEdge: return {r.right(), r.center().y()};
    case Spot::ScrollBar: return {scrollBarLeft + 1, r.center().y()};
    case Spot::BelowTheList: return {r.center().x(), view->geometry().bottom() + 6};
    }
    return {};
}

// A key held down in a list: its press, autorepeats and release.
Gesture hold(int list, Qt::Key key, int repeats)
{
    Gesture gesture{{QEvent::KeyPress, key, list}};
    for (int i = 0; i < repeats; ++i)
        gesture << Step{QEvent::KeyPress, key, list, 0, Spot::Centre, 30, true};
    gesture << Step{QEvent::KeyRelease, key, list};
    return gesture;
}

// The same, as an X server tells it and a busy program reads it: each
// repeat a release and a press at one time, neither marked as a repeat.
Gesture holdUnmarked(int list, Qt::Key key, int repeats)
{
    Gesture gesture{{QEvent::KeyPress, key, list}};
    for (int i = 0; i < repeats; ++i)
        gesture << Step{QEvent::KeyRelease, key, list, 0, Spot::Centre, 30} << Step{QEvent::KeyPress, key, list, 0, Spot::Centre, 0};
    gesture << Step{QEvent::KeyRelease, key, list};
    return gesture;
}

Gesture alternation(int pairs)
{
    Gesture gesture;
    for (int i = 0; i < pairs; ++i)
        gesture << click(0, 0, Spot::Centre, 40) << click(1, 0, Spot::Centre, 40);
    return gesture;
}

// The left button held down on a state that judges, a key, then the release.
Gesture keyWhileTheButtonIsDown(Qt::Key key)
{
    return {mouse(QEvent::MouseButtonPress, 0, 1, Spot::Centre, 600), {QEvent::KeyPress, key, 0},
            {QEvent::KeyRelease, key, 0}, mouse(QEvent::MouseButtonRelease, 0, 1)};
}

} // namespace

Q_DECLARE_METATYPE(Gesture)

class TestWindowInput : public QuizWindowTest
{
    Q_OBJECT

private slots:
    void viewsShowTheDeal();
    void pressingTheButtonRestarts_data();
    void pressingTheButtonRestarts();
    void roughMouseInputJudgesOnce_data();
    void roughMouseInputJudgesOnce();
    void messageAreaSpoilsNothing_data();
    void messageAreaSpoilsNothing();
    void longItemsShowWholeWithATooltip();
    void mouseClicksJudgeAPair();
    void clickBelowTheItemsSelectsNothing();
    void playerCannotClearASelection();
    void doubleClickJudgesOnce();
    void dragChoosesAtItsPressOnly();
    void everySelectingKeyRaisesOneClick_data();
    void everySelectingKeyRaisesOneClick();
    void arrowKeyJudgesAtOnce();
    void verdictShowsAsTwoLines();
    void ctrlMovesTheFrameOnly_data();
    void ctrlMovesTheFrameOnly();
    void spaceChoosesTheFramedItem();
    void spaceOnTheSelectedItemChangesNothing();
    void screenReadersFollowTheFrame();
    void screenReadersHearTheNews_data();
    void screenReadersHearTheNews();
    void wholeDealByMouse();
    void wholeDealByKeyboardWithoutMouse();
    void wholeDealByPlainKeys();
    void movementKeyAtTheEdgeChoosesTheFramedItem();

};

void TestWindowInput::viewsShowTheDeal()
{
    QCOMPARE(quiz->list(0)->model()->rowCount(), 50);
    QCOMPARE(quiz->list(1)->model()->index(0, 0).data().toString(), QStringLiteral("Анаполис-Annapolis"));
    QCOMPARE(quiz->list(2), nullptr);
    QCOMPARE(quiz->window.findChildren<QListView *>().size(), 2);
    QCOMPARE(quiz->message()->toPlainText(), expectedTaskText(QStringLiteral("\n")));
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно: "));
    QCOMPARE(quiz->button()->text(), QStringLiteral("Чисти"));
}

void TestWindowInput::pressingTheButtonRestarts_data()
{
    QTest::addColumn<QTestEventList>("press");
    QTestEventList click, space, ret, enter;
    click.addMouseClick(Qt::LeftButton);
    space.addKeyClick(Qt::Key_Space);
    ret.addKeyClick(Qt::Key_Return);
    enter.addKeyClick(Qt::Key_Enter, Qt::KeypadModifier);
    QTest::newRow("click") << click;
    QTest::newRow("Space") << space;
    QTest::newRow("Return") << ret;
    QTest::newRow("keypad Enter") << enter;
}

void TestWindowInput::pressingTheButtonRestarts()
{
    QFETCH(QTestEventList, press);
    quiz->clickItem(0, 0);
    quiz->clickItem(1, 0);
    quiz->clickItem(0, 4);
    QCOMPARE(quiz->form.List1(0).ListCount(), 49);
    quiz->list(0)->scrollToBottom();
    quiz->list(1)->scrollToBottom();

    press.simulate(quiz->button());

    for (int list : {0, 1}) {
        QCOMPARE(quiz->list(list)->model()->rowCount(), 50);
        // The new deal shows from its first item, as at the start.
        QTRY_COMPARE(quiz->list(list)->indexAt(QPoint(2, 2)).row(), 0);
    }
    QVERIFY(!quiz->list(0)->selectionModel()->hasSelection());
    QCOMPARE(quiz->message()->toPlainText(), QString());
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно:"));
    QCOMPARE(quiz->label(4)->text(), QStringLiteral("Невярно:"));
}

void TestWindowInput::roughMouseInputJudgesOnce_data()
{
    QTest::addColumn<int>("statesLeft");
    QTest::addColumn<int>("chosenFirst");  // the list whose top item is chosen first, or -1
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("judged");
    QTest::addColumn<int>("stateChosen");
    QTest::addColumn<int>("capitalChosen");

    const Gesture slowClick = click(0, 1, Spot::Centre, 600);
    QTest::newRow("single click") << 50 << 1 << clicks(1, 1) << 1 << -1 << -1;
    QTest::newRow("triple click") << 50 << 1 << clicks(1, 3) << 1 << -1 << -1;
    QTest::newRow("quadruple click") << 50 << 1 << clicks(1, 4) << 1 << -1 << -1;
    QTest::newRow("a slow second click chooses") << 50 << 1 << clicks(1, 1) + slowClick << 1 << 1 << -1;
    QTest::newRow("sweep up from below the items") << 3 << 1 << sweepUpFromBelow(3) << 0 << -1 << 0;
    QTest::newRow("a drag out of the list chooses at its press only") << 50 << -1 << dragDownOutOfTheList(2) << 0
                                                                       << 2 << -1;
    QTest::newRow("right click") << 50 << 1 << clicks(1, 1, Qt::RightButton) << 0 << -1 << 0;
    QTest::newRow("middle click") << 50 << 1 << clicks(1, 1, Qt::MiddleButton) << 0 << -1 << 0;

    // A quick second press after one that judged nothing chooses.
    QTest::newRow("a quick click 3 px below the edge of the item chosen")
        << 50 << -1 << click(0, 0, Spot::BottomEdge) + click(0, 0, Spot::ThreeBelow) << 0 << 1 << -1;
    QTest::newRow("a quick press 4 px down from the heading onto a state")
        << 50 << 1 << click(0, 0, Spot::FourAbove) + click(0, 0, Spot::Top) << 1 << -1 << -1;
    QTest::newRow("a quick press after a miss below the last state")
        << 3 << 1 << click(0, 2, Spot::ThreeBelow) + click(0, 2, Spot::BottomEdge) << 1 << -1 << -1;
    QTest::newRow("a quick press after one on the scroll bar")
        << 50 << 1 << click(0, 0, Spot::ScrollBar) + click(0, 0, Spot::RightEdge) << 1 << -1 << -1;
    QTest::newRow("quick alternation between the lists judges every pair") << 50 << -1 << alternation(10) << 10
                                                                            << -1 << -1;

    // Keys: a held key judges once; the keyboard is no part of a mouse gesture.
    QTest::newRow("Down held in the states") << 50 << 1 << hold(0, Qt::Key_Down, 5) << 1 << -1 << -1;
    QTest::newRow("Up held in the states") << 50 << 1 << hold(0, Qt::Key_Up, 5) << 1 << -1 << -1;
    QTest::newRow("Down held in the capitals") << 50 << 0 << hold(1, Qt::Key_Down, 5) << 1 << -1 << -1;
    QTest::newRow("End held in the capitals") << 50 << 0 << hold(1, Qt::Key_End, 5) << 1 << -1 << -1;
    QTest::newRow("Down held in the capitals, repeats unmarked") << 50 << 0 << holdUnmarked(1, Qt::Key_Down, 5) << 1
                                                                 << -1 << -1;
    QTest::newRow("Down while the button that judged is down") << 50 << 1 << keyWhileTheButtonIsDown(Qt::Key_Down)
                                                               << 1 << 1 << -1;
    QTest::newRow("Space while the button that judged is down") << 50 << 1 << keyWhileTheButtonIsDown(Qt::Key_Space)
                                                                << 1 << 0 << -1;
}

// A gesture of the mouse or the keyboard, after a choice in one list or
// none, chooses what it was aimed at and judges once at most.
void TestWindowInput::roughMouseInputJudgesOnce()
{
    QFETCH(int, statesLeft);
    QFETCH(int, chosenFirst);
    QFETCH(Gesture, gesture);
    QFETCH(int, judged);
    QFETCH(int, stateChosen);
    QFETCH(int, capitalChosen);
    while (quiz->form.List1(0).ListCount() > statesLeft) {
        quiz->form.List1(0).choose(quiz->form.List1(0).ListCount() - 1);
        quiz->form.List1(1).choose(0);
    }
    const int before = quiz->judged();
    if (chosenFirst >= 0)
        quiz->clickItem(chosenFirst, 0);
    QTest::lastMouseTimestamp += 1000;

    quint64 keyTime = 1000;
    for (const Step &step : gesture) {
        if (step.type == QEvent::KeyPress || step.type == QEvent::KeyRelease) {
            QWidget *list = quiz->list(step.list);
            list->setFocus();
            keyTime += step.msAfterLast;
            if (step.autoRepeat) {
                QKeyEvent up(QEvent::KeyRelease, step.buttonOrKey, Qt::NoModifier, QString(), true);
                up.setTimestamp(keyTime);
                QApplication::sendEvent(list, &up);
            }
            QKeyEvent key(step.type, step.buttonOrKey, Qt::NoModifier, QString(), step.autoRepeat);
            key.setTimestamp(keyTime);
            QApplication::sendEvent(list, &key);
            continue;
        }
        windowMouseEvent(quiz->window.windowHandle(), step.type, Qt::MouseButton(step.buttonOrKey),
                         spotIn(*quiz, step.list, step.row, step.spot), step.msAfterLast);
    }
    QTest::lastMouseTimestamp += 1000;

    QCOMPARE(quiz->judged(), before + judged);
    QCOMPARE(quiz->form.List1(0).ListIndex(), stateChosen);
    QCOMPARE(quiz->form.List1(1).ListIndex(), capitalChosen);
}

void TestWindowInput::messageAreaSpoilsNothing_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("text drag") << QStringLiteral("drag");
    QTest::newRow("Ctrl+wheel up") << QStringLiteral("zoom in");
    QTest::newRow("Ctrl+wheel down") << QStringLiteral("zoom out");
    QTest::newRow("right click") << QStringLiteral("menu");
}

// Whatever is done in the message area, the next click on a state chooses
// it, and the next verdict shows whole at the window's font.
void TestWindowInput::messageAreaSpoilsNothing()
{
    QFETCH(QString, what);
    QVERIFY(quiz->waitActive());
    QPlainTextEdit *area = quiz->message();
    const QFont font = area->font();
    QTextCursor word(area->document());
    word.setPosition(12);
    const QPoint at = area->cursorRect(word).center();

    if (what == QLatin1String("drag")) {
        // A word chosen by a double click, then pressed and dragged out of the
        // area in small steps: the press starts a new selection, not a text
        // drag, which would keep hold of the mouse.
        QTest::mouseDClick(area->viewport(), Qt::LeftButton, {}, at);
        const QString chosenWord = area->textCursor().selectedText();
        QVERIFY(!chosenWord.isEmpty());
        QTest::qWait(QApplication::doubleClickInterval() + 50);  // not a triple click
        QTest::mousePress(area->viewport(), Qt::LeftButton, {}, at);
        for (int up = 6; up <= 36; up += 6)
            QTest::mouseMove(area->viewport(), at - QPoint(0, up));
        QTest::qWait(100);
        QTest::mouseRelease(area->viewport(), Qt::LeftButton, {}, at - QPoint(0, 36));
        const QString selected = area->textCursor().selectedText();
        QVERIFY2(!selected.isEmpty() && selected != chosenWord, qPrintable(selected));
    } else if (what.startsWith(QLatin1String("zoom"))) {
        const int notch = what == QLatin1String("zoom in") ? 120 : -120;
        for (int i = 0; i < 30; ++i) {
            QWheelEvent wheel(at, area->viewport()->mapToGlobal(at), QPoint(), QPoint(0, notch), Qt::NoButton,
                              Qt::ControlModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(area->viewport(), &wheel);
        }
    } else {
        windowMouseEvent(quiz->window.windowHandle(), QEvent::MouseButtonPress, Qt::RightButton,
                         area->viewport()->mapTo(&quiz->window, at), 600);
        windowMouseEvent(quiz->window.windowHandle(), QEvent::MouseButtonRelease, Qt::RightButton,
                         area->viewport()->mapTo(&quiz->window, at), 30);
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
    }

    quiz->clickItem(0, 3);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 3);
    quiz->clickItem(1, 0);
    QCOMPARE(area->document()->defaultFont().pointSizeF(), font.pointSizeF());
    QCOMPARE(area->font().pointSizeF(), font.pointSizeF());
}

void TestWindowInput::longItemsShowWholeWithATooltip()
{
    QListView *states = quiz->list(0);
    QCOMPARE(states->textElideMode(), Qt::ElideNone);
    auto hover = [this, states](const QString &text) {
        const QPoint at = quiz->itemCentre(0, indexOf(quiz->form.List1(0), text));
        QHelpEvent help(QEvent::ToolTip, at, states->viewport()->mapToGlobal(at));
        QApplication::sendEvent(states->viewport(), &help);
    };
    const QString carolina = QStringLiteral("Северна Каролина-North Carolina");
    hover(carolina);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), carolina);
    hover(QStringLiteral("Юта-Utah"));
    QTRY_VERIFY(!QToolTip::isVisible());

    // Cut off at the edge, never scrolled sideways: not even once the last
    // state, a short one, has gone and a long one is last.
    quiz->clickItem(1, 0);
    states->setFocus();
    quiz->key(0, Qt::Key_End);
    QCOMPARE(quiz->form.List1(0).ListCount(), 49);
    QCoreApplication::processEvents();
    QCOMPARE(states->horizontalScrollBar()->maximum(), 0);
    QVERIFY(!states->horizontalScrollBar()->isVisible());
}

void TestWindowInput::mouseClicksJudgeAPair()
{
    QSignalSpy clicks(&quiz->form.List1(0), &ListBox::Click);
    quiz->clickItem(0, indexOf(quiz->form.List1(0), QStringLiteral("Айдахо-Idaho")));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 0);
    quiz->clickItem(1, indexOf(quiz->form.List1(1), QStringLiteral("Бойзи-Boise")));

    QVERIFY(quiz->form.Text1(0).Text().startsWith(QStringLiteral("Вярно: Щатът Айдахо-Idaho")));
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно: 1"));
    QCOMPARE(quiz->list(0)->model()->rowCount(), 49);
    QCOMPARE(quiz->list(1)->model()->rowCount(), 49);
    QVERIFY(!quiz->list(0)->selectionModel()->hasSelection());
    QVERIFY(!quiz->list(1)->selectionModel()->hasSelection());
}

void TestWindowInput::clickBelowTheItemsSelectsNothing()
{
    while (quiz->form.List1(0).ListCount() > 2) {
        quiz->clickItem(0, 0);
        quiz->clickItem(1, 0);
    }
    QListView *view = quiz->list(1);
    const QPoint below(view->viewport()->width() / 2, view->viewport()->height() - 3);
    QVERIFY(!view->indexAt(below).isValid());
    QSignalSpy clicks(&quiz->form.List1(1), &ListBox::Click);
    quiz->clickItem(0, 0);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, below);
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(quiz->form.List1(1).ListIndex(), -1);
    QCOMPARE(quiz->form.List1(1).ListCount(), 2);
}

void TestWindowInput::playerCannotClearASelection()
{
    QSignalSpy clicks(&quiz->form.List1(0), &ListBox::Click);
    quiz->clickItem(0, 3);
    quiz->clickItem(0, 3, Qt::ControlModifier);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 3);
    quiz->key(0, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 3);
    quiz->clickItem(0, 3);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 3);
    QCOMPARE(clicks.count(), 1);
}

void TestWindowInput::doubleClickJudgesOnce()
{
    QVERIFY(quiz->waitActive());
    quiz->clickItem(0, 0);
    QListView *capitals = quiz->list(1);
    const QPoint at = capitals->viewport()->mapTo(&quiz->window, quiz->itemCentre(1, 0));
    QTest::mouseDClick(quiz->window.windowHandle(), Qt::LeftButton, {}, at);

    QCOMPARE(quiz->judged(), 1);
    QCOMPARE(quiz->form.List1(1).ListCount(), 49);
    QCOMPARE(quiz->form.List1(1).ListIndex(), -1);
    QCOMPARE(quiz->form.List1(0).ListIndex(), -1);

    // A double click on a state with no capital chosen just selects it.
    const QPoint state = quiz->list(0)->viewport()->mapTo(&quiz->window, quiz->itemCentre(0, 2));
    QTest::mouseDClick(quiz->window.windowHandle(), Qt::LeftButton, {}, state);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 2);
    QCOMPARE(quiz->judged(), 1);
}

void TestWindowInput::dragChoosesAtItsPressOnly()
{
    quiz->clickItem(0, 0);
    QWidget *capitals = quiz->list(1)->viewport();
    const QPoint at = quiz->itemCentre(1, 0);
    QTest::mousePress(capitals, Qt::LeftButton, {}, at);
    QCOMPARE(quiz->judged(), 1);
    QTest::mouseMove(capitals, at + QPoint(0, 2));
    QTest::mouseMove(capitals, at + QPoint(0, 30));
    QTest::mouseRelease(capitals, Qt::LeftButton, {}, at + QPoint(0, 30));
    QCOMPARE(quiz->form.List1(1).ListIndex(), -1);

    // Any drag chooses at its press only.
    QTest::mousePress(capitals, Qt::LeftButton, {}, at);
    QTest::mouseMove(capitals, quiz->itemCentre(1, 2));
    QTest::mouseRelease(capitals, Qt::LeftButton, {}, quiz->itemCentre(1, 2));
    QCOMPARE(quiz->form.List1(1).ListIndex(), 0);
    QCOMPARE(quiz->judged(), 1);

    // Dragging to the edge scrolls the list until the release, not beyond.
    QScrollBar *scrollBar = quiz->list(1)->verticalScrollBar();
    const QPoint nearTheBottom(at.x(), capitals->height() - 3);
    QTest::mousePress(capitals, Qt::LeftButton, {}, at);
    // Two moves, as a hand makes: the first may only frame the item there.
    QTest::mouseMove(capitals, nearTheBottom - QPoint(0, 1));
    QTest::mouseMove(capitals, nearTheBottom);
    QTRY_VERIFY(scrollBar->value() > 0);
    QTest::mouseRelease(capitals, Qt::LeftButton, {}, nearTheBottom);
    const int scrolled = scrollBar->value();
    QTest::qWait(400);
    QCOMPARE(scrollBar->value(), scrolled);
}

void TestWindowInput::everySelectingKeyRaisesOneClick_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("changes");

    QTest::newRow("Down") << 4 << QStringLiteral("Down") << 5 << 1;
    QTest::newRow("Up") << 4 << QStringLiteral("Up") << 3 << 1;
    QTest::newRow("Right") << 4 << QStringLiteral("Right") << 5 << 1;
    QTest::newRow("Left") << 4 << QStringLiteral("Left") << 3 << 1;
    QTest::newRow("Home") << 4 << QStringLiteral("Home") << 0 << 1;
    QTest::newRow("End") << 4 << QStringLiteral("End") << 49 << 1;
    QTest::newRow("PageDown") << 0 << QStringLiteral("PageDown") << -2 << 1;
    QTest::newRow("PageUp") << 49 << QStringLiteral("PageUp") << -2 << 1;
    QTest::newRow("letter ю") << 0 << QStringLiteral("ю") << 47 << 1;
    QTest::newRow("letters ню: one word, one choice") << 0 << QStringLiteral("ню") << 30 << 1;
    QTest::newRow("letters ню й: a space inside a word") << 0 << QStringLiteral("ню й") << 31 << 1;
    QTest::newRow("letter no item starts with") << 29 << QStringLiteral("щ") << 29 << 0;
}

void TestWindowInput::everySelectingKeyRaisesOneClick()
{
    QFETCH(int, start);
    QFETCH(QString, keys);
    QFETCH(int, expected);
    QFETCH(int, changes);

    quiz->clickItem(0, start);
    QSignalSpy clicks(&quiz->form.List1(0), &ListBox::Click);
    QListView *view = quiz->list(0);
    static const QHash<QString, Qt::Key> named = {
        {QStringLiteral("Down"), Qt::Key_Down},         {QStringLiteral("Up"), Qt::Key_Up},
        {QStringLiteral("Right"), Qt::Key_Right},       {QStringLiteral("Left"), Qt::Key_Left},
        {QStringLiteral("Home"), Qt::Key_Home},         {QStringLiteral("End"), Qt::Key_End},
        {QStringLiteral("PageDown"), Qt::Key_PageDown}, {QStringLiteral("PageUp"), Qt::Key_PageUp},
    };
    if (named.contains(keys)) {
        quiz->key(0, named.value(keys));
    } else {
        // Each letter moves the frame at once; the word chooses when typing pauses.
        typeText(view, keys);
        QCOMPARE(quiz->form.List1(0).ListIndex(), start);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(waitForTheWordsEnd(view));
    }

    const int now = quiz->form.List1(0).ListIndex();
    if (expected == -2)
        QVERIFY2(now != start && now >= 0, "a page key must move the selection");
    else
        QCOMPARE(now, expected);
    QCOMPARE(clicks.count(), changes);
    QCOMPARE(view->currentIndex().row(), now);
}

void TestWindowInput::arrowKeyJudgesAtOnce()
{
    quiz->clickItem(1, 0);  // Annapolis, the capital of Maryland
    const int maryland = indexOf(quiz->form.List1(0), QStringLiteral("Мериленд-Maryland"));
    QListView *states = quiz->list(0);
    states->selectionModel()->setCurrentIndex(states->model()->index(maryland - 1, 0), QItemSelectionModel::NoUpdate);
    QCOMPARE(quiz->judged(), 0);

    quiz->key(0, Qt::Key_Down);

    QCOMPARE(quiz->judged(), 1);
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно: 1"));
    QCOMPARE(indexOf(quiz->form.List1(0), QStringLiteral("Мериленд-Maryland")), -1);

    // Typing a letter is a selection too.
    quiz->clickItem(1, indexOf(quiz->form.List1(1), QStringLiteral("Солт Лейк Сити-Salt Lake City")));
    typeText(states, QStringLiteral("ю"));
    QTRY_COMPARE(quiz->judged(), 2);
    QCOMPARE(quiz->form.Text1(0).Text(), QStringLiteral("Грешка: Южна Дакота-South Dakota Солт Лейк Сити-Salt Lake City\r\n"));
}

void TestWindowInput::verdictShowsAsTwoLines()
{
    quiz->clickItem(0, indexOf(quiz->form.List1(0), QStringLiteral("Оклахома-Oklahoma")));
    quiz->clickItem(1, indexOf(quiz->form.List1(1), QStringLiteral("Оклахома Сити-Oklahoma City")));
    QTextDocument *document = quiz->message()->document();
    QCOMPARE(document->blockCount(), 2);
    QCOMPARE(document->firstBlock().text(),
             QStringLiteral("Вярно: Щатът Оклахома-Oklahoma има за столица град Оклахома Сити-Oklahoma City"));
    QCOMPARE(document->lastBlock().text(), QStringLiteral("Най-големият град в щата е: Оклахома сити-Oklahoma City"));
    QVERIFY(!quiz->message()->toPlainText().contains(QLatin1Char('\r')));
    QVERIFY(quiz->form.Text1(0).Text().contains(lineBreak));
    QVERIFY(document->firstBlock().layout()->lineCount() >= 2);  // it wraps inside the area
}

void TestWindowInput::ctrlMovesTheFrameOnly_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::newRow("Down") << int(Qt::Key_Down) << 11;
    QTest::newRow("Up") << int(Qt::Key_Up) << 9;
    QTest::newRow("Right") << int(Qt::Key_Right) << 11;
    QTest::newRow("Left") << int(Qt::Key_Left) << 9;
    QTest::newRow("Home") << int(Qt::Key_Home) << 0;
    QTest::newRow("End") << int(Qt::Key_End) << 49;
    QTest::newRow("PageDown") << int(Qt::Key_PageDown) << -2;
    QTest::newRow("PageUp") << int(Qt::Key_PageUp) << -2;
}

void TestWindowInput::ctrlMovesTheFrameOnly()
{
    QFETCH(int, key);
    QFETCH(int, expected);
    quiz->clickItem(0, 4);
    quiz->list(1)->selectionModel()->setCurrentIndex(quiz->list(1)->model()->index(10, 0),
                                                     QItemSelectionModel::NoUpdate);
    QSignalSpy capitalClicks(&quiz->form.List1(1), &ListBox::Click);

    quiz->key(1, Qt::Key(key), Qt::ControlModifier);

    const int current = quiz->list(1)->currentIndex().row();
    if (expected == -2)
        QVERIFY(current != 10);
    else
        QCOMPARE(current, expected);
    QCOMPARE(quiz->form.List1(1).ListIndex(), -1);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 4);
    QCOMPARE(capitalClicks.count(), 0);
    QCOMPARE(quiz->judged(), 0);
}

void TestWindowInput::spaceChoosesTheFramedItem()
{
    quiz->clickItem(0, indexOf(quiz->form.List1(0), QStringLiteral("Мериленд-Maryland")));
    quiz->key(1, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 3; ++i)
        quiz->key(1, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(quiz->judged(), 0);
    const QString framed = quiz->form.List1(1).List(3);
    quiz->key(1, Qt::Key_Space);
    QCOMPARE(quiz->judged(), 1);
    QCOMPARE(quiz->form.Text1(0).Text(), QStringLiteral("Грешка: Мериленд-Maryland ") + framed + QStringLiteral("\r\n"));
    QCOMPARE(indexOf(quiz->form.List1(1), framed), -1);
    QCOMPARE(indexOf(quiz->form.List1(1), QStringLiteral("Анаполис-Annapolis")), 0);
}

void TestWindowInput::spaceOnTheSelectedItemChangesNothing()
{
    quiz->clickItem(0, 6);
    QSignalSpy clicks(&quiz->form.List1(0), &ListBox::Click);
    quiz->key(0, Qt::Key_Space);
    quiz->key(0, Qt::Key_Space, Qt::ControlModifier);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 6);
    QCOMPARE(clicks.count(), 0);
}

void TestWindowInput::screenReadersFollowTheFrame()
{
    QVERIFY(quiz->waitActive());
    QListView *view = quiz->list(0);
    view->setFocus();
    QVERIFY(QTest::qWaitFor([view] { return view->hasFocus(); }));
    QAccessibleInterface *list = QAccessible::queryAccessibleInterface(view);
    QVERIFY(list);
    QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Име на щата"));

    quiz->key(0, Qt::Key_Home, Qt::ControlModifier);
    for (int row = 0; row < 3; ++row) {
        QAccessibleInterface *focused = list->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name), quiz->form.List1(0).List(row));
        QVERIFY(focused->state().focused);
        QVERIFY(!focused->state().selected);
        quiz->key(0, Qt::Key_Down, Qt::ControlModifier);
    }
}

// What a screen reader is told, as each platform tells it: on Windows a
// value change of text, which UI Automation speaks as a notification; on
// Linux a notification that appears, without a name of its own, with the
// news in one line of text, as a braille display shows it.
struct Listener : QObject
{
    static inline QStringList heard;
    QWidget *notice = nullptr;

    explicit Listener(QWidget &window)
    {
        heard.clear();
#ifdef Q_OS_WIN
        // A screen reader's first request switches accessibility on.
        SendMessageW(reinterpret_cast<HWND>(window.winId()), WM_GETOBJECT, 0, LPARAM(-25));
        QAccessible::installUpdateHandler([](QAccessibleEvent *event) {
            if (event->type() == QAccessible::Announcement)
                heard << static_cast<QAccessibleAnnouncementEvent *>(event)->message();
        });
#else
        notice = window.findChild<QWidget *>(QStringLiteral("Announcer"));
        notice->installEventFilter(this);
#endif
    }
    ~Listener() override { QAccessible::installUpdateHandler(nullptr); }

    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(notice);
            QStringList text;
            for (int i = 0; i < face->childCount(); ++i)
                text << face->child(i)->text(QAccessible::Name);
            const bool notification = face->role() == QAccessible::Notification && face->text(QAccessible::Name).isEmpty();
            heard << (notification ? text.join(QLatin1Char(' ')) : QString());
        }
        return false;
    }
};

void TestWindowInput::screenReadersHearTheNews_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("capital");
    QTest::addColumn<bool>("restart");
    QTest::addColumn<QStringList>("news");
    QTest::newRow("a right answer") << QStringLiteral("Айдахо-Idaho") << QStringLiteral("Бойзи-Boise") << false
                                    << QStringList{QStringLiteral("Вярно: Щатът Айдахо-Idaho има за столица град "
                                                                  "Бойзи-Boise\nНай-големият град в щата е: "
                                                                  "Бойзи-Boise\nВярно: 1")};
    QTest::newRow("a wrong answer") << QStringLiteral("Айдахо-Idaho") << QStringLiteral("Джуно-Juneau") << false
                                    << QStringList{QStringLiteral("Грешка: Айдахо-Idaho Джуно-Juneau\nНевярно: 1")};
    QTest::newRow("a plain choice") << QStringLiteral("Айдахо-Idaho") << QString() << false << QStringList{};
    QTest::newRow("a new deal") << QString() << QString() << true
                                << QStringList{QStringLiteral("Нова игра: 50 щата и 50 столици, резултатът е нулиран.")};
}

// Each verdict is told once, with the tally it raised, and so is a new
// deal; a plain choice is the list's own news.
void TestWindowInput::screenReadersHearTheNews()
{
    QFETCH(QString, state);
    QFETCH(QString, capital);
    QFETCH(bool, restart);
    QFETCH(QStringList, news);
#ifndef Q_OS_WIN
    news.replaceInStrings(QStringLiteral("\n"), QStringLiteral(" "));
#endif
    Listener listener(quiz->window);
    if (!state.isEmpty())
        quiz->clickItem(0, indexOf(quiz->form.List1(0), state));
    if (!capital.isEmpty())
        quiz->clickItem(1, indexOf(quiz->form.List1(1), capital));
    if (restart)
        QTest::mouseClick(quiz->button(), Qt::LeftButton);
    QTRY_COMPARE(listener.heard, news);
}

void TestWindowInput::wholeDealByMouse()
{
    for (const StateRow &row : shippedStateTable()) {
        quiz->clickItem(1, indexOf(quiz->form.List1(1), cellText(row.capital)));
        quiz->clickItem(0, indexOf(quiz->form.List1(0), cellText(row.state)));
    }
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно: 50"));
    QCOMPARE(quiz->list(0)->model()->rowCount(), 0);
}

// Tab, Ctrl with arrows and Space only, through the focus the window gives.
void TestWindowInput::wholeDealByKeyboardWithoutMouse()
{
    QVERIFY(quiz->waitActive());
    QVERIFY(quiz->message()->hasFocus());
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), quiz->list(0));
    for (const StateRow &row : shippedStateTable()) {
        press(Qt::Key_Home, Qt::ControlModifier);
        for (int i = indexOf(quiz->form.List1(0), cellText(row.state)); i > 0; --i)
            press(Qt::Key_Down, Qt::ControlModifier);
        press(Qt::Key_Space);
        press(Qt::Key_Tab);
        press(Qt::Key_Home, Qt::ControlModifier);
        for (int i = indexOf(quiz->form.List1(1), cellText(row.capital)); i > 0; --i)
            press(Qt::Key_Down, Qt::ControlModifier);
        press(Qt::Key_Space);
        press(Qt::Key_Tab, Qt::ShiftModifier);
    }
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно: 50"));
    QCOMPARE(quiz->form.wrongCount(), 0);
}

// Tab and Home only: each Home chooses the first item of its list at once.
void TestWindowInput::wholeDealByPlainKeys()
{
    QVERIFY(quiz->waitActive());
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    press(Qt::Key_Tab);
    for (int pair = 50; pair > 0; --pair) {
        QCOMPARE(quiz->form.List1(0).ListCount(), pair);
        press(Qt::Key_Home);
        QCOMPARE(quiz->form.List1(0).ListIndex(), 0);
        press(Qt::Key_Tab);
        press(Qt::Key_Home);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(quiz->judged(), 51 - pair);
        QCOMPARE(quiz->form.List1(0).ListIndex(), -1);
        QCOMPARE(quiz->form.List1(1).ListIndex(), -1);
    }
    QCOMPARE(quiz->form.List1(1).ListCount(), 0);
}

void TestWindowInput::movementKeyAtTheEdgeChoosesTheFramedItem()
{
    QListView *states = quiz->list(0);
    QSignalSpy clicks(&quiz->form.List1(0), &ListBox::Click);
    states->selectionModel()->setCurrentIndex(states->model()->index(49, 0), QItemSelectionModel::NoUpdate);
    quiz->key(0, Qt::Key_Down);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 49);
    quiz->key(0, Qt::Key_End);
    quiz->key(0, Qt::Key_Down);
    QCOMPARE(clicks.count(), 1);

    // When that choice judges, the same key press chooses nothing more.
    quiz->clickItem(1, 0);
    QCOMPARE(quiz->judged(), 1);
    states->selectionModel()->setCurrentIndex(states->model()->index(48, 0), QItemSelectionModel::NoUpdate);
    quiz->clickItem(1, 0);
    quiz->key(0, Qt::Key_End);
    QCOMPARE(quiz->judged(), 2);
    QCOMPARE(quiz->form.List1(0).ListIndex(), -1);
    QCOMPARE(quiz->form.List1(1).ListIndex(), -1);
}

QTEST_MAIN(TestWindowInput)
#include "tst_windowinput.moc"
