#pragma once
// A line control: a plain object that the widget holding it paints, with its
// end points in twips relative to that widget (15 twips = 1 pixel).

#include <QColor>
#include <QLineF>
#include <QObject>
#include <limits>
#include <string_view>

class QPainter;
class QWidget;

namespace kestrel::display {

inline constexpr double kTwipsPerPixel = 15;
inline constexpr QRgb kDefaultLineColor = 0xFF000000;
inline constexpr QRgb kLimitColor = 0xFFFF0000; // the limit line and what fails it

struct LineSpec {
    std::string_view name;
    double x1, y1, x2, y2; // twips
    QRgb color = kDefaultLineColor;
    bool buttonShadow = false; // the window scheme's shadow colour instead of `color`
    int width = 1;
    Qt::PenStyle style = Qt::SolidLine;
    bool visible = true;
};

class LineShape;

// Liang-Barsky: cuts the segment to the rectangle; false when nothing is left.
bool clipSegment(QLineF& line, const QRectF& r);

// The widget that paints a set of lines hears of every change.
class LineHost {
public:
    virtual void lineChanged(const LineShape& line) = 0;

protected:
    ~LineHost() = default;
};

class LineShape : public QObject {
    Q_OBJECT
    Q_PROPERTY(double x1 READ x1 WRITE setX1)
    Q_PROPERTY(double y1 READ y1 WRITE setY1)
    Q_PROPERTY(double x2 READ x2 WRITE setX2)
    Q_PROPERTY(double y2 READ y2 WRITE setY2)
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
    Q_PROPERTY(QColor color READ color WRITE setColor)
    Q_PROPERTY(int width READ width WRITE setWidth)
    Q_PROPERTY(int penStyle READ penStyle WRITE setPenStyle)
    Q_PROPERTY(QString label READ label WRITE setLabel)
    Q_PROPERTY(bool failsLimit READ failsLimit WRITE setFailsLimit)

public:
    // `canvas` paints the line and is its parent; `host` is told of changes.
    LineShape(const LineSpec& spec, QWidget* canvas, LineHost* host);

    // Coordinates are kept in single precision, as the window stores them.
    double x1() const { return x1_; }
    double y1() const { return y1_; }
    double x2() const { return x2_; }
    double y2() const { return y2_; }
    bool isVisible() const { return visible_; }
    // A line that fails the limit line is drawn red, whatever its own colour.
    QColor color() const { return failsLimit_ ? QColor(kLimitColor) : color_; }
    int width() const { return width_; }
    int penStyle() const { return int(style_); }
    QString label() const { return label_; }

    void setX1(double v);
    void setY1(double v);
    void setX2(double v);
    void setY2(double v);
    void setVisible(bool v);
    void setColor(const QColor& c);
    void setWidth(int w);
    void setPenStyle(int s);
    void setLabel(const QString& text) { label_ = text; } // descriptive only, never drawn
    bool failsLimit() const { return failsLimit_; }
    void setFailsLimit(bool fails);

    // Both ends to one x, shown: how a replay places a vertical line.
    void placeAt(float x);

    // The frequency a replay placed the line at; NaN until then. Descriptive
    // like the label (the hover reads it): the x alone would lose digits.
    float frequency() const { return frequency_; }
    void setFrequency(float f) { frequency_ = f; }

    // Paints the visible line, cut to `clip` (pixels); coordinates far
    // outside never reach the rasterizer.
    void paint(QPainter& painter, const QRectF& clip) const;

private:
    void set(float& field, double v);
    void changed();

    LineHost* host_;
    float x1_, y1_, x2_, y2_;
    bool visible_;
    QColor color_;
    int width_;
    Qt::PenStyle style_;
    QString label_;
    bool failsLimit_ = false;
    float frequency_ = std::numeric_limits<float>::quiet_NaN();
};

} // namespace kestrel::display
