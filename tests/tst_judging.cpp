// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "marvendo.h"
#include "testhelpers.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

namespace {

void pick(Marvendo &form, int list, const QString &text)
{
    const int index = indexOf(form.List1(list), text);
    QVERIFY2(index >= 0, qPrintable(text));
    form.List1(list).choose(index);
}

QString rightVerdict(const QString &state, const QString &capital, const QString &largest)
{
    return QStringLiteral("Вярно: Щатът ") + state + QStringLiteral(" има за столица град ") + capital + lineBreak
         + QStringLiteral("Най-големият град в щата е: ") + largest;
}

} // namespace

class TestJudging : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void pairIsJudged_data();
    void pairIsJudged();
    void bothOrdersGiveTheSameVerdict();
    void movingWithinOneListJudgesNothing();
    void rightAfterWrongKeepsTheWrongTally();
    void wrongPairUsesUpTheCapital();
    void wholeDealPlayedRight();
    void wholeDealPlayedWrong();
    void randomDealsKeepTheCount_data();
    void randomDealsKeepTheCount();
    void lastMatchingRowWins();
    void matchingHeedsLetterCase();

private:
    Marvendo *form = nullptr;
};

void TestJudging::init()
{
    form = new Marvendo;
    form->Load();
}

void TestJudging::cleanup()
{
    delete form;
    form = nullptr;
}

void TestJudging::pairIsJudged_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("correctTally");
    QTest::addColumn<QString>("wrongTally");

    const QString idaho = QStringLiteral("Айдахо-Idaho");
    const QString boise = QStringLiteral("Бойзи-Boise");
    QTest::newRow("right: Idaho") << idaho << boise << rightVerdict(idaho, boise, boise)
                                  << QStringLiteral("Вярно: 1") << QStringLiteral("Невярно: ");
    QTest::newRow("right: Oklahoma keeps both spellings")
        << QStringLiteral("Оклахома-Oklahoma") << QStringLiteral("Оклахома Сити-Oklahoma City")
        << rightVerdict(QStringLiteral("Оклахома-Oklahoma"), QStringLiteral("Оклахома Сити-Oklahoma City"),
                        QStringLiteral("Оклахома сити-Oklahoma City"))
        << QStringLiteral("Вярно: 1") << QStringLiteral("Невярно: ");
    QTest::newRow("right: Maine reports Portland")
        << QStringLiteral("Мейн-Maine") << QStringLiteral("Огъста-Augusta")
        << rightVerdict(QStringLiteral("Мейн-Maine"), QStringLiteral("Огъста-Augusta"), QStringLiteral("Портланд-Portland"))
        << QStringLiteral("Вярно: 1") << QStringLiteral("Невярно: ");
    QTest::newRow("right: Oregon reports Portland too")
        << QStringLiteral("Орегон-Oregon") << QStringLiteral("Салем-Salem")
        << rightVerdict(QStringLiteral("Орегон-Oregon"), QStringLiteral("Салем-Salem"), QStringLiteral("Портланд-Portland"))
        << QStringLiteral("Вярно: 1") << QStringLiteral("Невярно: ");
    QTest::newRow("right: last row")
        << QStringLiteral("Юта-Utah") << QStringLiteral("Солт Лейк Сити-Salt Lake City")
        << rightVerdict(QStringLiteral("Юта-Utah"), QStringLiteral("Солт Лейк Сити-Salt Lake City"),
                        QStringLiteral("Солт Лейк сити-Salt Lake City"))
        << QStringLiteral("Вярно: 1") << QStringLiteral("Невярно: ");
    QTest::newRow("wrong: Idaho and Juneau")
        << idaho << QStringLiteral("Джуно-Juneau")
        << QStringLiteral("Грешка: Айдахо-Idaho Джуно-Juneau") + lineBreak
        << QStringLiteral("Вярно: ") << QStringLiteral("Невярно: 1");
}

void TestJudging::pairIsJudged()
{
    QFETCH(QString, state);
    QFETCH(QString, capital);
    QFETCH(QString, verdict);
    QFETCH(QString, correctTally);
    QFETCH(QString, wrongTally);

    // The one news of the judgment, once both items have left their lists.
    QList<Judgment> told;
    int statesLeftWhenTold = -1;
    connect(form, &Marvendo::pairJudged, form, [&](const Judgment &judgment) {
        told << judgment;
        statesLeftWhenTold = form->List1(0).ListCount();
    });

    pick(*form, 0, state);
    QCOMPARE(form->Text1(0).Text(), expectedTaskText());
    pick(*form, 1, capital);

    QCOMPARE(told.size(), 1);
    QCOMPARE(told.front().right, correctTally != QStringLiteral("Вярно: "));
    QCOMPARE(told.front().verdict, verdict);
    QCOMPARE(told.front().tally, told.front().right ? correctTally : wrongTally);
    QCOMPARE(statesLeftWhenTold, 49);
    QCOMPARE(form->Text1(0).Text(), verdict);
    QCOMPARE(form->Label1(3).Caption(), correctTally);
    QCOMPARE(form->Label1(4).Caption(), wrongTally);
    QCOMPARE(indexOf(form->List1(0), state), -1);
    QCOMPARE(indexOf(form->List1(1), capital), -1);
    QCOMPARE(form->List1(0).ListCount(), 49);
    QCOMPARE(form->List1(1).ListCount(), 49);
    QCOMPARE(form->List1(0).ListIndex(), -1);
    QCOMPARE(form->List1(1).ListIndex(), -1);
    QCOMPARE(form->List1(2).ListCount(), 50);
}

void TestJudging::bothOrdersGiveTheSameVerdict()
{
    pick(*form, 1, QStringLiteral("Бойзи-Boise"));
    QCOMPARE(form->List1(1).ListCount(), 50);
    pick(*form, 0, QStringLiteral("Айдахо-Idaho"));
    const QString boise = QStringLiteral("Бойзи-Boise");
    QCOMPARE(form->Text1(0).Text(), rightVerdict(QStringLiteral("Айдахо-Idaho"), boise, boise));
    QCOMPARE(form->correctCount(), 1);
}

void TestJudging::movingWithinOneListJudgesNothing()
{
    form->List1(0).choose(0);
    form->List1(0).choose(5);
    form->List1(0).choose(2);
    QCOMPARE(form->List1(0).ListIndex(), 2);
    QCOMPARE(form->List1(0).ListCount(), 50);
    QCOMPARE(form->Text1(0).Text(), expectedTaskText());
    form->List1(1).choose(0);
    QCOMPARE(form->List1(0).ListCount(), 49);
    QCOMPARE(indexOf(form->List1(0), cellText(shippedStateTable()[2].state)), -1);
}

void TestJudging::rightAfterWrongKeepsTheWrongTally()
{
    pick(*form, 0, QStringLiteral("Тексас-Texas"));
    pick(*form, 1, QStringLiteral("Нашвил-Nashville"));
    QCOMPARE(form->Label1(4).Caption(), QStringLiteral("Невярно: 1"));
    pick(*form, 0, QStringLiteral("Хавай-Hawaii"));
    pick(*form, 1, QStringLiteral("Хонолулу-Honolulu"));
    QCOMPARE(form->Label1(4).Caption(), QStringLiteral("Невярно: 1"));
    QCOMPARE(form->Label1(3).Caption(), QStringLiteral("Вярно: 1"));
    QVERIFY(form->Text1(0).Text().startsWith(QStringLiteral("Вярно: Щатът Хавай-Hawaii")));
    QVERIFY(!form->Text1(0).Text().contains(QStringLiteral("Грешка")));
}

void TestJudging::wrongPairUsesUpTheCapital()
{
    pick(*form, 0, QStringLiteral("Айдахо-Idaho"));
    pick(*form, 1, QStringLiteral("Джуно-Juneau"));
    QCOMPARE(indexOf(form->List1(1), QStringLiteral("Джуно-Juneau")), -1);
    pick(*form, 0, QStringLiteral("Аляска-Alaska"));
    pick(*form, 1, QStringLiteral("Бойзи-Boise"));
    QCOMPARE(form->wrongCount(), 2);
    QCOMPARE(form->correctCount(), 0);
}

void TestJudging::wholeDealPlayedRight()
{
    for (const StateRow &row : shippedStateTable()) {
        pick(*form, 0, cellText(row.state));
        pick(*form, 1, cellText(row.capital));
        QCOMPARE(form->Text1(0).Text(),
                 rightVerdict(cellText(row.state), cellText(row.capital), cellText(row.largestCity)));
    }
    QCOMPARE(form->Label1(3).Caption(), QStringLiteral("Вярно: 50"));
    QCOMPARE(form->Label1(4).Caption(), QStringLiteral("Невярно: "));
    QCOMPARE(form->List1(0).ListCount(), 0);
    QCOMPARE(form->List1(1).ListCount(), 0);
}

void TestJudging::wholeDealPlayedWrong()
{
    // The first state with the first capital is always wrong: the first
    // capital, Annapolis, belongs to a state further down.
    while (form->List1(0).ListCount() > 1) {
        form->List1(0).choose(0);
        form->List1(1).choose(form->List1(1).ListCount() - 1);
    }
    form->List1(0).choose(0);
    form->List1(1).choose(0);
    QCOMPARE(form->correctCount() + form->wrongCount(), 50);
    QCOMPARE(form->List1(0).ListCount(), 0);
    QVERIFY(form->wrongCount() >= 49);
}

void TestJudging::randomDealsKeepTheCount_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 7u, 42u, 2026u, 99991u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestJudging::randomDealsKeepTheCount()
{
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    int judged = 0;
    for (int step = 0; step < 400; ++step) {
        const int list = random.bounded(2);
        ListBox &box = form->List1(list);
        if (box.ListCount() == 0 || random.bounded(40) == 0) {
            form->Command1(0).press();
            judged = 0;
            continue;
        }
        const int before = form->List1(0).ListCount();
        box.choose(random.bounded(box.ListCount()));
        if (form->List1(0).ListCount() < before) {
            ++judged;
            QCOMPARE(form->List1(0).ListIndex(), -1);
            QCOMPARE(form->List1(1).ListIndex(), -1);
        }
        QCOMPARE(form->correctCount() + form->wrongCount(), judged);
        QCOMPARE(form->List1(0).ListCount(), 50 - judged);
        QCOMPARE(form->List1(1).ListCount(), 50 - judged);
    }
}

void TestJudging::lastMatchingRowWins()
{
    // A table with the same state and capital twice: the scan runs to the
    // end, so the later row names the largest city.
    const StateRow rows[] = {
        {"Щат-A", "Град-A", "Първи-First"},
        {"Щат-A", "Град-A", "Втори-Second"},
        {"Щат-B", "Град-B", "Трети-Third"},
    };
    Marvendo twice{StateTable{rows}};
    twice.Load();
    twice.List1(0).choose(0);
    twice.List1(1).choose(0);
    QVERIFY(twice.Text1(0).Text().endsWith(QStringLiteral("Най-големият град в щата е: Втори-Second")));
}

void TestJudging::matchingHeedsLetterCase()
{
    // Two states that differ only in letter case: a capital is right only
    // for the row it stands in.
    const StateRow rows[] = {
        {"Щат-A", "Град-A", "Голям-A"},
        {"щат-a", "Друг-B", "Голям-B"},
    };
    Marvendo form{StateTable{rows}};
    form.Load();
    pick(form, 0, QStringLiteral("щат-a"));
    pick(form, 1, QStringLiteral("Град-A"));
    QCOMPARE(form.Text1(0).Text(), QStringLiteral("Грешка: щат-a Град-A") + lineBreak);
    QCOMPARE(form.wrongCount(), 1);
}

QTEST_GUILESS_MAIN(TestJudging)
#include "tst_judging.moc"
