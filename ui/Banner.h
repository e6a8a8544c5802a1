#pragma once
// The banner shown in the Logo picture box, drawn by the program itself.

#include <QPixmap>

namespace kestrel::ui {

QPixmap makeBanner(QSize size);

} // namespace kestrel::ui
