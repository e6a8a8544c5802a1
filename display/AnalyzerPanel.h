#pragma once
// The simulated spectrum analyzer `Frame4`: a bright green framed panel with
// its graticule, the 120 spur lines and the two band-edge markers. The
// static part is cached in a pixmap; the spur lines and markers are painted
// over it.

#include <QPixmap>
#include <array>
#include <utility>
#include <vector>

#include "display/ClassicFrame.h"
#include "display/DisplayMapping.h"
#include "display/LineShape.h"

namespace kestrel::display {

inline constexpr QRgb kPanelGreen = 0xFF00FF00; // RGB (0, 255, 0)

class AnalyzerPanel : public ClassicFrame, public LineHost {
    Q_OBJECT
public:
    explicit AnalyzerPanel(const QString& caption, QWidget* parent = nullptr);

    // By position in kReplayOrder.
    LineShape& spurLine(int replayIndex) const { return *spurs_[replayIndex]; }
    // nullptr when the pair has no such line.
    LineShape* spurLine(SpurLineId id) const;
    // `Mrkr1` or `Mrkr2`.
    LineShape& marker(int which) const { return *markers_[which - 1]; }

    // A spur line or marker changed: one redraw is scheduled, however many
    // lines change before it runs.
    void lineChanged(const LineShape& line) override;

    // Intervals of x (twips, either order) shaded in a translucent colour
    // over the graticule and under the lines. Not lines: nothing lists them.
    using ShadedInterval = std::pair<double, double>;
    void setShadedIntervals(std::vector<ShadedInterval> intervals);
    const std::vector<ShadedInterval>& shadedIntervals() const { return shaded_; }

    // The limit line as a red step line: one line object per segment,
    // `LimitMask(0)`, `LimitMask(1)`..., ends in twips. Objects beyond the
    // segments given are hidden, not destroyed.
    void setMask(const std::vector<QLineF>& segments);
    const std::vector<LineShape*>& maskLines() const { return mask_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The graticule's own host: its changes invalidate the cached pixmap.
    struct StaticLayer : LineHost {
        AnalyzerPanel* panel;
        void lineChanged(const LineShape&) override;
    };

    void renderBackground(qreal dpr);
    void scheduleUpdate();
    void paintShading(QPainter& painter) const;

    StaticLayer staticLayer_;
    std::vector<LineShape*> graticule_;
    std::array<LineShape*, kSpurLineCount> spurs_{};
    std::array<LineShape*, 2> markers_{};
    std::vector<LineShape*> mask_;
    std::vector<ShadedInterval> shaded_;
    QPixmap background_;
    bool backgroundStale_ = true;
    bool updatePending_ = false;
};

} // namespace kestrel::display
