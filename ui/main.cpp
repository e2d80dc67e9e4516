#include "marvendo.h"
#include "marvendowindow.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("marvendo"));
    QApplication::setApplicationVersion(QStringLiteral(MARVENDO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(MARVENDO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/marvendo.xpm")));

    Marvendo form;
    MarvendoWindow window(form);
    form.Load();
    window.show();
    return app.exec();
}
