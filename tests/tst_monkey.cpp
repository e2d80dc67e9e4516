// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Random real input on the real window. After every press, key and release
// the quiz's invariants are checked, and so is what the input was aimed at:
// each left press must choose the item under it, judge, or do nothing after
// a press of its burst that judged; each key and typed word likewise. A
// failure names its seed and the inputs since the last deal;
// MARVENDO_MONKEY_SEED=n replays one seed.
#include "quizwindow.h"
#include "testhelpers.h"

#include <QRandomGenerator>
#include <QScrollBar>
#include <QStyleHints>

namespace {

struct Snapshot
{
    QStringList states;
    QStringList capitals;
    int correct = 0;
    int wrong = 0;
    QString chosen[2];
};

// What an input should do to the lists: nothing, choose an item of one
// list, or choose it and so judge it with the other list's choice.
struct Intent
{
    bool known = false;  // false: only the invariants are checked
    int list = -1;       // -1: nothing is chosen
    QString item = {};
};

// The test's own model of when a press or key may choose: a burst of left
// presses each within the double-click time and distance of the one before,
// or a held key, chooses nothing after a choice of it judged.
struct GestureModel
{
    bool hasPress = false;
    QPoint lastAt;
    quint64 lastTime = 0;
    bool burstJudged = false;
    int heldKey = 0;
    bool keyJudged = false;

    void reset() { hasPress = burstJudged = keyJudged = false; }
    bool pressMayChoose(QPoint at, quint64 time)
    {
        const bool continues = hasPress && time - lastTime <= quint64(QApplication::doubleClickInterval())
                               && (at - lastAt).manhattanLength() <= QApplication::styleHints()->mouseDoubleClickDistance();
        if (!continues)
            burstJudged = false;
        hasPress = true;
        lastAt = at;
        lastTime = time;
        return !burstJudged;
    }
    bool keyMayChoose(int key, bool repeat)
    {
        if (!repeat || key != heldKey) {
            heldKey = key;
            keyJudged = false;
        }
        return !keyJudged;
    }
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
        QObject::connect(qApp, &QApplication::focusChanged, &quiz.window, [this](QWidget *old, QWidget *) {
            if (old == m_quiz.list(0) || old == m_quiz.list(1))
                m_model.reset();  // leaving a list ends every gesture
        });
    }

    void step();
    QString error() const { return m_error; }
    QStringList log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    int judgments() const { return m_judgments; }

private:
    // Inputs, each checked as it is made.
    void press(QPoint at, int ms, Qt::MouseButton button = Qt::LeftButton);
    void release(QPoint at, int ms, Qt::MouseButton button = Qt::LeftButton);
    void move(QPoint at, int ms);
    // A repeat is marked as one, or, as an X server tells it to a busy
    // program, a release and a press at one time, neither marked, or a
    // press alone.
    enum class Repeat { No, Marked, Unmarked, PressAlone };
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}, Repeat repeat = Repeat::No);
    void releaseKey(Qt::Key key);
    void typeWord(const QString &word);

    // The player's habits.
    void clickSomewhere();
    void burst();
    void alternate();
    void drag();
    void otherButton();
    void holdKey();
    void keysWhileTheButtonIsDown();
    void pressKey();
    void maximizeFromTheTitleBar();

    Intent keyIntent(Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeat);
    Intent wordIntent(int list, const QString &word) const;
    Intent choose(int list, const QString &item) const;
    void checkAfter(const QString &what, const Snapshot &before, const Intent &intent);
    QString intentError(const Snapshot &before, const Snapshot &after, const Intent &intent) const;
    QString invariantError(const Snapshot &before, const Snapshot &now) const;
    QString verdictError(const Snapshot &before, const Snapshot &after) const;
    QString orderError(const QStringList &shown, const QStringList &reference) const;
    Snapshot snapshot() const;
    // Also where the intent was not known, such as a key in an unframed list.
    bool judgedSince(const Snapshot &before) const { return m_quiz.form.List1(0).ListCount() < before.states.size(); }
    QPoint randomPoint() { return {m_random.bounded(m_quiz.window.width()), m_random.bounded(m_quiz.window.height())}; }
    QPoint itemPoint(int list);
    int listUnder(QPoint at) const;

    QuizWindow &m_quiz;
    QRandomGenerator m_random;
    const bool m_eventLoopBetweenInputs;
    GestureModel m_model;
    quint64 m_keyTime = 1000;
    QPoint m_lastPress;
    QString m_error;
    QStringList m_log;
    int m_judgments = 0;
    QStringList m_states;
    QStringList m_capitals;
    QStringList m_largest;
};

Snapshot Monkey::snapshot() const
{
    Snapshot s{items(m_quiz.form.List1(0)), items(m_quiz.form.List1(1)), m_quiz.form.correctCount(),
               m_quiz.form.wrongCount(), {}};
    for (int list = 0; list < 2; ++list)
        s.chosen[list] = m_quiz.form.List1(list).List(m_quiz.form.List1(list).ListIndex());
    return s;
}

void Monkey::step()
{
    if (m_eventLoopBetweenInputs)
        QCoreApplication::processEvents();
    const int dice = m_random.bounded(1000);
    if (dice < 4) {
        const QPoint at = m_quiz.button()->geometry().center();
        press(at, 1000);
        release(at, 30);
    } else if (dice < 40) {
        burst();
    } else if (dice < 60) {
        alternate();
    } else if (dice < 90) {
        drag();
    } else if (dice < 110) {
        otherButton();
    } else if (dice < 140) {
        holdKey();
    } else if (dice < 160) {
        keysWhileTheButtonIsDown();
    } else if (dice < 450) {
        clickSomewhere();
    } else if (dice < 465) {
        // Windows draws the frame itself, and offers no way to maximize a
        // window of a fixed size.
        if (QGuiApplication::platformName() != QLatin1String("windows"))
            maximizeFromTheTitleBar();
    } else {
        pressKey();
    }
}

int Monkey::listUnder(QPoint at) const
{
    QWidget *target = m_quiz.window.childAt(at);
    for (int list = 0; list < 2; ++list)
        if (target == m_quiz.list(list)->viewport())
            return list;
    return -1;
}

// A point on a visible item of a list, or below the last one.
QPoint Monkey::itemPoint(int list)
{
    QListView *view = m_quiz.list(list);
    const QRect area = view->viewport()->rect();
    const QPoint inView(m_random.bounded(area.width()), m_random.bounded(area.height()));
    return view->viewport()->mapTo(&m_quiz.window, inView);
}

// A left press aims at the item under the pointer; it chooses it unless it
// continues a burst that judged. The focus it moves ends a gesture before
// the press counts, so the model is asked once the press is delivered.
void Monkey::press(QPoint at, int ms, Qt::MouseButton button)
{
    if (!m_error.isEmpty())
        return;
    const Snapshot before = snapshot();
    const quint64 time = QTest::lastMouseTimestamp + ms;
    // Rows removed by a judgment are laid out anew (and a scroll bar may
    // come or go) when a list next meets an event; the press meets the new
    // layout.
    for (int l = 0; l < 2; ++l)
        m_quiz.list(l)->doItemsLayout();
    const int list = listUnder(at);
    QString item;
    if (list >= 0) {
        QListView *view = m_quiz.list(list);
        item = view->indexAt(view->viewport()->mapFrom(&m_quiz.window, at)).data().toString();
    }
    windowMouseEvent(m_quiz.window.windowHandle(), QEvent::MouseButtonPress, button, at, ms);
    m_lastPress = at;
    Intent intent{true};
    if (button == Qt::LeftButton && m_model.pressMayChoose(at, time) && !item.isEmpty() && before.chosen[list] != item)
        intent = {true, list, item};
    checkAfter(QStringLiteral("press %1 at %2,%3 +%4 ms").arg(int(button)).arg(at.x()).arg(at.y()).arg(ms), before,
               intent);
    if (judgedSince(before))
        m_model.burstJudged = true;
}

Intent Monkey::choose(int list, const QString &item) const
{
    if (item.isEmpty() || m_quiz.form.List1(list).List(m_quiz.form.List1(list).ListIndex()) == item)
        return {true};
    return {true, list, item};
}

void Monkey::release(QPoint at, int ms, Qt::MouseButton button)
{
    if (!m_error.isEmpty())
        return;
    const Snapshot before = snapshot();
    windowMouseEvent(m_quiz.window.windowHandle(), QEvent::MouseButtonRelease, button, at, ms);
    // Only the button's release deals again; nothing else chooses.
    const bool restarts = button == Qt::LeftButton && m_quiz.window.childAt(at) == m_quiz.button()
                          && m_quiz.window.childAt(m_lastPress) == m_quiz.button();
    checkAfter(QStringLiteral("release %1 at %2,%3").arg(int(button)).arg(at.x()).arg(at.y()), before,
               Intent{!restarts});
}

void Monkey::move(QPoint at, int ms)
{
    if (!m_error.isEmpty())
        return;
    const Snapshot before = snapshot();
    windowMouseEvent(m_quiz.window.windowHandle(), QEvent::MouseMove, Qt::LeftButton, at, ms);
    checkAfter(QStringLiteral("move to %1,%2").arg(at.x()).arg(at.y()), before, Intent{true});
}

void Monkey::key(Qt::Key key, Qt::KeyboardModifiers modifiers, Repeat repeat)
{
    if (!m_error.isEmpty())
        return;
    QWidget *target = QApplication::focusWidget();
    if (!target)
        return;
    const Snapshot before = snapshot();
    const Intent intent = keyIntent(key, modifiers, repeat != Repeat::No);
    const bool marked = repeat == Repeat::Marked;
    m_keyTime += 30;
    if (repeat == Repeat::Marked || repeat == Repeat::Unmarked) {
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, QString(), marked);
        up.setTimestamp(m_keyTime);
        QApplication::sendEvent(m_quiz.window.windowHandle(), &up);
    }
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(), marked);
    press.setTimestamp(m_keyTime);
    QApplication::sendEvent(m_quiz.window.windowHandle(), &press);
    static const QString repeats[] = {QString(), QStringLiteral(" (repeat)"), QStringLiteral(" (unmarked repeat)"),
                                      QStringLiteral(" (press alone)")};
    checkAfter(QStringLiteral("key %1 mod %2%3 in %4")
                   .arg(int(key), 0, 16)
                   .arg(int(modifiers), 0, 16)
                   .arg(repeats[int(repeat)], target->objectName()),
               before, intent);
    if (judgedSince(before))
        m_model.keyJudged = true;
}

// The item a plain key aims at in the list with the focus: the framed one
// for Space, the one after or before it for the arrows (the framed one at
// the edge), the first or the last for Home and End. Ctrl with a movement
// key only moves the frame. Page keys and other widgets: invariants only.
Intent Monkey::keyIntent(Qt::Key key, Qt::KeyboardModifiers modifiers, bool repeat)
{
    QWidget *focus = QApplication::focusWidget();
    const int list = focus == m_quiz.list(0) ? 0 : focus == m_quiz.list(1) ? 1 : -1;
    const bool mayChoose = m_model.keyMayChoose(key, repeat);
    if (list < 0)
        return {key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter};
    const QModelIndex frame = m_quiz.list(list)->currentIndex();
    const int last = m_quiz.form.List1(list).ListCount() - 1;
    const bool ctrl = modifiers & Qt::ControlModifier;
    int row = -1;
    switch (key) {
    case Qt::Key_Space: row = frame.row(); break;
    case Qt::Key_Down: case Qt::Key_Right: row = ctrl ? -1 : qMin(frame.row() + 1, last); break;
    case Qt::Key_Up: case Qt::Key_Left: row = ctrl ? -1 : qMax(frame.row() - 1, 0); break;
    case Qt::Key_Home: row = ctrl ? -1 : 0; break;
    case Qt::Key_End: row = ctrl ? -1 : last; break;
    case Qt::Key_PageUp: case Qt::Key_PageDown: return {ctrl};
    default: return {true};
    }
    if (!frame.isValid() && row >= 0)
        return {};  // where an unframed list starts is the list's own business
    if (!mayChoose || row < 0)
        return {true};
    return choose(list, m_quiz.form.List1(list).List(row));
}

void Monkey::releaseKey(Qt::Key key)
{
    m_keyTime += 30;
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), false);
    up.setTimestamp(m_keyTime);
    QApplication::sendEvent(m_quiz.window.windowHandle(), &up);
}

// Letters typed into a list move its frame and choose nothing until typing
// pauses; then the framed item chooses if it starts with the word.
void Monkey::typeWord(const QString &word)
{
    QWidget *focus = QApplication::focusWidget();
    const int list = focus == m_quiz.list(0) ? 0 : focus == m_quiz.list(1) ? 1 : -1;
    if (!m_error.isEmpty() || list < 0)
        return;
    const Snapshot before = snapshot();
    const Intent intent = wordIntent(list, word);
    typeText(focus, word);
    checkAfter(QStringLiteral("type %1 in %2, not yet paused").arg(word, focus->objectName()), before, Intent{true});
    const Snapshot typed = snapshot();
    if (!waitForTheWordsEnd(focus) && m_error.isEmpty())
        m_error = QStringLiteral("the word %1 never ended").arg(word);
    checkAfter(QStringLiteral("pause after %1").arg(word), typed, intent);
}

// The list's search: from the item after the frame for a first letter, from
// the frame for a longer word, wrapping round; a letter typed again and
// again goes on to the next item with that letter. The word chooses the
// item the last letter found.
Intent Monkey::wordIntent(int list, const QString &word) const
{
    const QStringList shown = items(m_quiz.form.List1(list));
    int frame = m_quiz.list(list)->currentIndex().row();
    QString typed;
    int found = -1;
    for (QChar letter : word) {
        typed += letter;
        const bool again = typed.size() > 1 && typed.count(typed.front(), Qt::CaseInsensitive) == typed.size();
        const QString sought = again ? typed.left(1) : typed;
        const int from = frame < 0 ? 0 : (typed.size() == 1 || again ? frame + 1 : frame);
        found = -1;
        for (int i = 0; i < shown.size() && found < 0; ++i) {
            const int row = (from + i) % int(shown.size());
            if (shown.at(row).startsWith(sought, Qt::CaseInsensitive))
                found = row;
        }
        if (found >= 0)
            frame = found;
    }
    return found < 0 ? Intent{true} : choose(list, shown.at(found));
}

// A click anywhere; now and then a quick second one a few pixels from the
// last press, as a pupil who clicked just beside an item does.
void Monkey::clickSomewhere()
{
    const bool quick = m_random.bounded(3) == 0;
    QPoint at = quick ? m_lastPress + QPoint(m_random.bounded(-4, 5), m_random.bounded(-4, 5)) : randomPoint();
    at = QPoint(qBound(0, at.x(), m_quiz.window.width() - 1), qBound(0, at.y(), m_quiz.window.height() - 1));
    press(at, quick ? 40 + m_random.bounded(200) : 1000);
    release(at, 30);
}

void Monkey::burst()
{
    const QPoint at = randomPoint();
    const int presses = 2 + m_random.bounded(3);
    for (int i = 0; i < presses; ++i) {
        press(at + QPoint(m_random.bounded(-2, 3), 0), i == 0 ? 1000 : 60);
        release(at, 30);
    }
}

void Monkey::alternate()
{
    const int pairs = 2 + m_random.bounded(5);
    for (int i = 0; i < pairs; ++i) {
        for (int list = 0; list < 2; ++list) {
            const QPoint at = itemPoint(list);
            press(at, i == 0 && list == 0 ? 1000 : 20 + m_random.bounded(60));
            release(at, 20);
        }
    }
}

void Monkey::drag()
{
    const QPoint from = m_random.bounded(2) ? itemPoint(m_random.bounded(2)) : randomPoint();
    const QPoint to = randomPoint();
    press(from, 1000);
    for (int step = 1; step <= 8; ++step)
        move(from + (to - from) * step / 8, 15);
    release(to, 15);
}

// Right and middle clicks choose nothing and open no menu anywhere.
void Monkey::otherButton()
{
    const QPoint at = randomPoint();
    const Qt::MouseButton button = m_random.bounded(2) ? Qt::RightButton : Qt::MiddleButton;
    press(at, 1000, button);
    release(at, 30, button);
    if (QWidget *menu = QApplication::activePopupWidget()) {
        menu->close();
        if (m_error.isEmpty())
            m_error = QStringLiteral("a context menu opened");
    }
}

void Monkey::holdKey()
{
    if (m_random.bounded(2))
        m_quiz.list(m_random.bounded(2))->setFocus();
    static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_Right};
    const Qt::Key held = keys[m_random.bounded(int(std::size(keys)))];
    key(held);
    for (int i = m_random.bounded(2, 6); i > 0; --i)
        key(held, {}, Repeat(1 + m_random.bounded(3)));
    // At times a click takes the focus to the message area before the key
    // is let go there; back in the list, the key pressed again chooses.
    QWidget *list = QApplication::focusWidget();
    const bool away = m_random.bounded(4) == 0;
    if (away) {
        const QPoint at = m_quiz.message()->geometry().center();
        press(at, 1000);
        release(at, 30);
    }
    releaseKey(held);
    if (away && list) {
        list->setFocus();
        key(held);
        releaseKey(held);
    }
}

// The keyboard is no part of a mouse gesture: keys choose while the left
// button is held down after a press that judged.
void Monkey::keysWhileTheButtonIsDown()
{
    const QPoint at = itemPoint(m_random.bounded(2));
    press(at, 1000);
    static const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Space, Qt::Key_Up};
    for (int i = 1 + m_random.bounded(2); i > 0; --i) {
        const Qt::Key k = keys[m_random.bounded(int(std::size(keys)))];
        key(k);
        releaseKey(k);
    }
    release(at, 30);
}

void Monkey::pressKey()
{
    static const Qt::Key keys[] = {Qt::Key_Up,     Qt::Key_Down,     Qt::Key_Left,  Qt::Key_Right,
                                   Qt::Key_Home,   Qt::Key_End,      Qt::Key_PageUp, Qt::Key_PageDown,
                                   Qt::Key_Tab,    Qt::Key_Space,    Qt::Key_Return, Qt::Key_Enter,
                                   Qt::Key_Escape, Qt::Key_Backtab,  Qt::Key_Delete};
    static const QString letters = QStringLiteral("айбвгдзиклмнопрстуфхчшюяabcnoxz");

    if (!QApplication::focusWidget() || m_random.bounded(10) == 0) {
        const QList<QWidget *> focusable = {m_quiz.message(), m_quiz.list(0), m_quiz.list(1), m_quiz.button()};
        focusable.at(m_random.bounded(int(focusable.size())))->setFocus();
    }
    if (m_random.bounded(40) == 0) {
        QString word = letters.at(m_random.bounded(int(letters.size())));
        if (m_random.bounded(2))
            word += letters.at(m_random.bounded(int(letters.size())));
        typeWord(word);
        return;
    }
    const Qt::Key k = keys[m_random.bounded(int(std::size(keys)))];
    Qt::KeyboardModifiers modifiers;
    const int dice = m_random.bounded(10);
    if (dice < 3)
        modifiers = Qt::ControlModifier;
    else if (dice == 3)
        modifiers = Qt::ShiftModifier;
    key(k, modifiers);
    releaseKey(k);
}

// A double click on a title bar that Qt draws (GNOME's) asks the window
// system to maximize, in the middle of whatever the pupil is doing: the
// window comes back at its size with every control in its place, and
// nothing is chosen.
void Monkey::maximizeFromTheTitleBar()
{
    const Snapshot before = snapshot();
    const auto places = [this] {
        QList<QRect> rects;
        for (const QWidget *control : m_quiz.window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            rects << control->geometry();
        return rects;
    };
    const QList<QRect> designed = places();
    const QSize size = m_quiz.window.size();
    // The window system's news comes later: the window has been grown
    // before it can be back.
    bool grown = false;
    EventLog log([&](QObject *, QEvent *event) {
        grown = grown || (event->type() == QEvent::Resize && static_cast<QResizeEvent *>(event)->size() != size);
    });
    m_quiz.window.installEventFilter(&log);
    m_quiz.window.windowHandle()->setWindowStates(Qt::WindowMaximized);
    const bool back = QTest::qWaitFor([&] {
        return grown && m_quiz.window.size() == size && m_quiz.window.windowState() == Qt::WindowNoState;
    });
    if (m_error.isEmpty() && (!back || places() != designed))
        m_error = QStringLiteral("the window is not as it was before");
    checkAfter(QStringLiteral("maximize"), before, {true});
}

void Monkey::checkAfter(const QString &what, const Snapshot &before, const Intent &intent)
{
    m_log << what;
    const Snapshot now = snapshot();
    if (now.states.size() < before.states.size())
        ++m_judgments;
    if (m_error.isEmpty())
        m_error = invariantError(before, now);
    if (m_error.isEmpty() && intent.known)
        m_error = intentError(before, now, intent);
    if (!m_error.isEmpty())
        m_error = what + QStringLiteral(": ") + m_error;
}

// Exactly what was aimed at happened: the item chosen, or judged with the
// other list's choice, or nothing at all.
QString Monkey::intentError(const Snapshot &before, const Snapshot &after, const Intent &intent) const
{
    if (intent.list < 0) {
        if (after.states != before.states || after.chosen[0] != before.chosen[0] || after.chosen[1] != before.chosen[1])
            return QStringLiteral("something was chosen that nobody aimed at: %1 / %2 became %3 / %4")
                .arg(before.chosen[0], before.chosen[1], after.chosen[0], after.chosen[1]);
        return {};
    }
    const QString &other = before.chosen[1 - intent.list];
    if (other.isEmpty()) {
        if (after.chosen[intent.list] != intent.item || after.chosen[1 - intent.list] != other
            || after.states != before.states)
            return QStringLiteral("%1 was aimed at, but the choices are %2 / %3")
                .arg(intent.item, after.chosen[0], after.chosen[1]);
        return {};
    }
    const QStringList &list = intent.list == 0 ? after.states : after.capitals;
    const QStringList &otherList = intent.list == 0 ? after.capitals : after.states;
    if (list.contains(intent.item) || otherList.contains(other))
        return QStringLiteral("%1 with %2 was aimed at, but not judged").arg(intent.item, other);
    return {};
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

QString Monkey::invariantError(const Snapshot &before, const Snapshot &now) const
{
    Marvendo &f = m_quiz.form;
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
    for (int list : {0, 1}) {
        QListView *view = m_quiz.list(list);
        view->doItemsLayout();
        if (view->horizontalScrollBar()->maximum() != 0)
            return QStringLiteral("a list scrolls sideways");
        if (now.states.size() > before.states.size() && view->indexAt(QPoint(2, 2)).row() != 0)
            return QStringLiteral("a new deal does not show from its first item");
    }

    return verdictError(before, now);
}

// When a pair was judged: exactly one, both items gone, no selection left,
// and the verdict names the gone pair as the table judges it.
QString Monkey::verdictError(const Snapshot &before, const Snapshot &after) const
{
    Marvendo &form = m_quiz.form;
    const bool restarted = after.states.size() > before.states.size();
    if (restarted || after.states.size() == before.states.size())
        return {};
    if (before.states.size() - after.states.size() != 1)
        return QStringLiteral("more than one pair judged by one input");
    if (form.List1(0).ListIndex() != -1 || form.List1(1).ListIndex() != -1
        || m_quiz.list(0)->selectionModel()->hasSelection() || m_quiz.list(1)->selectionModel()->hasSelection())
        return QStringLiteral("an item stays selected after a judgment");

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
    void everyInputDoesWhatItWasAimedAt_data();
    void everyInputDoesWhatItWasAimedAt();
};

void TestMonkey::everyInputDoesWhatItWasAimedAt_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("eventLoop");
    const QByteArray replay = qgetenv("MARVENDO_MONKEY_SEED");
    if (!replay.isEmpty()) {
        for (bool loop : {false, true})
            QTest::addRow("seed %s, event loop %d", replay.constData(), loop) << replay.toUInt() << 20000 << loop;
        return;
    }
    for (quint32 seed : {11u, 2024u, 31337u})
        QTest::addRow("seed %u, back to back", seed) << seed << 3000 << false;
    for (quint32 seed : {65521u, 900001u})
        QTest::addRow("seed %u, event loop between", seed) << seed << 3000 << true;
}

void TestMonkey::everyInputDoesWhatItWasAimedAt()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    QFETCH(bool, eventLoop);

    // Words end after a short pause, so that typing costs the run little time.
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(60);
    QuizWindow quiz;
    QVERIFY(quiz.waitActive());
    Monkey monkey(quiz, seed, eventLoop);
    for (int n = 0; n < steps && monkey.error().isEmpty(); ++n) {
        const qsizetype left = quiz.form.List1(0).ListCount();
        monkey.step();
        if (quiz.form.List1(0).ListCount() > left)
            monkey.clearLog();
    }
    QApplication::setKeyboardInputInterval(interval);
    if (!monkey.error().isEmpty())
        QFAIL(qPrintable(QStringLiteral("seed %1: %2\ninputs since the last deal:\n%3")
                             .arg(seed).arg(monkey.error(), monkey.log().join(QLatin1Char('\n')))));
    qInfo("seed %u: %d steps, %d judgments", seed, steps, monkey.judgments());
    QVERIFY2(monkey.judgments() > steps / 40, "the monkey hardly played: the input does not reach the lists");
}

QTEST_MAIN(TestMonkey)
#include "tst_monkey.moc"
