#pragma once

#include "listbox.h"
#include "generatedtable.h"
#include "statetable.h"

#include <QStringList>


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

inline QString cellText(std::string_view cell)
{
    return QString::fromUtf8(cell.data(), qsizetype(cell.size()));
}

inline QStringList column(StateTable table, std::string_view StateRow::*cell)
{
    QStringList texts;
    for (const StateRow &row : table)
        texts << cellText(row.*cell);
    return texts;
}
