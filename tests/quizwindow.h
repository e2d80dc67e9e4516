// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "application.h"
#include "typedword.h"

#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

// Types text the way a keyboard with that layout would, letter by letter.
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
}

// Waits until the word typed into a list has ended at its pause, however
// long the machine takes to notice the pause.
inline bool waitForTheWordsEnd(QWidget *list)
{
    const TypedWord *word = list->findChild<TypedWord *>();
    return word && QTest::qWaitFor([word] { return !word->isPending(); }, 120000);
}

// A mouse event as the window system delivers it, with its own time, so that
// presses close together make a double click or a longer burst. It is
// handled at once; no timer of the program's runs meanwhile.
inline void windowMouseEvent(QWindow *window, QEvent::Type type, Qt::MouseButton button, QPoint at, int msAfterLast)
{
    static Qt::MouseButtons held;
    if (type == QEvent::MouseButtonPress)
        held |= button;
    else if (type == QEvent::MouseButtonRelease)
        held &= ~button;
    QTest::lastMouseTimestamp += msAfterLast;
    qt_handleMouseEvent(window, at, window->mapToGlobal(at), held, type == QEvent::MouseMove ? Qt::NoButton : button,
                        type, Qt::NoModifier, QTest::lastMouseTimestamp);
}

// The quiz as the program starts it, its window shown, and the player's
// hands on it.
// Hands each event its filter sees to a function, and lets it go on.
class EventLog : public QObject
{
public:
    explicit EventLog(std::function<void(QObject *, QEvent *)> note) : m_note(std::move(note)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        m_note(watched, event);
        return false;
    }

private:
    std::function<void(QObject *, QEvent *)> m_note;
};

struct QuizWindow : Quiz
{
    QuizWindow() { window.show(); }

    bool waitActive()
    {
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }

    QListView *list(int index) const
    {
        return window.findChild<QListView *>(QStringLiteral("List1_%1").arg(index));
    }
    QLabel *label(int index) const { return window.findChild<QLabel *>(QStringLiteral("Label1_%1").arg(index)); }
    QPlainTextEdit *message() const { return window.findChild<QPlainTextEdit *>(QStringLiteral("Text1_0")); }
    QPushButton *button() const { return window.findChild<QPushButton *>(QStringLiteral("Command1_0")); }

    QPoint itemCentre(int listIndex, int row) const
    {
        QListView *view = list(listIndex);
        const QModelIndex item = view->model()->index(row, 0);
        view->scrollTo(item);
        return view->visualRect(item).center();
    }

    void clickItem(int listIndex, int row, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(list(listIndex)->viewport(), Qt::LeftButton, modifiers, itemCentre(listIndex, row));
    }

    void key(int listIndex, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(list(listIndex), key, modifiers);
    }

    int judged() const { return form.correctCount() + form.wrongCount(); }
};

// A test with a fresh, exposed quiz window for each test function.
class QuizWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        quiz = std::make_unique<QuizWindow>();
        QVERIFY(QTest::qWaitForWindowExposed(&quiz->window));
    }
    void cleanup() { quiz.reset(); }

protected:
    std::unique_ptr<QuizWindow> quiz;
};
