#include "display/AnalyzerPanel.h"

namespace kestrel::display {

AnalyzerPanel::AnalyzerPanel(const QString& caption, QWidget* parent)
    : QGroupBox(caption, parent) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kPanelGreen));
    setPalette(pal);
    setAutoFillBackground(true);
}

} // namespace kestrel::display
