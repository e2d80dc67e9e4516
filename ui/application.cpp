// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"

#include <QApplication>
#include <QIcon>

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("marvendo"));
    QGuiApplication::setApplicationVersion(QStringLiteral(MARVENDO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(MARVENDO_APP_ID));
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/marvendo.xpm")));
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
    Quiz quiz;
    if (beforeShow)
        beforeShow(quiz.window);
    quiz.window.show();
    return QApplication::exec();
}
