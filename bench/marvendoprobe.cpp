// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The program exactly as it starts, ending after its first frame.
#include "application.h"
#include "firstframe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return runQuiz(FirstFrame::report);
}
