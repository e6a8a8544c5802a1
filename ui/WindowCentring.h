#pragma once
// Centring a top-level window on the screen by its outer size, frame
// included. Under a window manager the frame is known only after the window
// has been shown, so the position is corrected once it becomes known.

class QWidget;

namespace kestrel::ui {

// Centres `window` now with the outer size known so far, and again as soon
// as a different outer size turns up (the frame arriving) until the window
// is next hidden. The window stays within the screen's available area
// (desktop panels excluded) where it fits; a larger one is placed at that
// area's top-left corner, so that its title bar and menu stay on screen.
void centreOnScreen(QWidget* window);

// Places a tool window beside `window`, level with its top, so that none of
// the window is covered: right of it where the screen has room for the
// tool, else left of it; where neither side holds it, in the wider side's
// room, narrowed to fit down to `minimumWidth`, and only when even that does
// not fit, against the screen's right edge.
void placeToolBeside(QWidget& tool, const QWidget& window, int minimumWidth);

// Shows a planning window from its menu item: restored if minimized and
// brought to the front. When it opens it is centred (unless it keeps a
// place of its own) and starts on its first input, not on a table.
void bringUp(QWidget& window, QWidget& firstInput, bool centre = true);

} // namespace kestrel::ui
