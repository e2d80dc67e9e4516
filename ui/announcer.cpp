#include "announcer.h"

#include "marvendo.h"
#include "texts.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("Announcer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Announcer::Announcer(Marvendo &form, QWidget *parent) : QWidget(parent), m_form(form)
{
    static const bool factoryInstalled = (QAccessible::installFactory(notificationFor), true);
    Q_UNUSED(factoryInstalled);

    setObjectName(QStringLiteral("Announcer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();

    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &Announcer::announce);
    connect(&form, &Marvendo::pairJudged, this, &Announcer::verdict);
    connect(&form.Command1(0), &CommandButton::Click, this, &Announcer::newDeal);
}

void Announcer::verdict(bool right)
{
    const QString tally = m_form.Label1(right ? 3 : 4).Caption();
    m_news = withPlainLineBreaks(m_form.Text1(0).Text()).trimmed() + QLatin1Char('\n') + tally;
    m_pending.start();
}

// The window shows only full lists and empty tallies; this says so.
void Announcer::newDeal()
{
    m_news = QStringLiteral("Нова игра: %1 щата и %2 столици, резултатът е нулиран.")
                 .arg(m_form.List1(0).ListCount())
                 .arg(m_form.List1(1).ListCount());
    m_pending.start();
}

// The one place where the platforms differ. (From Qt 6.8 on, a
// QAccessibleAnnouncementEvent does this on every platform.)
void Announcer::announce()
{
#ifdef Q_OS_WIN
    QAccessibleValueChangeEvent event(window(), m_news);
    QAccessible::updateAccessibility(&event);
#else
    hide();
    setAccessibleName(m_news);
    show();
#endif
}
