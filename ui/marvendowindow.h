#pragma once

#include "formgeometry.h"
#include "gesturerule.h"

#include <QWidget>

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
// them and hands the player's selections and presses to the form.
class MarvendoWindow : public QWidget
{
    Q_OBJECT

public:
    static const QString caption;

    explicit MarvendoWindow(Marvendo &form, QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QLabel *addLabel(Label &label, const char *name, FormGeometry::TwipRect place, const QColor &back);
    QListView *addList(ListBox &list, const char *name, FormGeometry::TwipRect place, const QString &heading);
    QPlainTextEdit *addMessageArea(TextBox &text);
    QPushButton *addButton(CommandButton &button);
    void setFixedFrame();

    GestureRule m_gestures;
};
