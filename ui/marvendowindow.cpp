// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "marvendowindow.h"

#include "announcer.h"
#include "choicelistview.h"
#include "marvendo.h"
#include "messagearea.h"
#include "wholetextdelegate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleHints>
#include <QWindow>

#include <algorithm>

using namespace FormGeometry;

// The web address is short: a title bar as wide as the window, with its
// buttons and the desktop's title font, must show the drill's name whole.
const QString MarvendoWindow::caption = QStringLiteral("marvendo.bg   ЗИФ - американски щати");

namespace {

// Return and Enter press the focused button, as Space does.
class PushButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (enter && !(event->modifiers() & ~Qt::KeypadModifier)) {
            click();
            event->accept();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

QString buttonStyle(const QColor &back)
{
    // Drawn in its own colour whatever the widget style, with a classic
    // raised edge that sinks while pressed.
    const QString face = back.name();
    const QString light = back.lighter(125).name();
    const QString dark = back.darker(160).name();
    return QStringLiteral("QPushButton { background-color: %1; color: black;"
                          " border: 2px solid; border-color: %2 %3 %3 %2; }"
                          "QPushButton:pressed { border-color: %3 %2 %2 %3; }"
                          "QPushButton:focus { outline: 1px dotted black; }")
        .arg(face, light, dark);
}

GestureRule::Limits doubleClickLimits()
{
    const QStyleHints *hints = QGuiApplication::styleHints();
    return {hints->mouseDoubleClickInterval(), hints->mouseDoubleClickDistance()};
}

} // namespace

MarvendoWindow::MarvendoWindow(Marvendo &form, QWidget *parent)
    : QWidget(parent), m_gestures(doubleClickLimits()), m_announcer(new Announcer(this))
{
    setWindowTitle(caption);
    // Times New Roman, or where a system lacks it, Liberation Serif, which
    // has its metrics. Fontconfig maps one to the other by itself; wine's
    // DirectWrite does not, and is told. (Told on Linux too, Qt would look
    // up the fallback fonts of each font it loads once more.)
    QFont font(QStringLiteral("Times New Roman"), 12, QFont::Normal);
#ifdef Q_OS_WIN
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
#endif
    setFont(font);

    auto *message = addMessageArea(form.Text1(0));
    addLabel(form.Label1(0), "Label1_0", title, headingBack);
    auto *stateLabel = addLabel(form.Label1(1), "Label1_1", stateHeading, headingBack);
    auto *capitalLabel = addLabel(form.Label1(2), "Label1_2", capitalHeading, headingBack);
    auto *states = addList(form, 0, stateList, form.Label1(1).Caption());
    auto *capitals = addList(form, 1, capitalList, form.Label1(2).Caption());
    // Each heading labels its list, also for a screen reader, whose braille
    // display shows a list by its label.
    stateLabel->setBuddy(states);
    capitalLabel->setBuddy(capitals);
    addLabel(form.Label1(3), "Label1_3", correctTally, correctBack);
    auto *restart = addButton(form.Command1(0));
    addLabel(form.Label1(4), "Label1_4", wrongTally, wrongBack);

    // Every left press in the window counts towards a burst, wherever it
    // lands; a judgment ends the choosing of the gesture that made it.
    qApp->installEventFilter(this);
    connect(&form, &Marvendo::pairJudged, this, [this] { m_gestures.judged(); });
    connect(&form, &Marvendo::pairJudged, m_announcer, &Announcer::judged);
    connect(&form, &Marvendo::restarted, m_announcer, &Announcer::restarted);

    setTabOrder(message, states);
    setTabOrder(states, capitals);
    setTabOrder(capitals, restart);
    message->setFocus();

    setFixedFrame();
}

void MarvendoWindow::setFixedFrame()
{
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                            | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
#ifdef Q_OS_WIN
    flags |= Qt::MSWindowsFixedSizeDialogHint;
#endif
    setWindowFlags(flags);
    setFixedSize(toPixels(clientArea).size());
}

void MarvendoWindow::placeControl(QWidget *widget, TwipRect rect)
{
    m_places.emplace_back(widget, toPixels(rect));
    widget->setGeometry(m_places.back().second);
}

// A window system may grow the window all the same: a compositor's own
// maximize or fullscreen, a border dragged where the size hints are not
// heeded, or a title bar that the program does not draw. The form then
// stays whole in the middle, and the window asks back for its designed
// size and state as soon as the window system has told what it did.
void MarvendoWindow::resizeEvent(QResizeEvent *event)
{
    const QSize designed = toPixels(clientArea).size();
    const QPoint offset(std::max(0, (width() - designed.width()) / 2),
                        std::max(0, (height() - designed.height()) / 2));
    for (const auto &[widget, rect] : m_places)
        widget->setGeometry(rect.translated(offset));
    if (size() != designed)
        QMetaObject::invokeMethod(this, &MarvendoWindow::keepDesignedWindow, Qt::QueuedConnection);
    QWidget::resizeEvent(event);
}

void MarvendoWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange
        && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        QMetaObject::invokeMethod(this, &MarvendoWindow::keepDesignedWindow, Qt::QueuedConnection);
    QWidget::changeEvent(event);
}

// A request made before the window system has told of the state it is
// undoing would be dropped as no change: each news asks again. The state is
// asked of the window system alone, and the window keeps its size until the
// window system answers: resized at once, a window whose title bar Qt draws
// would be painted with the grown state's frame, which the answer then
// changes under the picture without painting it again.
void MarvendoWindow::keepDesignedWindow()
{
    const Qt::WindowStates grown = Qt::WindowMaximized | Qt::WindowFullScreen;
    if (windowState() & grown)
        windowHandle()->setWindowStates(windowState() & ~(grown | Qt::WindowActive));
    else if (size() != toPixels(clientArea).size())
        resize(toPixels(clientArea).size());
}

// Each press reaches the window once, through its top-level window, before
// any widget sees it. (A double click comes after its own press.)
// Every left press, and the release of a key that reaches no list: a key
// held in a list may be let go after a click has taken the focus to the
// button or the message area.
bool MarvendoWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress && watched == windowHandle()) {
        const auto *mouse = static_cast<const QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            m_gestures.press(mouse->globalPosition().toPoint(), mouse->timestamp());
    } else if (event->type() == QEvent::KeyRelease && watched == windowHandle()
               && !qobject_cast<ChoiceListView *>(QApplication::focusWidget())) {
        const auto *key = static_cast<const QKeyEvent *>(event);
        m_gestures.keyRelease(key->key(), key->isAutoRepeat(), key->timestamp());
    }
    return QWidget::eventFilter(watched, event);
}

void MarvendoWindow::paintEvent(QPaintEvent *)
{
    // Painted rather than set in the palette, so that the lists and the
    // message area keep the platform's own colours.
    QPainter(this).fillRect(rect(), formBack);
}

QLabel *MarvendoWindow::addLabel(Label &label, const char *name, TwipRect place, const QColor &back)
{
    auto *widget = new QLabel(label.Caption(), this);
    widget->setObjectName(QLatin1String(name));
    widget->setTextFormat(Qt::PlainText);
    widget->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::WindowText, Qt::black);
    widget->setPalette(palette);
    placeControl(widget, place);
    connect(&label, &Label::captionChanged, widget, &QLabel::setText);
    return widget;
}

QListView *MarvendoWindow::addList(Marvendo &form, int index, TwipRect place, const QString &heading)
{
    ListBox &list = form.List1(index);
    auto *view = new ChoiceListView(m_gestures, this);
    view->setObjectName(QStringLiteral("List1_%1").arg(index));
    view->setModel(&list);
    view->setSelectionModel(list.selectionModel());
    view->setAccessibleName(heading);
    placeControl(view, place);
    // Whole item texts: cut at the edge, shown whole in a tooltip, never
    // scrolled sideways (items are as wide as the last one, which changes
    // as items go).
    view->setUniformItemSizes(true);
    view->setTextElideMode(Qt::ElideNone);
    view->setItemDelegate(new WholeTextDelegate(view));
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A new deal is shown from its first item, wherever the last one was left.
    connect(&form, &Marvendo::restarted, view, &QAbstractItemView::scrollToTop);
    connect(view, &ChoiceListView::frameMoved, m_announcer, [this, view] { m_announcer->frameMoved(view); });
    return view;
}

QPlainTextEdit *MarvendoWindow::addMessageArea(TextBox &text)
{
    // A text area lays out its empty text as it is made, in the
    // application's font: made in the form's, it loads no font that no
    // control shows.
    const QFont desktop = QGuiApplication::font();
    QGuiApplication::setFont(font());
    auto *area = new MessageArea(this);
    QGuiApplication::setFont(desktop);
    area->setObjectName(QStringLiteral("Text1_0"));
    area->setAccessibleName(QStringLiteral("Съобщение"));
    placeControl(area, messageArea);
    area->showText(text.Text());
    connect(&text, &TextBox::textChanged, area, &MessageArea::showText);
    return area;
}

QPushButton *MarvendoWindow::addButton(CommandButton &button)
{
    auto *widget = new PushButton(button.Caption(), this);
    widget->setObjectName(QStringLiteral("Command1_0"));
    widget->setAutoDefault(false);
    widget->setStyleSheet(buttonStyle(buttonBack));
    placeControl(widget, restartButton);
    connect(widget, &QPushButton::clicked, &button, &CommandButton::press);
    return widget;
}
