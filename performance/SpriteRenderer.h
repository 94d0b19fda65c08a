#pragma once
#include <QRect>
#include <cstdint>

class QImage;

namespace kz {

// Top-left of sprite cell n in the sheet (cells 72..75 sit in column 18).
QPoint CellOrigin(int n);

// Puts cell n on the arena view at (POS_X, POS_Y), wiping the previous frame.
void DrawAthlete(std::int16_t cell);

// The composition alone, for surfaces that are not on screen.
void ComposeTile(QImage& tile, const QImage& bg, const QImage& mask, const QImage& figure, QPoint at, int cell);

} // namespace kz
