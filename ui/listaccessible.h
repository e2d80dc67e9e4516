// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QAbstractItemView;
class QAccessibleInterface;
class QObject;
class QString;

// What a screen reader is told of a list of choices: the list with the
// heading that labels it, and each of its items with its text and its
// place among all the items ("3 of 48"), not only among those scrolled into
// view. Screen readers that count the items on screen (Orca 47 and later)
// read the place from the item's "posinset" and "setsize" attributes, which
// Qt passes on from version 6.8; older ones count every item. On Windows
// before Qt 6.8 the list keeps Qt's own description.
namespace ListAccessible {

// A factory for QAccessible::installFactory: the description of a
// ChoiceListView, or nothing for any other object.
QAccessibleInterface *describe(const QString &className, QObject *object);

} // namespace ListAccessible
