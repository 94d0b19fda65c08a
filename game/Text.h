#pragma once
// How numbers are written into the game's texts.

#include <QString>

namespace kz {

// A whole number joined into a message: one space, then the digits (" 62").
QString Blank(int n);

// Scores and totals: one rounded decimal, no leading zero below 1 ("87.5", ".5").
// The exact binary value is rounded to the nearest tenth; a value exactly
// halfway (such as 0.25) rounds up, as a player reading the board expects.
QString OneDecimal(double v);

// A judge's mark: the value with at most 15 significant digits, no trailing
// zeros, no leading zero below 1, then its first three characters.
QString JudgeText(double x);

// Half-width characters to their full-width forms (letters, digits, signs, space).
QString ToFullWidth(const QString& s);

} // namespace kz
