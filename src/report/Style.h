#pragma once

#include <QString>

namespace report {

// A font as the report describes it; sizes in typographic points.
struct Font {
    QString family = QStringLiteral("DejaVu Sans");
    double pointSize = 9.0;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const Font&) const = default;
};

// Sides of a frame drawn around a text element; combine with |.
enum FrameSide : int {
    NoFrame = 0,
    FrameLeft = 1,
    FrameTop = 2,
    FrameRight = 4,
    FrameBottom = 8,
    FrameAll = FrameLeft | FrameTop | FrameRight | FrameBottom,
};

enum class LineStyle : int { Solid = 0, Dot = 1, Dash = 2 };

enum class Orientation : int { Portrait = 0, Landscape = 1 };

// A4 in millimetres.
inline constexpr double A4ShortMm = 210.0;
inline constexpr double A4LongMm = 297.0;

} // namespace report
