// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

// Ends the program right after the window's first frame is painted and
// says so on standard output, for the start-up benchmark.
class FirstFrame : public QObject
{
public:
    static void report(QWidget &window) { window.installEventFilter(new FirstFrame(&window)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            // Queued: runs once the whole window is painted and flushed.
            QTimer::singleShot(0, this, [] {
                std::fputs("frame\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    using QObject::QObject;
    bool m_seen = false;
};
