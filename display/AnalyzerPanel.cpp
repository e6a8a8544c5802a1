#include "display/AnalyzerPanel.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kestrel::display {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kLightGrey = 0xFFE0E0E0;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kRed = 0xFFFF0000;
// Pale yellow at about 40 %: the bands stand out on the green and the
// white graticule and the navy and green lines stay readable through them.
constexpr QRgb kShade = 0x66FFFF80;

// Horizontal lines run past the right edge and are cut there; the vertical
// ones sit at multiples of 720 twips, decoration rather than frequencies.
constexpr LineSpec kGraticule[] = {
    {"Line22", 0, 0, 7560, 0, kWhite},
    {"Line1", 0, 360, 7575, 360, kWhite},
    {"Line2", 0, 720, 7560, 720, kWhite},
    {"Line3", 0, 1080, 7560, 1080, kWhite},
    {"Line4", 0, 1440, 7560, 1440, kWhite},
    {"Line5", 0, 1800, 7560, 1800, kWhite},
    {"Line6", 0, 2160, 7560, 2160, kWhite},
    {"Line7", 0, 2520, 7560, 2520, kWhite},
    {"Line8", 0, 2880, 7560, 2880, kWhite},
    {"Line9", 0, 3240, 7560, 3240, kLightGrey},
    {"Line10", 0, 3600, 7560, 3600, kWhite},
    {"Line23", 0, 3960, 7560, 3960, kWhite},
    {"Line11", 720, 360, 720, 4320, kWhite},
    {"Line12", 1440, 360, 1440, 4680, kWhite},
    {"Line13", 2160, 360, 2160, 4320, kWhite},
    {"Line14", 2880, 360, 2880, 4320, kWhite},
    {"Line15", 3600, 360, 3600, 4920, kWhite},
    {"Line16", 4320, 360, 4320, 4320, kWhite},
    {"Line17", 5040, 360, 5040, 4320, kWhite},
    {"Line19", 5760, 360, 5760, 4320, kWhite},
    {"Line24", 6480, 360, 6480, 4320, kWhite},
};

constexpr LineSpec kMarkers[] = {
    {"Mrkr1", 120, kZeroDbcY, 120, kBaselineY, kRed, false, 1, Qt::DashDotLine, false},
    {"Mrkr2", 240, kZeroDbcY, 240, kBaselineY, kRed, false, 1, Qt::DashDotLine, false},
};

} // namespace

AnalyzerPanel::AnalyzerPanel(const QString& caption, QWidget* parent)
    : ClassicFrame(caption, parent) {
    staticLayer_.panel = this;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgb(kPanelGreen));
    setPalette(pal);
    setAutoFillBackground(false); // the cached pixmap covers every pixel
    setAttribute(Qt::WA_OpaquePaintEvent);

    for (const LineSpec& spec : kGraticule)
        graticule_.push_back(new LineShape(spec, this, &staticLayer_));
    for (int i = 0; i < kSpurLineCount; ++i) {
        const SpurLineId id = kReplayOrder[i];
        const QByteArray name = spurLineName(id).toLatin1();
        const LineSpec spec{std::string_view(name.constData(), size_t(name.size())),
                            0, kZeroDbcY, 0, kBaselineY, id.sum ? kNavy : kGreen,
                            false, 2, Qt::SolidLine, false};
        spurs_[i] = new LineShape(spec, this, this);
        spurs_[i]->setLabel(spurLineLabel(id));
    }
    for (int i = 0; i < 2; ++i) markers_[i] = new LineShape(kMarkers[i], this, this);
}

LineShape* AnalyzerPanel::spurLine(SpurLineId id) const {
    const int i = replayIndex(id);
    return i < 0 ? nullptr : spurs_[i];
}

void AnalyzerPanel::scheduleUpdate() {
    if (updatePending_) return;
    updatePending_ = true;
    update();
}

void AnalyzerPanel::lineChanged(const LineShape&) { scheduleUpdate(); }

void AnalyzerPanel::setShadedIntervals(std::vector<ShadedInterval> intervals) {
    if (intervals == shaded_) return;
    shaded_ = std::move(intervals);
    scheduleUpdate();
}

void AnalyzerPanel::setMask(const std::vector<QLineF>& segments) {
    while (mask_.size() < segments.size()) {
        const QByteArray name = QStringLiteral("LimitMask(%1)").arg(mask_.size()).toLatin1();
        const LineSpec spec{std::string_view(name.constData(), size_t(name.size())), 0, 0, 0, 0, kLimitColor,
                            false, 2, Qt::SolidLine, false};
        mask_.push_back(new LineShape(spec, this, this));
    }
    for (std::size_t i = 0; i < mask_.size(); ++i) {
        LineShape& line = *mask_[i];
        const bool used = i < segments.size();
        if (used) {
            line.setX1(segments[i].x1());
            line.setY1(segments[i].y1());
            line.setX2(segments[i].x2());
            line.setY2(segments[i].y2());
        }
        line.setVisible(used);
    }
}

void AnalyzerPanel::paintShading(QPainter& painter) const {
    // The plotting area, 0 dBc down to the baseline.
    const double top = kZeroDbcY / kTwipsPerPixel;
    const double bottom = kBaselineY / kTwipsPerPixel;
    const double width = this->width();
    for (const auto& [a, b] : shaded_) {
        if (!std::isfinite(a) || !std::isfinite(b)) continue;
        // Cut to the panel first, so that far-off values never reach the rasterizer.
        const double left = std::clamp(std::min(a, b) / kTwipsPerPixel, -1.0, width + 1);
        const double right = std::clamp(std::max(a, b) / kTwipsPerPixel, -1.0, width + 1);
        if (right <= left) continue;
        painter.fillRect(QRectF(left, top, right - left, bottom - top), QColor::fromRgba(kShade));
    }
}

void AnalyzerPanel::StaticLayer::lineChanged(const LineShape&) {
    panel->backgroundStale_ = true;
    panel->scheduleUpdate();
}

void AnalyzerPanel::changeEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::EnabledChange: backgroundStale_ = true; break;
    default: break;
    }
    ClassicFrame::changeEvent(event);
}

void AnalyzerPanel::renderBackground(qreal dpr) {
    background_ = QPixmap((QSizeF(size()) * dpr).toSize());
    background_.setDevicePixelRatio(dpr);
    const QColor green = palette().color(QPalette::Window);
    background_.fill(green);
    QPainter painter(&background_);
    paintFrame(painter, *this, title(), green);
    for (const LineShape* line : graticule_) line->paint(painter, rect());
    backgroundStale_ = false;
}

void AnalyzerPanel::paintEvent(QPaintEvent*) {
    updatePending_ = false;
    const qreal dpr = devicePixelRatioF();
    if (backgroundStale_ || background_.devicePixelRatio() != dpr ||
        background_.size() != (QSizeF(size()) * dpr).toSize())
        renderBackground(dpr);
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    paintShading(painter);
    const QRectF clip = rect();
    for (const LineShape* line : spurs_) line->paint(painter, clip);
    for (const LineShape* line : mask_) line->paint(painter, clip);
    for (const LineShape* line : markers_) line->paint(painter, clip);
}

} // namespace kestrel::display
