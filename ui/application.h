#pragma once

#include <functional>

class QWidget;

// Names the application to Qt and the desktop: name, version "1.00", the
// desktop entry it belongs to, and the window icon.
void describeApplication();

// The program: describes the application, creates the form and deals, then
// builds the window over the dealt lists, shows it and runs the event loop
// until it is closed.
// beforeShow lets a benchmark watch the window.
int runQuiz(const std::function<void(QWidget &)> &beforeShow = {});
