// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandbutton.h"
#include "label.h"
#include "listbox.h"
#include "statetable.h"
#include "textbox.h"

#include <QObject>

#include <array>

// What one judgment told the pupil: the verdict as the message area holds
// it, and the tally it raised, as that label now reads.
struct Judgment
{
    bool right = false;
    QString verdict;
    QString tally;
};

// The quiz form: its controls, its two counters and its event handlers.
//
// List1(0) and List1(1) are the sorted lists the player picks from; the
// hidden lists List1(2), List1(3) and List1(4) hold the table's columns of
// states, capitals and largest cities. Text1(0) is the message area,
// Label1(0..4) the title, the two headings and the two tallies, Command1(0)
// the restart button.
class Marvendo : public QObject
{
    Q_OBJECT

public:
    explicit Marvendo(StateTable table = shippedStateTable(), QObject *parent = nullptr);

    ListBox &List1(int index) { return *m_list1.at(index); }
    TextBox &Text1(int index) { return *m_text1.at(index); }
    Label &Label1(int index) { return *m_label1.at(index); }
    CommandButton &Command1(int index) { return *m_command1.at(index); }

    int correctCount() const { return CorrectCount; }
    int wrongCount() const { return WrongCount; }

    static QString taskText();

signals:
    // A pair has been judged: its verdict written, its tally raised and
    // both its items gone from their lists.
    void pairJudged(const Judgment &judgment);
    // The restart button has dealt afresh and cleared the tallies.
    void restarted(int states, int capitals);

public slots:
    void Command1_Click(int Index);
    void Load();
    void List1_Click(int Index);

private:
    void createControls(StateTable table);
    void connectEvents();
    void FillLists();
    void CheckPair();

    std::array<ListBox *, 5> m_list1{};
    std::array<TextBox *, 1> m_text1{};
    std::array<Label *, 5> m_label1{};
    std::array<CommandButton *, 1> m_command1{};

    int CorrectCount = 0;
    int WrongCount = 0;
};
