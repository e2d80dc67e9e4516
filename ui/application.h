// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "marvendo.h"
#include "marvendowindow.h"

#include <functional>

class QWidget;

// Names the application to Qt and the desktop: name, version "1.00", the
// desktop entry it belongs to, and the window icon.
void describeApplication();

// How the program meets the window system, before its window is made: on
// Windows one style, the classic one of Windows 10, on Windows 10 and 11,
// in light and dark mode alike; on X11 a key held down is told as presses
// alone, without the releases that would make each repeat look like a new
// press where the program reads them late.
void adaptToWindowSystem();

// The quiz as the program starts it: the form is created and dealt, then
// the window is built over the dealt lists, so that they are read whole.
// The program, its tests, its benchmarks and the pictures of the README
// all start it this way.
struct Quiz
{
    explicit Quiz(StateTable table = shippedStateTable());

    Marvendo form;
    MarvendoWindow window;
};

// The program: describes the application, starts the quiz, shows the
// window and runs the event loop until it is closed. beforeShow lets a
// benchmark watch the window.
int runQuiz(const std::function<void(QWidget &)> &beforeShow = {});
