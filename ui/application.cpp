// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleHints>

#if QT_CONFIG(xcb)
// The header names a field "explicit", a keyword of C++.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#endif

namespace {
// Compiled in: read from a file, the image would first have Qt look through
// every image format plugin installed.
#include "icons/marvendo.xpm"
} // namespace

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("marvendo"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MARVENDO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MARVENDO_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QPixmap(marvendo)));
}

void adaptToWindowSystem()
{
#ifdef Q_OS_WIN
    // Qt would draw Windows 11's own style there, and follow its dark mode
    // in the lists, the button and the message area, around the window's
    // fixed light colours. A high-contrast theme still has its way.
    QApplication::setStyle(QStringLiteral("windowsvista"));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QGuiApplication::styleHints()->setColorScheme(Qt::ColorScheme::Light);
#endif
#endif
#if QT_CONFIG(xcb)
    // An X server tells each repeat of a held key as a release and a press
    // at one time, which Qt marks as a repeat only if the press has already
    // arrived when it reads the release: on a busy machine each repeat
    // would be a new press, which may choose. Asked to, the server sends
    // the presses alone.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t *connection = x11 ? x11->connection() : nullptr) {
        // Nothing waits for the answer: start-up goes on while the server
        // reads the request, long before a pupil can hold a key.
        const auto detectable = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
        const auto cookie =
            xcb_xkb_per_client_flags(connection, XCB_XKB_ID_USE_CORE_KBD, detectable, detectable, 0, 0, 0);
        xcb_discard_reply(connection, cookie.sequence);
        xcb_flush(connection);
    }
#endif
}

namespace {

Marvendo &dealt(Marvendo &form)
{
    form.Load();
    return form;
}

} // namespace

Quiz::Quiz(StateTable table) : form(table), window(dealt(form)) {}

int runQuiz(const std::function<void(QWidget &)> &beforeShow)
{
    describeApplication();
    adaptToWindowSystem();
    Quiz quiz;
    if (beforeShow)
        beforeShow(quiz.window);
    quiz.window.show();
    return QApplication::exec();
}
