// The program exactly as it starts, ending after its first frame.
#include "application.h"
#include "firstframe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runQuiz(FirstFrame::report);
}
