// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
// In-process benchmark of the quiz driven through real input on the real
// window: judging a pair, restarting, a whole deal; then how dealing and
// judging grow with the size of the table. Prints Markdown tables.
#include "application.h"
#include "testhelpers.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Counts paint events of one widget, to wait for its repaint.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) : QObject(widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

struct Stats
{
    double median;
    double p99;
};

Stats stats(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const auto at = [&values](double q) { return values[std::min(values.size() - 1, std::size_t(q * double(values.size())))]; };
    return {at(0.5), at(0.99)};
}

class Player
{
public:
    Player(Marvendo &form, MarvendoWindow &window) : m_form(form), m_window(window)
    {
        m_lists[0] = window.findChild<QListView *>(QStringLiteral("List1_0"));
        m_lists[1] = window.findChild<QListView *>(QStringLiteral("List1_1"));
        m_message = new PaintCounter(window.findChild<QPlainTextEdit *>(QStringLiteral("Text1_0"))->viewport());
        m_states = new PaintCounter(m_lists[0]->viewport());
        m_capitals = new PaintCounter(m_lists[1]->viewport());
    }

    void click(int list, int row)
    {
        QListView *view = m_lists[list];
        const QModelIndex item = view->model()->index(row, 0);
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    }

    // The capital of the first state left, so every pair is judged right.
    int capitalOfFirstState() const
    {
        const QString state = m_form.List1(0).List(0);
        for (int k = 0; k < m_form.List1(2).ListCount(); ++k)
            if (m_form.List1(2).List(k) == state)
                return int(items(m_form.List1(1)).indexOf(m_form.List1(3).List(k)));
        return 0;
    }

    double timedJudgment()
    {
        click(0, 0);
        settle();
        const int capital = capitalOfFirstState();
        const int before = m_message->count;
        QElapsedTimer timer;
        timer.start();
        click(1, capital);
        while (m_message->count == before)
            QCoreApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e6;
    }

    double timedRestart()
    {
        const int states = m_states->count, capitals = m_capitals->count;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(m_window.findChild<QPushButton *>(QStringLiteral("Command1_0")), Qt::LeftButton);
        while (m_states->count == states || m_capitals->count == capitals)
            QCoreApplication::processEvents();
        return double(timer.nsecsElapsed()) / 1e6;
    }

    void settle() { QCoreApplication::processEvents(); }

private:
    Marvendo &m_form;
    MarvendoWindow &m_window;
    QListView *m_lists[2];
    PaintCounter *m_message, *m_states, *m_capitals;
};

void interaction()
{
    Quiz quiz;
    Marvendo &form = quiz.form;
    quiz.window.show();
    if (!QTest::qWaitForWindowExposed(&quiz.window)) {
        std::fprintf(stderr, "the window was never shown\n");
        std::exit(1);
    }
    Player player(form, quiz.window);
    player.settle();

    std::vector<double> judging, restarting, deals;
    for (int deal = 0; deal < 20; ++deal) {
        QElapsedTimer whole;
        whole.start();
        while (form.List1(0).ListCount() > 0)
            judging.push_back(player.timedJudgment());
        deals.push_back(double(whole.nsecsElapsed()) / 1e6);
        if (form.correctCount() != form.List1(2).ListCount()) {
            std::fprintf(stderr, "the benchmark did not play right\n");
            std::exit(1);
        }
        restarting.push_back(player.timedRestart());
        for (int pair = 0; pair < 5; ++pair)
            player.timedJudgment();
        restarting.push_back(player.timedRestart());
    }

    const Stats j = stats(judging), r = stats(restarting), d = stats(deals);
    std::printf("| Measure | Median | 99th percentile | Samples |\n|---|---|---|---|\n");
    std::printf("| Judging: click on a capital to the repainted verdict | %.3f ms | %.3f ms | %zu |\n", j.median, j.p99,
                judging.size());
    std::printf("| Restart: click on \"Чисти\" to both lists repainted | %.3f ms | %.3f ms | %zu |\n", r.median, r.p99,
                restarting.size());
    std::printf("| Whole deal: 50 pairs clicked and judged right, with repaints | %.1f ms | %.1f ms | %zu |\n", d.median,
                d.p99, deals.size());
}

void scale()
{
    std::printf("| Rows | Deal (Load), form only | Deal again (\"Чисти\"), form and window | Judging one pair, mean of the first 200 |\n"
                "|---|---|---|---|\n");
    const int sizes[] = {50, 500, 1000, 2000, 5000};
    std::vector<double> dealMedians, judgingMedians;
    for (int rows : sizes) {
        const GeneratedTable generated(rows);
        std::vector<double> dealForm, dealWindow, judging;
        for (int repeat = 0; repeat < 5; ++repeat) {
            Marvendo form(generated.table());
            QElapsedTimer timer;
            timer.start();
            form.Load();
            dealForm.push_back(double(timer.nsecsElapsed()) / 1e6);

            const int pairs = std::min(rows, 200);
            timer.restart();
            for (int pair = 0; pair < pairs; ++pair) {
                form.List1(1).choose(0);
                form.List1(0).choose(0);
            }
            judging.push_back(double(timer.nsecsElapsed()) / 1e6 / pairs);

            Quiz shown(generated.table());
            shown.window.show();
            QCoreApplication::processEvents();
            timer.restart();
            shown.form.Command1_Click(0);
            QCoreApplication::processEvents();
            dealWindow.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        std::printf("| %d | %.2f ms | %.2f ms | %.4f ms |\n", rows, stats(dealForm).median, stats(dealWindow).median,
                    stats(judging).median);
        dealMedians.push_back(stats(dealForm).median);
        judgingMedians.push_back(stats(judging).median);
    }
    // The exponent k of n^k between 1,000 and 5,000 rows.
    const auto exponent = [](double small, double large) { return std::log(large / small) / std::log(5.0); };
    std::printf("\nFrom 1,000 to 5,000 rows dealing grew %.1f times (about n^%.2f) and judging one pair %.1f times "
                "(about n^%.2f).\n",
                dealMedians[4] / dealMedians[2], exponent(dealMedians[2], dealMedians[4]),
                judgingMedians[4] / judgingMedians[2], exponent(judgingMedians[2], judgingMedians[4]));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    describeApplication();
    interaction();
    std::printf("\n");
    scale();
    return 0;
}
