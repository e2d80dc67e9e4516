// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// A push button as the program sees it: a fixed caption and the Click the
// player raises by pressing it.
class CommandButton : public QObject
{
    Q_OBJECT

public:
    explicit CommandButton(const QString &caption, QObject *parent = nullptr)
        : QObject(parent), m_caption(caption)
    {
    }

    QString Caption() const { return m_caption; }

    void press() { emit Click(); }

signals:
    void Click();

private:
    const QString m_caption;
};
