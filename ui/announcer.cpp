// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include "listaccessible.h"
#include "listkeys.h"
#include "marvendo.h"
#include "texts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include <utility>

namespace {

QAccessibleInterface *notificationFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget *parent) : QWidget(parent), m_text(new QLabel(this))
{
    static const bool described = (QAccessible::installFactory(notificationFor),
                                   QAccessible::installFactory(ListAccessible::describe), true);
    Q_UNUSED(described);

    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    m_text->setTextFormat(Qt::PlainText);
    hide();

    m_frameNews.setSingleShot(true);
    m_frameNews.setInterval(0);
    connect(&m_frameNews, &QTimer::timeout, this, &Announcer::tellWhereTheFrameIs);
    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &Announcer::announce);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { m_entered = qobject_cast<QAbstractItemView *>(now) != nullptr; });
    qApp->installEventFilter(this);
}

// While a verdict waits to be told, the frame only moves because the
// judged item left the list.
void Announcer::frameMoved(QAbstractItemView *list)
{
    if (m_pending.isActive())
        return;
    m_framedList = list;
    m_frameNews.start();
}

void Announcer::judged(const Judgment &judgment)
{
    m_frameNews.stop();  // the verdict is the news, not where the frame went
    m_entered = false;
    m_news = withPlainLineBreaks(judgment.verdict).trimmed() + QLatin1Char('\n') + judgment.tally;
    m_judged = true;
    m_pending.start();
}

void Announcer::restarted(int states, int capitals)
{
    m_news = QStringLiteral("Нова игра: %1 щата и %2 столици, резултатът е нулиран.").arg(states).arg(capitals);
    m_judged = false;
    m_pending.start();
}

// Screen readers tell a braille display's news apart by the input that
// caused it, as they cannot ask the program: the last key or press counts.
bool Announcer::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        m_lastInputMoved = ListKeys::meaning(key->key(), key->modifiers(), key->text()).move != ListKeys::Move::None;
    } else if (event->type() == QEvent::MouseButtonPress) {
        m_lastInputMoved = true;
    }
    return QWidget::eventFilter(watched, event);
}

void Announcer::tellWhereTheFrameIs()
{
    QAbstractItemView *list = m_framedList;
    if (!list || !list->hasFocus() || !list->currentIndex().isValid() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(list, QAccessible::Focus);
    event.setChild(list->currentIndex().row());
    QAccessible::updateAccessibility(&event);
    // Speech names the list before the framed item; a braille display shows
    // the list too, with its heading, which it would otherwise leave out of
    // sight. (Orca 48 keeps to the framed item on entering.)
    if (std::exchange(m_entered, false))
        showOnBraille(list, -1);
}

// Shows the list (row -1, also when it is empty) or one of its items on a
// braille display, and says nothing; on Linux only, as no Windows screen
// reader was tried with a braille display. A change of text selection does
// so for a screen reader that shows its source whatever caused it (Orca
// 43), or that reads it as the news of a key that moves a frame or of the
// mouse (Orca 48), which drops it after other input, such as Space or a
// typed word. There a moved caret takes the display to the item instead,
// which after a key that moves a frame would be spoken.
void Announcer::showOnBraille(QAbstractItemView *list, int row) const
{
#ifdef Q_OS_WIN
    Q_UNUSED(list);
    Q_UNUSED(row);
#else
    QAccessibleTextSelectionEvent selection(list, 0, 0);
    if (row >= 0)
        selection.setChild(row);
    QAccessible::updateAccessibility(&selection);
    if (row < 0 || m_lastInputMoved)
        return;
    QAccessibleInterface *item = selection.accessibleInterface();
    if (item && item->textInterface()) {
        QAccessibleTextCursorEvent caret(list, 0);
        caret.setChild(row);
        QAccessible::updateAccessibility(&caret);
    }
#endif
}

// The one place where the platforms differ. On Windows the news is an
// announcement, which UI Automation raises as a notification (Qt 6.8 turns
// a value change into a property change, which no screen reader speaks).
void Announcer::announce()
{
#ifdef Q_OS_WIN
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QAccessibleAnnouncementEvent event(window(), m_news);
#else
    QAccessibleValueChangeEvent event(window(), m_news);
#endif
    QAccessible::updateAccessibility(&event);
#else
    // The frame's place first, quietly: a braille display goes back to it
    // when the flash of the news is over. The last verdict leaves the list
    // empty, and the display on the list.
    QAbstractItemView *list = m_framedList;
    if (std::exchange(m_judged, false) && list && list->hasFocus() && QAccessible::isActive())
        showOnBraille(list, list->currentIndex().row());
    // One line: a braille display has no line breaks.
    hide();
    m_text->setText(QString(m_news).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    show();
#endif
}
