// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

// Qt's messages while it reaches the window system are held back. If it
// cannot reach one, Qt ends the program with a fatal message; the player
// then reads one plain line instead of advice about reinstalling plugins.
std::vector<std::pair<QtMsgType, QString>> heldBack;

void holdBackMessage(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs("marvendo: нужен е графичен работен плот / marvendo needs a graphical desktop\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldBack.emplace_back(type, message);
}

void releaseHeldBackMessages(QtMessageHandler handler)
{
    qInstallMessageHandler(handler);
    for (const auto &[type, message] : std::exchange(heldBack, {}))
        handler(type, QMessageLogContext(), message);
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler handler = qInstallMessageHandler(holdBackMessage);
    QApplication app(argc, argv);
    releaseHeldBackMessages(handler);
    return runQuiz();
}
