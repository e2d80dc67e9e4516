// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "application.h"
#include "quizwindow.h"
#include "testhelpers.h"

#include <QAccessible>
#include <QFile>
#include <QtEndian>
#include <QFontDatabase>
#include <QFontInfo>
#include <QTimer>
#include <QWindow>
#include <QStyleFactory>

#include <functional>
#include <memory>

namespace {

struct Expected
{
    const char *name;
    QRect pixels;  // at 96 dots per inch
    QColor back;   // invalid: the platform's own
};

// The design's twips, divided by 15.
const Expected controls[] = {
    {"Label1_0", {88, 0, 305, 25}, {255, 192, 128}},
    {"Label1_1", {8, 32, 225, 25}, {255, 192, 128}},
    {"Label1_2", {240, 32, 225, 25}, {255, 192, 128}},
    {"List1_0", {8, 56, 225, 118}, {}},
    {"List1_1", {240, 56, 225, 118}, {}},
    {"Label1_3", {8, 184, 113, 25}, {0, 255, 0}},
    {"Command1_0", {176, 184, 129, 25}, {255, 128, 128}},
    {"Label1_4", {352, 184, 113, 25}, {255, 0, 0}},
    {"Text1_0", {8, 216, 457, 129}, {}},
};

const QColor formBack(192, 192, 255);

bool coveredByAControl(QPoint p)
{
    return std::any_of(std::begin(controls), std::end(controls),
                       [p](const Expected &control) { return control.pixels.contains(p); });
}

} // namespace

class TestWindowLook : public QuizWindowTest
{
    Q_OBJECT

private slots:
    void controlsStandWhereDesigned();
    void coloursFillTheirRectangles();
    void buttonKeepsItsColourInEveryStyle_data();
    void buttonKeepsItsColourInEveryStyle();
    void formColourShowsBetweenControls();
    void everyControlUsesTheFormFont();
    void windowIsFixedWithCloseButtonOnly();
    void aGrownWindowComesBackAsDesigned_data();
    void aGrownWindowComesBackAsDesigned();
    void captionAndApplication();
    void closingTheWindowEndsTheProgram();
    void messageAreaHasFocusAndCaret();
    void tabCyclesThroughTheControls();
    void screenReadersHearEveryControl();
    void windowsIconMatchesTheWindowIcon();
    void labelsAreCentred();
    void theProgramStartsDealt();

private:
    QImage grabWindow();
    qreal scale = 1;
};

QImage TestWindowLook::grabWindow()
{
    const QPixmap pixmap = quiz->window.grab();
    scale = pixmap.devicePixelRatio();
    return pixmap.toImage();
}

void TestWindowLook::controlsStandWhereDesigned()
{
    QCOMPARE(quiz->window.size(), QSize(477, 350));
    for (const Expected &control : controls) {
        auto *widget = quiz->window.findChild<QWidget *>(QLatin1String(control.name));
        QVERIFY2(widget, control.name);
        QCOMPARE(widget->geometry(), control.pixels);
        QVERIFY2(widget->isVisible(), control.name);
    }
}

// Samples the corners just inside each rectangle, where no text is drawn,
// and the pixels just outside, which must be the form's colour.
void TestWindowLook::coloursFillTheirRectangles()
{
    const QImage image = grabWindow();
    QCOMPARE(image.size(), QSize(477, 350) * scale);
    const qreal dpr = scale;
    auto pixel = [&image, dpr](int x, int y) { return image.pixelColor(QPoint(int(x * dpr), int(y * dpr))); };

    for (const Expected &control : controls) {
        const QRect r = control.pixels;
        if (control.back.isValid()) {
            const int inset = QLatin1String(control.name) == QLatin1String("Command1_0") ? 4 : 1;
            for (QPoint p : {r.topLeft() + QPoint(inset, inset), r.topRight() + QPoint(-inset, inset),
                             r.bottomLeft() + QPoint(inset, -inset), r.bottomRight() + QPoint(-inset, -inset)})
                QVERIFY2(pixel(p.x(), p.y()) == control.back,
                         qPrintable(QStringLiteral("%1 at %2,%3: %4").arg(QLatin1String(control.name)).arg(p.x()).arg(p.y())
                                        .arg(pixel(p.x(), p.y()).name())));
        } else {
            QVERIFY2(pixel(r.center().x(), r.bottom() - 3) != formBack, control.name);
        }
        for (QPoint p : {r.topLeft() + QPoint(-2, r.height() / 2), r.topRight() + QPoint(2, r.height() / 2),
                         r.bottomLeft() + QPoint(r.width() / 2, 2)}) {
            if (p.x() < 0 || p.x() >= 477 || p.y() >= 350 || coveredByAControl(p))
                continue;
            QVERIFY2(pixel(p.x(), p.y()) == formBack,
                     qPrintable(QStringLiteral("outside %1 at %2,%3").arg(QLatin1String(control.name)).arg(p.x()).arg(p.y())));
        }
    }
}

void TestWindowLook::buttonKeepsItsColourInEveryStyle_data()
{
    QTest::addColumn<QString>("style");
    for (const QString &style : QStyleFactory::keys())
        QTest::newRow(qPrintable(style)) << style;
}

void TestWindowLook::buttonKeepsItsColourInEveryStyle()
{
    QFETCH(QString, style);
    const QString previous = QApplication::style()->name();
    QApplication::setStyle(style);
    QPushButton *button = quiz->button();
    const QImage image = button->grab().toImage();
    QApplication::setStyle(previous);
    const qreal dpr = image.devicePixelRatio();
    const QColor face(255, 128, 128);
    QCOMPARE(image.pixelColor((QPointF(6, button->height() / 2) * dpr).toPoint()), face);
    QCOMPARE(image.pixelColor((QPointF(button->width() - 7, 6) * dpr).toPoint()), face);
}

void TestWindowLook::formColourShowsBetweenControls()
{
    const QImage image = grabWindow();
    for (QPoint p : {QPoint(2, 2), QPoint(470, 10), QPoint(236, 100), QPoint(150, 212), QPoint(470, 347)})
        QCOMPARE(image.pixelColor(p * scale), formBack);
}

void TestWindowLook::everyControlUsesTheFormFont()
{
    const QFont font = quiz->window.font();
    QCOMPARE(font.family(), QStringLiteral("Times New Roman"));
    QCOMPARE(font.pointSize(), 12);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic());
    for (const Expected &control : controls) {
        auto *widget = quiz->window.findChild<QWidget *>(QLatin1String(control.name));
        const QFontInfo resolved(widget->font());
        QVERIFY2(resolved.family() == QLatin1String("Times New Roman")
                     || resolved.family() == QLatin1String("Liberation Serif"),
                 qPrintable(QLatin1String(control.name) + QLatin1String(": ") + resolved.family()));
        QCOMPARE(resolved.pointSize(), 12);
        QCOMPARE(resolved.weight(), QFont::Normal);
        QVERIFY(QFontDatabase::writingSystems(resolved.family()).contains(QFontDatabase::Cyrillic));
    }
    // The application keeps the desktop's font, which its tooltips and the
    // title bars that Qt draws show.
    const QFont desktop = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    QCOMPARE(QGuiApplication::font().family(), desktop.family());
    QCOMPARE(QGuiApplication::font().pointSizeF(), desktop.pointSizeF());
}

void TestWindowLook::windowIsFixedWithCloseButtonOnly()
{
    QWidget &window = quiz->window;
    QCOMPARE(window.minimumSize(), QSize(477, 350));
    QCOMPARE(window.maximumSize(), QSize(477, 350));
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(flags & Qt::WindowTitleHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    window.resize(600, 500);
    QCOMPARE(window.size(), QSize(477, 350));
}

// What a window system may do to the window whatever its hints say: a
// compositor's maximize or fullscreen (also as a title bar drawn by Qt asks
// for it), or a size of its own. The form stays whole in the middle of what
// it was given, and the window comes back to its designed size and state.
void TestWindowLook::aGrownWindowComesBackAsDesigned_data()
{
    QTest::addColumn<Qt::WindowStates>("states");
    QTest::newRow("maximized") << Qt::WindowStates(Qt::WindowMaximized);
    QTest::newRow("full screen") << Qt::WindowStates(Qt::WindowFullScreen);
    QTest::newRow("a size of the window system's") << Qt::WindowStates(Qt::WindowNoState);
}

void TestWindowLook::aGrownWindowComesBackAsDesigned()
{
    QFETCH(Qt::WindowStates, states);
    // Every size the window is given and every place its controls stand in,
    // as they happen: the way back may follow in the same turn of events.
    QList<QSize> sizes;
    QList<QPair<QString, QRect>> places;
    EventLog log([&](QObject *watched, QEvent *event) {
        auto *widget = static_cast<QWidget *>(watched);
        if (event->type() == QEvent::Resize && widget == &quiz->window)
            sizes.append(static_cast<QResizeEvent *>(event)->size());
        else if (event->type() == QEvent::Move && widget != &quiz->window)
            places.append({widget->objectName(), widget->geometry()});
    });
    quiz->window.installEventFilter(&log);
    for (const Expected &control : controls)
        quiz->window.findChild<QWidget *>(QLatin1String(control.name))->installEventFilter(&log);

    QWindow *window = quiz->window.windowHandle();
    if (states == Qt::WindowNoState)
        window->resize(677, 450);
    else
        window->setWindowStates(states);  // as a title bar drawn by Qt asks

    QTRY_VERIFY(!sizes.isEmpty());
    QTRY_COMPARE(quiz->window.windowState(), Qt::WindowNoState);
    QTRY_COMPARE(quiz->window.size(), QSize(477, 350));
    QCOMPARE(window->windowStates(), Qt::WindowNoState);
    const QSize grown = sizes.first();
    QVERIFY(grown != QSize(477, 350));
    // A side the screen is too small for stays where it was designed.
    const QPoint middle(std::max(0, (grown.width() - 477) / 2), std::max(0, (grown.height() - 350) / 2));
    for (const Expected &control : controls) {
        QVERIFY2(places.contains({QLatin1String(control.name), control.pixels.translated(middle)}), control.name);
        QCOMPARE(quiz->window.findChild<QWidget *>(QLatin1String(control.name))->geometry(), control.pixels);
    }
}

void TestWindowLook::captionAndApplication()
{
    const QString caption = quiz->window.windowTitle();
    QVERIFY(caption.endsWith(QStringLiteral("   ЗИФ - американски щати")));
    QVERIFY(!caption.startsWith(QLatin1Char(' ')));
    QVERIFY(!caption.chopped(QStringLiteral("   ЗИФ - американски щати").size()).contains(QLatin1Char(' ')));

    describeApplication();
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.marvendo"));
    const QIcon icon = QGuiApplication::windowIcon();
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes().value(0), QSize(32, 32));
    QVERIFY(caption.startsWith(QStringLiteral("marvendo.bg   ")));
}

void TestWindowLook::closingTheWindowEndsTheProgram()
{
    // The event loop ends by itself once the window closes; the second timer
    // only keeps a broken build from hanging.
    QTimer::singleShot(0, &quiz->window, &QWidget::close);
    QTimer guard;
    guard.setSingleShot(true);
    connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    QCOMPARE(QApplication::exec(), 0);
}

void TestWindowLook::messageAreaHasFocusAndCaret()
{
    QVERIFY(quiz->waitActive());
    QPlainTextEdit *message = quiz->message();
    QCOMPARE(QApplication::focusWidget(), message);
    QVERIFY(message->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    QVERIFY(message->isReadOnly());
    QVERIFY(message->cursorWidth() > 0);
    QCOMPARE(message->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    // Keys typed there change nothing the form holds.
    QTest::keyClicks(message, "abc");
    QTest::keyClick(message, Qt::Key_Delete);
    QCOMPARE(quiz->form.Text1(0).Text(), expectedTaskText());
    QCOMPARE(message->toPlainText(), expectedTaskText(QStringLiteral("\n")));
}

void TestWindowLook::tabCyclesThroughTheControls()
{
    QVERIFY(quiz->waitActive());
    const QList<QWidget *> order = {quiz->message(), quiz->list(0), quiz->list(1), quiz->button()};
    for (int i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), order.at(i % order.size()));
    }
    for (int i = order.size() - 1; i >= 0; --i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), order.at(i));
    }
    for (int i = 0; i <= 4; ++i)
        QCOMPARE(quiz->label(i)->focusPolicy(), Qt::NoFocus);
}

void TestWindowLook::screenReadersHearEveryControl()
{
    auto name = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QCOMPARE(name(quiz->list(0)), QStringLiteral("Име на щата"));
    QCOMPARE(name(quiz->list(1)), QStringLiteral("Столица на щата"));
    QCOMPARE(name(quiz->button()), QStringLiteral("Чисти"));
    QCOMPARE(name(quiz->label(0)), QStringLiteral("ЗИФ - американски щат и столица"));

    quiz->clickItem(0, 0);
    quiz->clickItem(1, 0);
    QCOMPARE(name(quiz->label(4)), QStringLiteral("Невярно: 1"));
    QAccessibleTextInterface *text = QAccessible::queryAccessibleInterface(quiz->message())->textInterface();
    QVERIFY(text);
    QVERIFY(text->text(0, text->characterCount()).startsWith(QStringLiteral("Грешка: Айдахо-Idaho")));
}

// The .ico is made from the XPM (ui/icons/xpm2ico.py); both must show the
// same picture, and the .ico holds one 256-colour image.
void TestWindowLook::windowsIconMatchesTheWindowIcon()
{
    const QString icons = QStringLiteral(MARVENDO_SOURCE_DIR "/ui/icons/");
    const QImage xpm = QImage(icons + QStringLiteral("marvendo.xpm")).convertToFormat(QImage::Format_ARGB32);
    const QImage ico = QImage(icons + QStringLiteral("marvendo.ico")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(xpm.size(), QSize(32, 32));
    QCOMPARE(ico.size(), QSize(32, 32));
    QFile file(icons + QStringLiteral("marvendo.ico"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    auto word = [&bytes](int at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    QCOMPARE(word(4), 1);   // images
    QCOMPARE(word(12), 8);  // bits per pixel, in the directory
    QCOMPARE(word(int(qFromLittleEndian<quint32>(bytes.constData() + 18)) + 14), 8);  // and in the bitmap
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QColor a = xpm.pixelColor(x, y);
            const QColor b = ico.pixelColor(x, y);
            QCOMPARE(b.alpha(), a.alpha());
            if (a.alpha() > 0)
                QCOMPARE(b.rgb(), a.rgb());
        }
    }
}

// Each label's text, trailing space included, stands in the middle of its
// strip, to a pixel.
void TestWindowLook::labelsAreCentred()
{
    for (int i = 0; i <= 4; ++i) {
        QLabel *label = quiz->label(i);
        const QImage image = label->grab().toImage();
        const qreal dpr = image.devicePixelRatio();
        const QString text = label->text();
        const qreal trailing = label->fontMetrics().horizontalAdvance(text)
                               - label->fontMetrics().horizontalAdvance(text.trimmed());
        const QColor back = image.pixelColor(0, 0);
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != back) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
            }
        }
        QVERIFY2(right >= left, "the label shows no text");
        const int rightMargin = image.width() - 1 - right;
        QVERIFY2(std::abs(left + trailing * dpr - rightMargin) <= 2 * dpr,
                 qPrintable(QStringLiteral("Label1_%1: %2 px left, %3 px right").arg(i).arg(left).arg(image.width() - 1 - right)));
    }
}

// The program as main() runs it: dealt before the window shows, and done
// when the window closes.
void TestWindowLook::theProgramStartsDealt()
{
    quiz.reset();
    int states = -1, capitals = -1;
    const int status = runQuiz([&](QWidget &window) {
        QTimer::singleShot(0, &window, [&] {
            states = window.findChild<QListView *>(QStringLiteral("List1_0"))->model()->rowCount();
            capitals = window.findChild<QListView *>(QStringLiteral("List1_1"))->model()->rowCount();
            window.close();
        });
    });
    QCOMPARE(status, 0);
    QCOMPARE(states, 50);
    QCOMPARE(capitals, 50);
}

QTEST_MAIN(TestWindowLook)
#include "tst_windowlook.moc"
