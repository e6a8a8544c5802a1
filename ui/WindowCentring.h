#pragma once
// Centring a top-level window on the screen by its outer size, frame
// included. Under a window manager the frame is known only after the window
// has been shown, so the position is corrected once it becomes known.

class QWidget;

namespace kestrel::ui {

// Centres `window` now with the outer size known so far, and again as soon
// as a different outer size turns up (the frame arriving) until the window
// is next hidden. On a screen smaller than the window the position is
// negative, as computed.
void centreOnScreen(QWidget* window);

} // namespace kestrel::ui
