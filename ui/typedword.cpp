// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "typedword.h"

TypedWord::TypedWord(int pauseMs, QObject *parent) : QObject(parent)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(pauseMs);
    connect(&m_pause, &QTimer::timeout, this, &TypedWord::finish);
}

int TypedWord::type(const QString &text, const QStringList &items, int frame)
{
    if (!isPending())
        m_word.clear();
    m_word += text;
    m_pause.start();

    const bool sameLetter = m_word.size() > 1 && m_word.count(m_word.front(), Qt::CaseInsensitive) == m_word.size();
    const QString sought = sameLetter ? m_word.left(1) : m_word;
    const bool fromNext = frame >= 0 && (m_word.size() == 1 || sameLetter);
    const int start = frame < 0 ? 0 : frame + (fromNext ? 1 : 0);
    m_found = -1;
    for (qsizetype i = 0; i < items.size() && m_found < 0; ++i) {
        const int row = int((start + i) % items.size());
        if (items.at(row).startsWith(sought, Qt::CaseInsensitive))
            m_found = row;
    }
    return m_found;
}

void TypedWord::finish()
{
    if (!isPending() && m_word.isEmpty())
        return;
    m_pause.stop();
    m_word.clear();
    if (const int row = std::exchange(m_found, -1); row >= 0)
        emit ended(row);
}

void TypedWord::cancel()
{
    m_pause.stop();
    m_word.clear();
    m_found = -1;
}
