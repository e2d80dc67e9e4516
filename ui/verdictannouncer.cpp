#include "verdictannouncer.h"

#include "textbox.h"
#include "texts.h"

#include <QAccessibleWidget>

namespace {

QAccessibleInterface *notificationFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("VerdictAnnouncer") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

VerdictAnnouncer::VerdictAnnouncer(TextBox &message, QWidget *parent) : QWidget(parent), m_message(message)
{
    static const bool factoryInstalled = (QAccessible::installFactory(notificationFor), true);
    Q_UNUSED(factoryInstalled);

    setObjectName(QStringLiteral("VerdictAnnouncer"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();

    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &VerdictAnnouncer::announce);
    connect(&message, &TextBox::textChanged, &m_pending, qOverload<>(&QTimer::start));
}

void VerdictAnnouncer::announce()
{
    hide();
    const QString verdict = withPlainLineBreaks(m_message.Text()).trimmed();
    if (verdict.isEmpty())
        return;
    setAccessibleName(verdict);
    show();
}
