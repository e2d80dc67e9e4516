#include "application.h"

#include <QGuiApplication>
#include <QIcon>

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("marvendo"));
    QGuiApplication::setApplicationDisplayName(QStringLiteral("ЗИФ - американски щати"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MARVENDO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MARVENDO_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/marvendo.xpm")));
}
