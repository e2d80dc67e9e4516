// Random real input on the real window, with the quiz's invariants checked
// after every event. A failure names its seed and the events since the last
// deal; MARVENDO_MONKEY_SEED=n replays one seed.
#include "quizwindow.h"
#include "testhelpers.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QTimer>

#include <memory>

namespace {

struct Snapshot
{
    QStringList states;
    QStringList capitals;
    int correct = 0;
    int wrong = 0;
    int stateChosen = -1;
    int capitalChosen = -1;
};

class Monkey
{
public:
    // Either the event loop runs between two inputs, or the inputs arrive back
    // to back, as when the window system delivers a burst at once.
    Monkey(QuizWindow &quiz, quint32 seed, bool eventLoopBetweenInputs)
        : m_quiz(quiz), m_random(seed), m_eventLoopBetweenInputs(eventLoopBetweenInputs)
    {
        const StateTable table = shippedStateTable();
        m_states = column(table, &StateRow::state);
        m_capitals = column(table, &StateRow::capital);
        m_largest = column(table, &StateRow::largestCity);
    }

    QString step();
    QString check(const Snapshot &before);
    Snapshot snapshot() const;

private:
    QString clickSomewhere(bool twice);
    QString rougherMouse();
    QString pressKey();
    QString verdictError(const Snapshot &before, const Snapshot &after);
    QString orderError(const QStringList &shown, const QStringList &reference) const;

    QuizWindow &m_quiz;
    QRandomGenerator m_random;
    const bool m_eventLoopBetweenInputs;
    bool m_expectNoChoice = false;  // the last input was another button than the left
    bool m_menuOnAList = false;
    QStringList m_states;
    QStringList m_capitals;
    QStringList m_largest;
};

Snapshot Monkey::snapshot() const
{
    return {items(m_quiz.form.List1(0)), items(m_quiz.form.List1(1)), m_quiz.form.correctCount(),
            m_quiz.form.wrongCount(), m_quiz.form.List1(0).ListIndex(), m_quiz.form.List1(1).ListIndex()};
}

QString Monkey::step()
{
    if (m_eventLoopBetweenInputs)
        QCoreApplication::processEvents();
    m_expectNoChoice = false;
    const int dice = m_random.bounded(1000);
    if (dice < 4) {
        QTest::mouseClick(m_quiz.button(), Qt::LeftButton);
        return QStringLiteral("restart");
    }
    if (dice < 120)
        return rougherMouse();
    if (dice < 450)
        return clickSomewhere(dice < 180);
    return pressKey();
}

// Bursts of three or four quick clicks, drags in small steps, and clicks of
// the right and middle buttons, as the window system delivers them.
QString Monkey::rougherMouse()
{
    QWindow *window = m_quiz.window.windowHandle();
    auto randomPoint = [this] {
        return QPoint(m_random.bounded(m_quiz.window.width()), m_random.bounded(m_quiz.window.height()));
    };
    const QPoint at = randomPoint();
    const int kind = m_random.bounded(3);
    QString what;
    if (kind == 0) {
        const int presses = 3 + m_random.bounded(2);
        for (int i = 0; i < presses; ++i) {
            windowMouseEvent(window, QEvent::MouseButtonPress, Qt::LeftButton, at, i == 0 ? 1000 : 60);
            windowMouseEvent(window, QEvent::MouseButtonRelease, Qt::LeftButton, at, 30);
        }
        what = QStringLiteral("%1 quick clicks").arg(presses);
    } else if (kind == 1) {
        const QPoint to = randomPoint();
        windowMouseEvent(window, QEvent::MouseButtonPress, Qt::LeftButton, at, 1000);
        for (int step = 1; step <= 8; ++step)
            windowMouseEvent(window, QEvent::MouseMove, Qt::LeftButton, at + (to - at) * step / 8, 15);
        windowMouseEvent(window, QEvent::MouseButtonRelease, Qt::LeftButton, to, 15);
        what = QStringLiteral("drag to %1,%2").arg(to.x()).arg(to.y());
    } else {
        const Qt::MouseButton button = m_random.bounded(2) ? Qt::RightButton : Qt::MiddleButton;
        // The message area offers a menu (copy, select all), on some systems
        // at the press and on others at the release: close it as a player
        // would. The lists must offer none.
        QTimer closer;
        QObject::connect(&closer, &QTimer::timeout, &m_quiz.window, [this] {
            if (QWidget *menu = QApplication::activePopupWidget()) {
                for (QObject *owner = menu; owner; owner = owner->parent())
                    m_menuOnAList |= owner == m_quiz.list(0) || owner == m_quiz.list(1);
                menu->close();
            }
        });
        closer.start(10);
        windowMouseEvent(window, QEvent::MouseButtonPress, button, at, 1000);
        windowMouseEvent(window, QEvent::MouseButtonRelease, button, at, 30);
        QTest::qWait(20);
        m_expectNoChoice = true;
        what = button == Qt::RightButton ? QStringLiteral("right click") : QStringLiteral("middle click");
    }
    QTest::lastMouseTimestamp += 1000;
    return QStringLiteral("%1 from %2,%3").arg(what).arg(at.x()).arg(at.y());
}

QString Monkey::clickSomewhere(bool twice)
{
    QWidget &window = m_quiz.window;
    const QPoint at(m_random.bounded(window.width()), m_random.bounded(window.height()));
    QWidget *target = window.childAt(at);
    if (!target)
        target = &window;
    const Qt::KeyboardModifiers modifiers = m_random.bounded(8) == 0 ? Qt::ControlModifier : Qt::NoModifier;
    if (twice) {
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, modifiers, at);
    } else {
        QTest::mouseClick(target, Qt::LeftButton, modifiers, target->mapFrom(&window, at));
    }
    return QStringLiteral("%1 %2,%3 on %4%5")
        .arg(twice ? QStringLiteral("double click") : QStringLiteral("click"))
        .arg(at.x())
        .arg(at.y())
        .arg(target->objectName().isEmpty() ? QString::fromLatin1(target->metaObject()->className())
                                            : target->objectName())
        .arg(modifiers ? QStringLiteral(" with Ctrl") : QString());
}

QString Monkey::pressKey()
{
    static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left,  Qt::Key_Right,
                                   Qt::Key_Home,   Qt::Key_End,      Qt::Key_PageUp, Qt::Key_PageDown,
                                   Qt::Key_Tab,    Qt::Key_Space,    Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Escape, Qt::Key_Backtab,  Qt::Key_Delete};
    static const QString letters = QStringLiteral("айбвгдзиклмнопрстуфхчшюяabcnoxz");

    QWidget *target = QApplication::focusWidget();
    if (!target || m_random.bounded(10) == 0) {
        const QList<QWidget *> focusable = {m_quiz.message(), m_quiz.list(0), m_quiz.list(1), m_quiz.button()};
        target = focusable.at(m_random.bounded(int(focusable.size())));
    }
    const QString where = target->objectName();
    if (m_random.bounded(6) == 0) {
        const QString letter = letters.at(m_random.bounded(int(letters.size())));
        typeText(target, letter);
        return QStringLiteral("type %1 in %2").arg(letter, where);
    }
    const Qt::Key key = keys[m_random.bounded(int(std::size(keys)))];
    Qt::KeyboardModifiers modifiers;
    const int dice = m_random.bounded(10);
    if (dice < 3)
        modifiers = Qt::ControlModifier;
    else if (dice == 3)
        modifiers = Qt::ShiftModifier;
    QTest::keyClick(target, key, modifiers);
    return QStringLiteral("key %1 mod %2 in %3").arg(int(key), 0, 16).arg(int(modifiers), 0, 16).arg(where);
}

QString Monkey::orderError(const QStringList &shown, const QStringList &reference) const
{
    for (int i = 0; i < shown.size(); ++i) {
        if (!reference.contains(shown.at(i)))
            return QStringLiteral("unknown item ") + shown.at(i);
        if (i > 0 && !(shown.at(i - 1).toLower() < shown.at(i).toLower()))
            return QStringLiteral("out of order or doubled: ") + shown.at(i - 1) + QLatin1String(" / ") + shown.at(i);
    }
    return {};
}

QString Monkey::check(const Snapshot &before)
{
    Marvendo &f = m_quiz.form;
    const Snapshot now = snapshot();
    if (m_expectNoChoice && (now.states != before.states || now.stateChosen != before.stateChosen
                             || now.capitalChosen != before.capitalChosen))
        return QStringLiteral("another button than the left one chose");
    if (std::exchange(m_menuOnAList, false))
        return QStringLiteral("a list opened a context menu");

    if (items(f.List1(2)) != m_states || items(f.List1(3)) != m_capitals || items(f.List1(4)) != m_largest)
        return QStringLiteral("a reference list changed");
    if (QString error = orderError(now.states, m_states); !error.isEmpty())
        return QStringLiteral("states: ") + error;
    if (QString error = orderError(now.capitals, m_capitals); !error.isEmpty())
        return QStringLiteral("capitals: ") + error;
    if (now.states.size() != now.capitals.size())
        return QStringLiteral("the lists differ in length");
    if (m_states.size() - now.states.size() != now.correct + now.wrong)
        return QStringLiteral("judged pairs %1 but tallies %2 + %3")
            .arg(m_states.size() - now.states.size()).arg(now.correct).arg(now.wrong);

    const QString correctCaption = f.Label1(3).Caption();
    const QString wrongCaption = f.Label1(4).Caption();
    if (now.correct > 0 ? correctCaption != QStringLiteral("Вярно: ") + QString::number(now.correct)
                        : !correctCaption.startsWith(QStringLiteral("Вярно:")) || correctCaption.size() > 7)
        return QStringLiteral("correct tally reads ") + correctCaption;
    if (now.wrong > 0 ? wrongCaption != QStringLiteral("Невярно: ") + QString::number(now.wrong)
                      : !wrongCaption.startsWith(QStringLiteral("Невярно:")) || wrongCaption.size() > 9)
        return QStringLiteral("wrong tally reads ") + wrongCaption;
    if (m_quiz.label(3)->text() != correctCaption || m_quiz.label(4)->text() != wrongCaption)
        return QStringLiteral("the window shows other tallies than the form");
    if (m_quiz.message()->toPlainText() != QString(f.Text1(0).Text()).replace(lineBreak, QStringLiteral("\n")))
        return QStringLiteral("the message area shows another text than the form holds");

    return verdictError(before, now);
}

// When a pair was judged: exactly one, both items gone, no selection left,
// and the verdict names the gone pair as the table judges it.
QString Monkey::verdictError(const Snapshot &before, const Snapshot &after)
{
    Marvendo &form = m_quiz.form;
    const bool restarted = after.states.size() > before.states.size();
    if (restarted || after.states.size() == before.states.size())
        return {};
    if (before.states.size() - after.states.size() != 1)
        return QStringLiteral("more than one pair judged by one event");
    if (form.List1(0).ListIndex() != -1 || form.List1(1).ListIndex() != -1
        || m_quiz.list(0)->selectionModel()->hasSelection() || m_quiz.list(1)->selectionModel()->hasSelection())
        return QStringLiteral("an item stays selected after a judgment: %1 %2 %3 %4")
            .arg(form.List1(0).ListIndex())
            .arg(form.List1(1).ListIndex())
            .arg(m_quiz.list(0)->selectionModel()->hasSelection())
            .arg(m_quiz.list(1)->selectionModel()->hasSelection());

    QString state, capital;
    for (const QString &s : before.states)
        if (!after.states.contains(s))
            state = s;
    for (const QString &c : before.capitals)
        if (!after.capitals.contains(c))
            capital = c;
    const qsizetype row = m_states.indexOf(state);
    const bool right = m_capitals.at(row) == capital;
    const QString expected = right ? QStringLiteral("Вярно: Щатът ") + state + QStringLiteral(" има за столица град ")
                                         + capital + lineBreak + QStringLiteral("Най-големият град в щата е: ")
                                         + m_largest.at(row)
                                   : QStringLiteral("Грешка: ") + state + QLatin1Char(' ') + capital + lineBreak;
    if (form.Text1(0).Text() != expected)
        return QStringLiteral("verdict reads ") + form.Text1(0).Text();
    if ((right ? after.correct - before.correct : after.wrong - before.wrong) != 1)
        return QStringLiteral("the wrong tally went up");
    return {};
}

} // namespace

class TestMonkey : public QObject
{
    Q_OBJECT

private slots:
    void invariantsHoldUnderRandomInput_data();
    void invariantsHoldUnderRandomInput();
};

void TestMonkey::invariantsHoldUnderRandomInput_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");
    QTest::addColumn<bool>("eventLoop");
    const QByteArray replay = qgetenv("MARVENDO_MONKEY_SEED");
    if (!replay.isEmpty()) {
        for (bool loop : {false, true})
            QTest::addRow("seed %s, event loop %d", replay.constData(), loop) << replay.toUInt() << 20000 << loop;
        return;
    }
    for (quint32 seed : {11u, 2024u, 31337u})
        QTest::addRow("seed %u, back to back", seed) << seed << 4000 << false;
    for (quint32 seed : {65521u, 900001u})
        QTest::addRow("seed %u, event loop between", seed) << seed << 4000 << true;
}

void TestMonkey::invariantsHoldUnderRandomInput()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);
    QFETCH(bool, eventLoop);

    QuizWindow quiz;
    QVERIFY(quiz.waitActive());
    Monkey monkey(quiz, seed, eventLoop);
    QStringList sinceDeal;
    int judgments = 0;
    for (int n = 0; n < events; ++n) {
        const Snapshot before = monkey.snapshot();
        const QString event = monkey.step();
        sinceDeal << QStringLiteral("#%1 %2").arg(n).arg(event);
        const QString error = monkey.check(before);
        if (!error.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1, event #%2: %3\nevents since the last deal:\n%4")
                                 .arg(seed).arg(n).arg(error, sinceDeal.join(QLatin1Char('\n')))));
        const int left = quiz.form.List1(0).ListCount();
        if (left > before.states.size())
            sinceDeal.clear();
        else if (left < before.states.size())
            ++judgments;
    }
    qInfo("seed %u: %d events, %d judgments", seed, events, judgments);
    QVERIFY2(judgments > events / 50, "the monkey hardly played: the input does not reach the lists");
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
