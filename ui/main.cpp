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
// then reads one plain line, and whoever looks after the machine Qt's own
// reason below it (which plugin, which display), without Qt's advice to
// reinstall the program, which would not help, nor its hint, given
// whatever the cause, that X11's plugin needs libxcb-cursor0, which the
// plugin's own package brings.
struct HeldBack
{
    QtMsgType type;
    QByteArray category;
    QString message;
};
std::vector<HeldBack> heldBack;

void printReason(const QString &message)
{
    if (message.contains(QLatin1String("xcb-cursor0 or libxcb-cursor0 is needed")))
        return;
    QString reason = message;
    reason.remove(QStringLiteral(" Reinstalling the application may fix this problem."));
    for (const QString &line : reason.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

void holdBackMessage(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs("marvendo: нужен е графичен работен плот / marvendo needs a graphical desktop\n", stderr);
        for (const auto &held : heldBack)
            printReason(held.category.isEmpty() ? held.message
                                                : QString::fromUtf8(held.category) + QStringLiteral(": ") + held.message);
        printReason(message);
        std::fflush(stderr);
        std::_Exit(1);
    }
    heldBack.push_back({type, context.category, message});
}

void releaseHeldBackMessages(QtMessageHandler handler)
{
    qInstallMessageHandler(handler);
    for (const auto &held : std::exchange(heldBack, {})) {
        const QMessageLogContext context(nullptr, 0, nullptr, held.category.isEmpty() ? nullptr : held.category.constData());
        handler(held.type, context, held.message);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const QtMessageHandler handler = qInstallMessageHandler(holdBackMessage);
    QApplication app(argc, argv);
    releaseHeldBackMessages(handler);
    return runQuiz();
}
