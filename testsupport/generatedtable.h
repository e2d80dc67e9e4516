// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "statetable.h"

#include <string>
#include <vector>

// A table of made-up rows, for checking that everything works with any
// table and for measuring how the quiz grows with its size. The states come
// in sorted order; the capitals are scrambled, as real ones are, so that a
// sorted list inserts them all over the place.
class GeneratedTable
{
public:
    explicit GeneratedTable(int rows)
    {
        m_texts.reserve(std::size_t(rows) * 3);
        for (int k = 0; k < rows; ++k) {
            const std::string key = std::to_string(100000 + k);
            const std::string scrambled = std::to_string(100000 + (k * 7919) % rows);
            m_texts.push_back("Щат " + key + "-State " + key);
            m_texts.push_back("Град " + scrambled + "-Capital " + scrambled);
            m_texts.push_back("Голям " + key + "-City " + key);
        }
        for (std::size_t i = 0; i < m_texts.size(); i += 3)
            m_rows.push_back({m_texts[i], m_texts[i + 1], m_texts[i + 2]});
    }

    StateTable table() const { return m_rows; }

private:
    std::vector<std::string> m_texts;
    std::vector<StateRow> m_rows;
};
