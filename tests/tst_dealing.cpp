// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "marvendo.h"
#include "testhelpers.h"

#include <QSignalSpy>
#include <QTest>

#include <clocale>

namespace {

QStringList sorted(QStringList texts)
{
    std::sort(texts.begin(), texts.end(),
              [](const QString &a, const QString &b) { return a.toLower() < b.toLower(); });
    return texts;
}

void playOnePair(Marvendo &form)
{
    form.List1(0).choose(0);
    form.List1(1).choose(0);
}

} // namespace

class TestDealing : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void createdFormHoldsTheTableAndCaptions();
    void loadDealsBothLists();
    void capitalsAreDealtInAlphabeticalOrder();
    void restartMidDealDealsEverythingAgain();
    void restartWithEmptyListsDealsEverythingAgain();
    void restartResetsTalliesAndCounters();
    void otherButtonIndexDoesNothing();
    void dealingRaisesNoClick();
    void emptyTableDealsNothing();
    void anyTableIsDealtWhole();
};

void TestDealing::initTestCase()
{
    // Follow the environment's locale, as the program does, or the one
    // named (Windows names its locales its own way), and make sure a
    // requested locale really is in force.
    const QByteArray requested = qgetenv("MARVENDO_LOCALE");
    const char *active = std::setlocale(LC_ALL, requested.constData());
    if (!requested.isEmpty()) {
        QVERIFY2(active && QByteArray(active) == requested, "the requested locale is not installed");
        QLocale::setDefault(QLocale(QStringLiteral("bg_BG")));
        QCOMPARE(QLocale().language(), QLocale::Bulgarian);
    }
}

void TestDealing::createdFormHoldsTheTableAndCaptions()
{
    Marvendo form;
    const StateTable table = shippedStateTable();
    QCOMPARE(items(form.List1(2)), column(table, &StateRow::state));
    QCOMPARE(items(form.List1(3)), column(table, &StateRow::capital));
    QCOMPARE(items(form.List1(4)), column(table, &StateRow::largestCity));
    for (int i = 2; i <= 4; ++i)
        QVERIFY(!form.List1(i).Sorted());
    QVERIFY(form.List1(0).Sorted());
    QVERIFY(form.List1(1).Sorted());
    QCOMPARE(form.List1(0).ListCount(), 0);
    QCOMPARE(form.List1(1).ListCount(), 0);

    QCOMPARE(form.Text1(0).Text(), expectedTaskText());
    QCOMPARE(form.Label1(0).Caption(), QStringLiteral("ЗИФ - американски щат и столица"));
    QCOMPARE(form.Label1(1).Caption(), QStringLiteral("Име на щата"));
    QCOMPARE(form.Label1(2).Caption(), QStringLiteral("Столица на щата"));
    QCOMPARE(form.Label1(3).Caption(), QStringLiteral("Вярно: "));
    QCOMPARE(form.Label1(4).Caption(), QStringLiteral("Невярно: "));
    QCOMPARE(form.Command1(0).Caption(), QStringLiteral("Чисти"));
    QCOMPARE(form.correctCount(), 0);
    QCOMPARE(form.wrongCount(), 0);
}

void TestDealing::loadDealsBothLists()
{
    Marvendo form;
    const QString task = form.Text1(0).Text();
    form.Load();
    const StateTable table = shippedStateTable();
    QCOMPARE(items(form.List1(0)), column(table, &StateRow::state));
    QCOMPARE(items(form.List1(1)), sorted(column(table, &StateRow::capital)));
    QCOMPARE(form.List1(0).ListIndex(), -1);
    QCOMPARE(form.List1(1).ListIndex(), -1);
    QCOMPARE(form.Text1(0).Text(), task);
    QCOMPARE(form.Label1(3).Caption(), QStringLiteral("Вярно: "));
    QCOMPARE(form.Label1(4).Caption(), QStringLiteral("Невярно: "));
    QCOMPARE(items(form.List1(2)), column(table, &StateRow::state));
    QCOMPARE(items(form.List1(3)), column(table, &StateRow::capital));
}

void TestDealing::capitalsAreDealtInAlphabeticalOrder()
{
    Marvendo form;
    form.Load();
    const QStringList capitals = items(form.List1(1));
    QCOMPARE(capitals.size(), 50);
    QCOMPARE(capitals.mid(0, 3), (QStringList{QStringLiteral("Анаполис-Annapolis"), QStringLiteral("Атланта-Atlanta"),
                                              QStringLiteral("Батън Руж-Baton Rouge")}));
    QCOMPARE(capitals.mid(48), (QStringList{QStringLiteral("Чарлстън-Charleston"), QStringLiteral("Шейен-Cheyenne")}));
    QCOMPARE(capitals.indexOf(QStringLiteral("Карсън Сити-Carson City")) + 1,
             capitals.indexOf(QStringLiteral("Колумбия-Columbia")));
}

void TestDealing::restartMidDealDealsEverythingAgain()
{
    Marvendo form;
    form.Load();
    for (int i = 0; i < 7; ++i)
        playOnePair(form);
    form.List1(0).choose(3);
    QCOMPARE(form.List1(0).ListCount(), 43);
    QSignalSpy restarted(&form, &Marvendo::restarted);
    form.Command1(0).press();
    QCOMPARE(restarted.count(), 1);
    QCOMPARE(restarted.front(), (QVariantList{50, 50}));
    QCOMPARE(items(form.List1(0)), column(shippedStateTable(), &StateRow::state));
    QCOMPARE(items(form.List1(1)), sorted(column(shippedStateTable(), &StateRow::capital)));
    QCOMPARE(form.List1(0).ListIndex(), -1);
    QCOMPARE(form.List1(1).ListIndex(), -1);
    QCOMPARE(form.Text1(0).Text(), QString());
}

void TestDealing::restartWithEmptyListsDealsEverythingAgain()
{
    Marvendo form;
    form.Load();
    while (form.List1(0).ListCount() > 0)
        playOnePair(form);
    QCOMPARE(form.List1(1).ListCount(), 0);
    form.Command1(0).press();
    QCOMPARE(form.List1(0).ListCount(), 50);
    QCOMPARE(items(form.List1(1)), sorted(column(shippedStateTable(), &StateRow::capital)));
    QCOMPARE(form.Text1(0).Text(), QString());
}

void TestDealing::restartResetsTalliesAndCounters()
{
    Marvendo form;
    form.Load();
    form.List1(0).choose(indexOf(form.List1(0), QStringLiteral("Айдахо-Idaho")));
    form.List1(1).choose(indexOf(form.List1(1), QStringLiteral("Бойзи-Boise")));
    form.List1(0).choose(0);
    form.List1(1).choose(0);
    QCOMPARE(form.Label1(3).Caption(), QStringLiteral("Вярно: 1"));
    QCOMPARE(form.Label1(4).Caption(), QStringLiteral("Невярно: 1"));

    form.Command1(0).press();
    QCOMPARE(form.Label1(3).Caption(), QStringLiteral("Вярно:"));
    QCOMPARE(form.Label1(4).Caption(), QStringLiteral("Невярно:"));
    QCOMPARE(form.correctCount(), 0);
    QCOMPARE(form.wrongCount(), 0);

    form.List1(0).choose(indexOf(form.List1(0), QStringLiteral("Аляска-Alaska")));
    form.List1(1).choose(indexOf(form.List1(1), QStringLiteral("Джуно-Juneau")));
    QCOMPARE(form.Label1(3).Caption(), QStringLiteral("Вярно: 1"));
    QCOMPARE(form.Label1(4).Caption(), QStringLiteral("Невярно:"));
    form.List1(0).choose(0);
    form.List1(1).choose(0);
    QCOMPARE(form.Label1(4).Caption(), QStringLiteral("Невярно: 1"));
}

void TestDealing::otherButtonIndexDoesNothing()
{
    Marvendo form;
    form.Load();
    playOnePair(form);
    const QString verdict = form.Text1(0).Text();
    form.Command1_Click(1);
    QCOMPARE(form.List1(0).ListCount(), 49);
    QCOMPARE(form.Text1(0).Text(), verdict);
}

void TestDealing::dealingRaisesNoClick()
{
    Marvendo form;
    QSignalSpy states(&form.List1(0), &ListBox::Click);
    QSignalSpy capitals(&form.List1(1), &ListBox::Click);
    form.Load();
    form.Command1(0).press();
    QCOMPARE(states.count(), 0);
    QCOMPARE(capitals.count(), 0);
}

void TestDealing::emptyTableDealsNothing()
{
    Marvendo form{StateTable{}};
    form.Load();
    for (int i = 0; i <= 4; ++i)
        QCOMPARE(form.List1(i).ListCount(), 0);
    form.Command1(0).press();
    QCOMPARE(form.List1(0).ListCount(), 0);
    QCOMPARE(form.Label1(3).Caption(), QStringLiteral("Вярно:"));
}

void TestDealing::anyTableIsDealtWhole()
{
    const GeneratedTable generated(120);
    Marvendo form{generated.table()};
    form.Load();
    QCOMPARE(form.List1(0).ListCount(), 120);
    QCOMPARE(items(form.List1(1)), sorted(column(generated.table(), &StateRow::capital)));
}

QTEST_GUILESS_MAIN(TestDealing)
#include "tst_dealing.moc"
