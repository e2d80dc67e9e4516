// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "generatedtable.h"
#include "listbox.h"
#include "statetable.h"
#include "texts.h"

#include <QStringList>

// The line break the form must write, and the task text it must show at
// start, written out here rather than taken from the program.
inline const QString lineBreak = QStringLiteral("\r\n");

inline QString expectedTaskText(const QString &breaks = lineBreak)
{
    return QStringLiteral("Да се реализира проект представящ междупредметна връзка ЗИФ и Информатика.") + breaks
         + QStringLiteral("Тема на проекта: ЗИФ - американски щат и столица.") + breaks
         + QStringLiteral("Да се използват набор от списъчни менюта съдържащи информация за щат и негова столица.")
         + breaks + QStringLiteral("Прочетете допълнителен материал за щатите и техните най-големи градове.") + breaks;
}

// Reading the form's lists and the table's columns as lists of texts.

inline QStringList items(const ListBox &list)
{
    QStringList all;
    for (int i = 0; i < list.ListCount(); ++i)
        all << list.List(i);
    return all;
}

inline int indexOf(const ListBox &list, const QString &text)
{
    return int(items(list).indexOf(text));
}

inline QStringList column(StateTable table, std::string_view StateRow::*cell)
{
    QStringList texts;
    for (const StateRow &row : table)
        texts << cellText(row.*cell);
    return texts;
}
