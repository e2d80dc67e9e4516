#include "application.h"
#include "marvendo.h"
#include "marvendowindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    describeApplication();

    Marvendo form;
    MarvendoWindow window(form);
    form.Load();
    window.show();
    return app.exec();
}
