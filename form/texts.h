// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <string_view>

// The line break of the form's texts: carriage return and line feed.
inline const QString crlf = QStringLiteral("\r\n");

// A text of the form as a widget shows it, with plain line breaks.
inline QString withPlainLineBreaks(QString text)
{
    return text.replace(crlf, QStringLiteral("\n"));
}

// An item text from a cell of the table, which is UTF-8.
inline QString cellText(std::string_view cell)
{
    return QString::fromUtf8(cell.data(), qsizetype(cell.size()));
}
