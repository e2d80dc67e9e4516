// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// A label as the program sees it: a caption the player reads.
class Label : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);

signals:
    void captionChanged(const QString &caption);

private:
    QString m_caption;
};
