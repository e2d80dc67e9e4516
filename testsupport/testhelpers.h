#pragma once

#include "generatedtable.h"
#include "listbox.h"
#include "statetable.h"
#include "texts.h"

#include <QStringList>

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
