#pragma once
// The two faces of the window: a narrow face for labels and fields, a plain
// sans-serif for the frames. Substitutes stand in where the originals are
// not installed.

#include <QFont>

namespace kestrel::ui {

QFont narrowFont();
QFont plainFont();

} // namespace kestrel::ui
