// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formgeometry.h"
#include "gesturerule.h"

#include <QWidget>

#include <utility>
#include <vector>

class Announcer;
class Marvendo;
class Label;
class ListBox;
class TextBox;
class CommandButton;
class QLabel;
class QListView;
class QPlainTextEdit;
class QPushButton;

// The quiz window: shows the form's visible controls where the design puts
// them. The lists and the message area show the form's own list boxes and
// text; the pupil's choices reach the form through the lists' shared
// selections, and the button's press as its Click.
class MarvendoWindow : public QWidget
{
    Q_OBJECT

public:
    static const QString caption;

    explicit MarvendoWindow(Marvendo &form, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QLabel *addLabel(Label &label, const char *name, FormGeometry::TwipRect place, const QColor &back);
    QListView *addList(Marvendo &form, int index, FormGeometry::TwipRect place, const QString &heading);
    QPlainTextEdit *addMessageArea(TextBox &text);
    QPushButton *addButton(CommandButton &button);
    void placeControl(QWidget *widget, FormGeometry::TwipRect rect);
    void setFixedFrame();
    void keepDesignedWindow();

    // Each control with its designed place in a window of the designed size.
    std::vector<std::pair<QWidget *, QRect>> m_places;
    GestureRule m_gestures;
    Announcer *m_announcer;
};
