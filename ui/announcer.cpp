// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "announcer.h"

#include "marvendo.h"
#include "texts.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLabel>

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
    static const bool factoryInstalled = (QAccessible::installFactory(notificationFor), true);
    Q_UNUSED(factoryInstalled);

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
    m_news = withPlainLineBreaks(judgment.verdict).trimmed() + QLatin1Char('\n') + judgment.tally;
    m_pending.start();
}

void Announcer::restarted(int states, int capitals)
{
    m_news = QStringLiteral("Нова игра: %1 щата и %2 столици, резултатът е нулиран.").arg(states).arg(capitals);
    m_pending.start();
}

void Announcer::tellWhereTheFrameIs()
{
    QAbstractItemView *list = m_framedList;
    if (!list || !list->hasFocus() || !list->currentIndex().isValid() || !QAccessible::isActive())
        return;
    QAccessibleEvent event(list, QAccessible::Focus);
    event.setChild(list->currentIndex().row());
    QAccessible::updateAccessibility(&event);
}

// The one place where the platforms differ. (From Qt 6.8 on, a
// QAccessibleAnnouncementEvent does this on every platform.)
void Announcer::announce()
{
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent event(window(), m_news);
    QAccessible::updateAccessibility(&event);
#else
    // One line: a braille display has no line breaks.
    hide();
    m_text->setText(QString(m_news).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    show();
#endif
}
