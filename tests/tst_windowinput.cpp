#include "quizwindow.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTextBlock>
#include <QToolTip>

#include <memory>

namespace {

// One step of a gesture on the state list: a press, move or release over an
// item (row -1: just below the last one), some milliseconds after the last.
struct MouseStep
{
    QEvent::Type type;
    Qt::MouseButton button;
    int row;
    int msAfterLast;
};
using Gesture = QList<MouseStep>;

Gesture clicks(int row, int times, Qt::MouseButton button = Qt::LeftButton)
{
    Gesture gesture;
    for (int i = 0; i < times; ++i)
        gesture << MouseStep{QEvent::MouseButtonPress, button, row, 60}
                << MouseStep{QEvent::MouseButtonRelease, button, row, 30};
    return gesture;
}

Gesture sweepUpFromBelow(int rows)
{
    Gesture gesture{{QEvent::MouseButtonPress, Qt::LeftButton, -1, 600}};
    for (int row = rows - 1; row >= 0; --row)
        gesture << MouseStep{QEvent::MouseMove, Qt::LeftButton, row, 20};
    gesture << MouseStep{QEvent::MouseButtonRelease, Qt::LeftButton, 0, 20};
    return gesture;
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
    void messageAreaStartsNoTextDrag();
    void longItemsShowWholeWithATooltip();
    void mouseClicksJudgeAPair();
    void clickBelowTheItemsSelectsNothing();
    void playerCannotClearASelection();
    void doubleClickJudgesOnce();
    void dragAfterAJudgingPressPicksNothing();
    void everySelectingKeyRaisesOneClick_data();
    void everySelectingKeyRaisesOneClick();
    void arrowKeyJudgesAtOnce();
    void verdictShowsAsTwoLines();
    void ctrlMovesTheFrameOnly_data();
    void ctrlMovesTheFrameOnly();
    void spaceChoosesTheFramedItem();
    void spaceOnTheSelectedItemChangesNothing();
    void screenReadersFollowTheFrame();
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
    QCOMPARE(quiz->message()->toPlainText(), Marvendo::taskText().replace(crlf, QLatin1String("\n")));
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

    press.simulate(quiz->button());

    QCOMPARE(quiz->list(0)->model()->rowCount(), 50);
    QCOMPARE(quiz->list(1)->model()->rowCount(), 50);
    QVERIFY(!quiz->list(0)->selectionModel()->hasSelection());
    QCOMPARE(quiz->message()->toPlainText(), QString());
    QCOMPARE(quiz->label(3)->text(), QStringLiteral("Вярно:"));
    QCOMPARE(quiz->label(4)->text(), QStringLiteral("Невярно:"));
}

void TestWindowInput::roughMouseInputJudgesOnce_data()
{
    QTest::addColumn<int>("statesLeft");
    QTest::addColumn<Gesture>("gesture");
    QTest::addColumn<int>("judged");
    QTest::addColumn<int>("stateChosen");

    const Gesture slowClick{{QEvent::MouseButtonPress, Qt::LeftButton, 1, 600},
                            {QEvent::MouseButtonRelease, Qt::LeftButton, 1, 30}};
    QTest::newRow("single click") << 50 << clicks(1, 1) << 1 << -1;
    QTest::newRow("triple click") << 50 << clicks(1, 3) << 1 << -1;
    QTest::newRow("quadruple click") << 50 << clicks(1, 4) << 1 << -1;
    QTest::newRow("a slow second click chooses") << 50 << clicks(1, 1) + slowClick << 1 << 1;
    QTest::newRow("sweep up from below the items") << 3 << sweepUpFromBelow(3) << 1 << -1;
    QTest::newRow("right click") << 50 << clicks(1, 1, Qt::RightButton) << 0 << -1;
    QTest::newRow("middle click") << 50 << clicks(1, 1, Qt::MiddleButton) << 0 << -1;
}

// With a capital chosen, a gesture on the states judges once, and nothing
// else of it or of its burst of clicks chooses.
void TestWindowInput::roughMouseInputJudgesOnce()
{
    QFETCH(int, statesLeft);
    QFETCH(Gesture, gesture);
    QFETCH(int, judged);
    QFETCH(int, stateChosen);
    while (quiz->form.List1(0).ListCount() > statesLeft) {
        quiz->form.List1(0).choose(0);
        quiz->form.List1(1).choose(0);
    }
    const int before = quiz->judged();
    quiz->clickItem(1, 0);

    QListView *states = quiz->list(0);
    for (const MouseStep &step : gesture) {
        const QPoint inView = step.row < 0 ? QPoint(20, states->visualRect(states->model()->index(statesLeft - 1, 0)).bottom() + 8)
                                           : quiz->itemCentre(0, step.row);
        windowMouseEvent(quiz->window.windowHandle(), step.type, step.button,
                         states->viewport()->mapTo(&quiz->window, inView), step.msAfterLast);
    }
    QTest::lastMouseTimestamp += 1000;

    QCOMPARE(quiz->judged(), before + judged);
    QCOMPARE(quiz->form.List1(0).ListIndex(), stateChosen);
    QCOMPARE(quiz->form.List1(1).ListIndex(), judged ? -1 : 0);
}

// A word chosen by a double click, then pressed and dragged out of the area
// in small steps: the press starts a new selection instead of a text drag,
// which would keep hold of the mouse, and the window goes on answering.
void TestWindowInput::messageAreaStartsNoTextDrag()
{
    QVERIFY(quiz->waitActive());
    QPlainTextEdit *area = quiz->message();
    QTextCursor word(area->document());
    word.setPosition(12);
    const QPoint at = area->cursorRect(word).center();

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
    quiz->clickItem(0, 3);
    QCOMPARE(quiz->form.List1(0).ListIndex(), 3);
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

void TestWindowInput::dragAfterAJudgingPressPicksNothing()
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

    // An ordinary drag still moves the selection, as in any list.
    QTest::mousePress(capitals, Qt::LeftButton, {}, at);
    QTest::mouseMove(capitals, quiz->itemCentre(1, 2));
    QTest::mouseRelease(capitals, Qt::LeftButton, {}, quiz->itemCentre(1, 2));
    QCOMPARE(quiz->form.List1(1).ListIndex(), 2);
    QCOMPARE(quiz->judged(), 1);
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
    QTest::newRow("letters ню: Небраска, then Ню Джърси") << 0 << QStringLiteral("ню") << 30 << 2;
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
    if (named.contains(keys))
        quiz->key(0, named.value(keys));
    else
        typeText(view, keys);

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
    QCOMPARE(quiz->judged(), 2);
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
    QVERIFY(quiz->form.Text1(0).Text().contains(crlf));
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
