#pragma once

#include "marvendo.h"
#include "marvendowindow.h"

#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// Types text the way a keyboard with that layout would, letter by letter.
inline void typeText(QWidget *widget, const QString &text)
{
    for (QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
}

// A mouse event as the window system delivers it, with its own time, so that
// presses close together make a double click or a longer burst.
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
    QCoreApplication::processEvents();
}

// The real window over a freshly loaded form, and the player's hands on it.
struct QuizWindow
{
    Marvendo form;
    MarvendoWindow window{form};

    QuizWindow()
    {
        form.Load();
        window.show();
    }

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
