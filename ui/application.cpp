#include "application.h"

#include "marvendo.h"
#include "marvendowindow.h"

#include <QApplication>
#include <QIcon>

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("marvendo"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MARVENDO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MARVENDO_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/marvendo.xpm")));
}

int runQuiz(const std::function<void(QWidget &)> &beforeShow)
{
    describeApplication();
    Marvendo form;
    form.Load();
    MarvendoWindow window(form);
    if (beforeShow)
        beforeShow(window);
    window.show();
    return QApplication::exec();
}
