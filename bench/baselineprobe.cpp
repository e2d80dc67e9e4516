// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline: a bare window with the same widget classes and the same 100
// item texts as the quiz, and none of its logic, look or behaviour.
#include "firstframe.h"
#include "testhelpers.h"

#include <QApplication>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>

namespace {

QListView *addList(QWidget *window, const QStringList &texts, QRect place)
{
    auto *view = new QListView(window);
    view->setModel(new QStringListModel(texts, view));
    view->setGeometry(place);
    return view;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(477, 350);
    for (int i = 0; i < 5; ++i)
        (new QLabel(QStringLiteral("label"), &window))->setGeometry(8 + 90 * i, 0, 85, 25);
    addList(&window, column(shippedStateTable(), &StateRow::state), QRect(8, 56, 225, 118));
    addList(&window, column(shippedStateTable(), &StateRow::capital), QRect(240, 56, 225, 118));
    (new QPushButton(QStringLiteral("button"), &window))->setGeometry(176, 184, 129, 25);
    (new QPlainTextEdit(QStringLiteral("text"), &window))->setGeometry(8, 216, 457, 129);
    FirstFrame::report(window);
    window.show();
    return app.exec();
}
