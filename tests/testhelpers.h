#pragma once

#include "listbox.h"
#include "statetable.h"

#include <QStringList>

#include <string>
#include <vector>

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

// A table of made-up rows, for forms that must work with any table.
class GeneratedTable
{
public:
    explicit GeneratedTable(int rows)
    {
        m_texts.reserve(std::size_t(rows) * 3);
        for (int k = 0; k < rows; ++k) {
            const std::string n = std::to_string(100000 + k);
            m_texts.push_back("Щат " + n + "-State " + n);
            m_texts.push_back("Град " + n + "-Capital " + n);
            m_texts.push_back("Голям " + n + "-City " + n);
        }
        for (std::size_t i = 0; i < m_texts.size(); i += 3)
            m_rows.push_back({m_texts[i], m_texts[i + 1], m_texts[i + 2]});
    }

    StateTable table() const { return m_rows; }

private:
    std::vector<std::string> m_texts;
    std::vector<StateRow> m_rows;
};
