// The program exactly as main.cpp starts it, ending after its first frame.
#include "application.h"
#include "firstframe.h"
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
    FirstFrame::report(window);
    window.show();
    return app.exec();
}
