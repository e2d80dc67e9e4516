// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string_view>

// One state of the USA: its name, its capital and its largest city, each
// written as "Bulgarian name-English name" exactly as the lists show it.
struct StateRow
{
    std::string_view state;        // UTF-8
    std::string_view capital;      // UTF-8
    std::string_view largestCity;  // UTF-8
};

using StateTable = std::span<const StateRow>;

// The shipped table, in the alphabetical order of the state names.
StateTable shippedStateTable();
