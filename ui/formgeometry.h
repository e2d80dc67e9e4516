// SPDX-FileCopyrightText: 2026 marvendo team <team@marvendo.example.org>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

// Where the form's controls stand and what colour they are, as designed in
// twips (1440 to the inch, 15 to a logical pixel at 96 dots per inch).
namespace FormGeometry {

constexpr int twipsPerPixel = 15;

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;
};

constexpr QRect toPixels(TwipRect r)
{
    return QRect(r.left / twipsPerPixel, r.top / twipsPerPixel, r.width / twipsPerPixel,
                 r.height / twipsPerPixel);
}

constexpr TwipRect clientArea{0, 0, 7155, 5250};

constexpr TwipRect title{1320, 0, 4575, 375};           // Label1(0)
constexpr TwipRect stateHeading{120, 480, 3375, 375};   // Label1(1)
constexpr TwipRect capitalHeading{3600, 480, 3375, 375};// Label1(2)
constexpr TwipRect stateList{120, 840, 3375, 1770};     // List1(0)
constexpr TwipRect capitalList{3600, 840, 3375, 1770};  // List1(1)
constexpr TwipRect correctTally{120, 2760, 1695, 375};  // Label1(3)
constexpr TwipRect restartButton{2640, 2760, 1935, 375};// Command1(0)
constexpr TwipRect wrongTally{5280, 2760, 1695, 375};   // Label1(4)
constexpr TwipRect messageArea{120, 3240, 6855, 1935};  // Text1(0)

inline const QColor formBack{192, 192, 255};
inline const QColor headingBack{255, 192, 128};
inline const QColor correctBack{0, 255, 0};
inline const QColor wrongBack{255, 0, 0};
inline const QColor buttonBack{255, 128, 128};

} // namespace FormGeometry
