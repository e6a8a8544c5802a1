#pragma once
// The simulated spectrum analyzer: a bright green framed panel.

#include <QGroupBox>

namespace kestrel::display {

inline constexpr QRgb kPanelGreen = 0xFF00FF00; // RGB (0, 255, 0)

class AnalyzerPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit AnalyzerPanel(const QString& caption, QWidget* parent = nullptr);
};

} // namespace kestrel::display
