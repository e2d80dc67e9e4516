// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "marvendo.h"

#include "texts.h"

Marvendo::Marvendo(StateTable table, QObject *parent) : QObject(parent)
{
    createControls(table);
    connectEvents();
}

QString Marvendo::taskText()
{
    return QStringLiteral("Да се реализира проект представящ междупредметна връзка ЗИФ и Информатика.") + crlf
         + QStringLiteral("Тема на проекта: ЗИФ - американски щат и столица.") + crlf
         + QStringLiteral("Да се използват набор от списъчни менюта съдържащи информация за щат и негова столица.") + crlf
         + QStringLiteral("Прочетете допълнителен материал за щатите и техните най-големи градове.") + crlf;
}

void Marvendo::createControls(StateTable table)
{
    m_list1[0] = new ListBox(ListBox::Order::Sorted, this);
    m_list1[1] = new ListBox(ListBox::Order::Sorted, this);
    for (int i = 2; i < 5; ++i)
        m_list1[i] = new ListBox(ListBox::Order::Unsorted, this);
    for (const StateRow &row : table) {
        m_list1[2]->AddItem(cellText(row.state));
        m_list1[3]->AddItem(cellText(row.capital));
        m_list1[4]->AddItem(cellText(row.largestCity));
    }

    m_text1[0] = new TextBox(this);
    m_text1[0]->setText(taskText());

    const QString captions[] = {
        QStringLiteral("ЗИФ - американски щат и столица"),
        QStringLiteral("Име на щата"),
        QStringLiteral("Столица на щата"),
        QStringLiteral("Вярно: "),
        QStringLiteral("Невярно: "),
    };
    for (int i = 0; i < 5; ++i) {
        m_label1[i] = new Label(this);
        m_label1[i]->setCaption(captions[i]);
    }

    m_command1[0] = new CommandButton(QStringLiteral("Чисти"), this);
}

void Marvendo::connectEvents()
{
    for (int i = 0; i < int(m_list1.size()); ++i)
        connect(m_list1[i], &ListBox::Click, this, [this, i] { List1_Click(i); });
    for (int i = 0; i < int(m_command1.size()); ++i)
        connect(m_command1[i], &CommandButton::Click, this, [this, i] { Command1_Click(i); });
}

// Deals a fresh quiz: row by row, each state and its capital, and each
// sorted list puts its item in alphabetical place. A capital's place then
// comes from its own name, not from its state's, which is what mixes them.
void Marvendo::FillLists()
{
    const int n = List1(2).ListCount();
    for (int i = 0; i <= 1; ++i)
        List1(i).Clear();
    for (int k = 1; k <= n; ++k) {
        List1(0).AddItem(List1(2).List(k - 1));
        List1(1).AddItem(List1(3).List(k - 1));
    }
}

void Marvendo::Command1_Click(int Index)
{
    if (Index != 0)
        return;
    FillLists();
    Text1(0).setText(QString());
    Label1(3).setCaption(QStringLiteral("Вярно:"));
    Label1(4).setCaption(QStringLiteral("Невярно:"));
    CorrectCount = 0;
    WrongCount = 0;
    emit restarted(List1(0).ListCount(), List1(1).ListCount());
}

void Marvendo::Load()
{
    FillLists();
}

// Judges the selected state and capital against every row of the table and
// takes both out of play, right or wrong.
void Marvendo::CheckPair()
{
    const int si = List1(0).ListIndex();
    const int ci = List1(1).ListIndex();
    const int last = List1(2).ListCount() - 1;
    const QString s = List1(0).List(si);
    const QString c = List1(1).List(ci);

    bool matched = false;
    int row = -1;
    for (int k = 0; k <= last; ++k) {
        if (List1(3).List(k) == c && List1(2).List(k) == s) {
            matched = true;
            row = k;
        }
    }

    if (matched) {
        Text1(0).setText(QStringLiteral("Вярно: Щатът ") + s + QStringLiteral(" има за столица град ") + c + crlf);
        Text1(0).setText(Text1(0).Text() + QStringLiteral("Най-големият град в щата е: ") + List1(4).List(row));
        ++CorrectCount;
        Label1(3).setCaption(QStringLiteral("Вярно: ") + QString::number(CorrectCount));
    } else {
        Text1(0).setText(QStringLiteral("Грешка: ") + s + QStringLiteral(" ") + c + crlf);
        ++WrongCount;
        Label1(4).setCaption(QStringLiteral("Невярно: ") + QString::number(WrongCount));
    }

    List1(0).RemoveItem(si);
    List1(1).RemoveItem(ci);
    emit pairJudged({matched, Text1(0).Text(), Label1(matched ? 3 : 4).Caption()});
}

// Any list: the first pick only selects, the second one judges. (Only the
// player's picks in the two visible lists ever reach it.)
void Marvendo::List1_Click(int Index)
{
    Q_UNUSED(Index);
    const int a = List1(0).ListIndex();
    const int b = List1(1).ListIndex();
    if (a > -1 && b > -1)
        CheckPair();
}
