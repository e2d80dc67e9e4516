// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the quiz window as the player sees it, to PNG files: freshly
// dealt, and after one right answer.
#include "application.h"

#include <QApplication>
#include <QDir>
#include <QListView>
#include <QTest>

namespace {

bool save(QWidget &window, const QString &path)
{
    QApplication::processEvents();
    const bool saved = window.grab().save(path);
    if (!saved)
        qWarning("cannot write %s", qPrintable(path));
    return saved;
}

void clickItem(QListView *view, const QString &text)
{
    const QModelIndex item = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, text, 1,
                                                  Qt::MatchExactly).value(0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    describeApplication();
    adaptToWindowSystem();
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    Quiz quiz;
    quiz.window.show();
    if (!save(quiz.window, out.filePath(QStringLiteral("marvendo-dealt.png"))))
        return 1;

    clickItem(quiz.window.findChild<QListView *>(QStringLiteral("List1_0")), QStringLiteral("Мериленд-Maryland"));
    clickItem(quiz.window.findChild<QListView *>(QStringLiteral("List1_1")), QStringLiteral("Анаполис-Annapolis"));
    return save(quiz.window, out.filePath(QStringLiteral("marvendo-answered.png"))) ? 0 : 1;
}
