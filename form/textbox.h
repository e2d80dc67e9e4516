// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// A text box as the program sees it: its Text, replaced whole on each write.
class TextBox : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString Text() const { return m_text; }
    void setText(const QString &text);

signals:
    void textChanged(const QString &text);

private:
    QString m_text;
};
