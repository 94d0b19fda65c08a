#pragma once
// The fixed pixel layout of the main window and the two display modes.

#include <QRect>
#include <QSize>

namespace kz {

class Am;

// The rectangles of the controls that the layout sets, in pixels.
void PlaceControls(Am& a);

// Fonts of the two display modes.
void ApplyFonts(Am& a, int largeFont);

// Reads LARGE_FONT: window sizes and fonts for the mode, the rectangles for both.
void ApplyLayout();

// Outer window sizes in twips for a mode.
QSize MainWindowTwips(int largeFont);
QSize TitleWindowTwips(int largeFont);

// 1 for the screens the small-font layout was made for, by width and height in twips.
int LargeFontFor(int widthTwips, int heightTwips);

// Twips per pixel at the screen's logical resolution.
int TwipsPerPixel();

} // namespace kz
