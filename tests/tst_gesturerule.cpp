// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gesturerule.h"

#include <QTest>

#include <functional>

namespace {

using Step = std::function<void(GestureRule &)>;
using Steps = QList<Step>;

Step press(int x, int y, quint64 ms) { return [=](GestureRule &r) { r.press(QPoint(x, y), ms); }; }
Step key(int k, quint64 ms = 0) { return [=](GestureRule &r) { r.keyPress(k, false, ms); }; }
Step repeat(int k, quint64 ms = 0) { return [=](GestureRule &r) { r.keyRelease(k, true, ms); r.keyPress(k, true, ms); }; }
Step release(int k, quint64 ms = 0) { return [=](GestureRule &r) { r.keyRelease(k, false, ms); }; }
Step judged() { return [](GestureRule &r) { r.judged(); }; }
Step judgedByAWordAtItsPause()
{
    return [](GestureRule &r) {
        const GestureRule::Pause pause(r);
        r.judged();
    };
}
Step reset() { return [](GestureRule &r) { r.reset(); }; }

const int down = Qt::Key_Down;
const int space = Qt::Key_Space;

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestGestureRule : public QObject
{
    Q_OBJECT

private slots:
    void mayThisPressChoose_data();
    void mayThisPressChoose();
};

// Double clicks within 400 ms and 5 pixels, as the window system has them.
void TestGestureRule::mayThisPressChoose_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<bool>("pressChooses");
    QTest::addColumn<bool>("keyChooses");

    QTest::newRow("nothing yet") << Steps{} << true << true;
    QTest::newRow("a quick second press after one that only chose")
        << Steps{press(10, 10, 0), press(10, 13, 120)} << true << true;
    QTest::newRow("the press that judged, delivered again") << Steps{press(10, 10, 0), judged(), press(10, 10, 0)}
                                                            << false << true;
    QTest::newRow("a quick second press 3 px from one that judged")
        << Steps{press(10, 10, 0), judged(), press(10, 13, 60)} << false << true;
    QTest::newRow("the fourth press of a judged burst")
        << Steps{press(10, 10, 0), judged(), press(12, 10, 60), press(14, 10, 120), press(16, 10, 180)} << false
        << true;
    QTest::newRow("a quick press 6 px away starts a burst") << Steps{press(10, 10, 0), judged(), press(13, 13, 60)}
                                                            << true << true;
    QTest::newRow("a slow press at the same place starts a burst")
        << Steps{press(10, 10, 0), judged(), press(10, 10, 401)} << true << true;
    QTest::newRow("a press in the other list ends the burst")
        << Steps{press(10, 10, 0), judged(), press(250, 10, 40), press(10, 10, 80)} << true << true;
    QTest::newRow("a clock that went back starts a burst") << Steps{press(10, 10, 1000), judged(), press(10, 10, 900)}
                                                           << true << true;
    QTest::newRow("focus lost ends the burst") << Steps{press(10, 10, 0), judged(), reset(), press(10, 10, 60)} << true
                                               << true;
    QTest::newRow("a key during a judged burst") << Steps{press(10, 10, 0), judged(), key(down)} << false << true;

    QTest::newRow("autorepeat of a key that judged") << Steps{key(down), judged(), repeat(down)} << true << false;
    QTest::newRow("the key released and pressed again")
        << Steps{key(down), judged(), repeat(down), release(down), key(down)} << true << true;
    // An X server tells a repeat as presses alone, or as a release and a
    // press at one time, which a busy program reads unmarked.
    QTest::newRow("the key pressed again before its release") << Steps{key(down, 1000), judged(), key(down, 1660)}
                                                               << true << false;
    QTest::newRow("an unmarked repeat of a key that judged")
        << Steps{key(down, 1000), judged(), release(down, 1660), key(down, 1660)} << true << false;
    QTest::newRow("unmarked, then marked repeats of a key that judged")
        << Steps{key(down, 1000), judged(), release(down, 1660), key(down, 1660), repeat(down, 1700)} << true << false;
    QTest::newRow("the key pressed again a millisecond after its release")
        << Steps{key(down, 1000), judged(), release(down, 1660), key(down, 1661)} << true << true;
    QTest::newRow("another key at the time of the release") << Steps{key(down, 1000), judged(), release(down, 1660),
                                                                    key(space, 1660)} << true << true;
    QTest::newRow("another key after one that judged") << Steps{key(down), judged(), key(space)} << true << true;
    QTest::newRow("focus lost ends the held key") << Steps{key(down), judged(), reset(), repeat(down)} << true << true;
    QTest::newRow("a press after a key that judged") << Steps{key(down), judged(), press(10, 10, 0)} << true << false;
    QTest::newRow("a word ended by the press that left its list: the press still judges")
        << Steps{press(10, 10, 0), judgedByAWordAtItsPause(), judged(), press(10, 12, 60)} << false << true;
    QTest::newRow("a word chosen at a pause belongs to no gesture")
        << Steps{key(0x41d), judgedByAWordAtItsPause(), repeat(0x41d), press(10, 10, 0)} << true << true;
}

void TestGestureRule::mayThisPressChoose()
{
    QFETCH(Steps, steps);
    QFETCH(bool, pressChooses);
    QFETCH(bool, keyChooses);
    GestureRule rule({400, 5});
    for (const Step &step : steps)
        step(rule);
    QCOMPARE(rule.pressMayChoose(), pressChooses);
    QCOMPARE(rule.keyMayChoose(), keyChooses);
}

QTEST_APPLESS_MAIN(TestGestureRule)
#include "tst_gesturerule.moc"
