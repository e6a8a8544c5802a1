#pragma once
// The IF planner's chart `chartPlan`: the worst counted level of every
// candidate against the candidate, the threshold as a line and the clean
// runs shaded green. Candidates whose wanted product has the wrong sign are
// gaps; a product without a level is drawn at the top, as strongest.

#include <QWidget>
#include <optional>
#include <vector>

namespace kestrel::display {

struct PlanPoint {
    double candidate = 0;
    bool valid = false;
    bool clean = false;
    std::optional<double> worst; // dBc; none when clean
    bool worstHasNoLevel = false;
};

struct PlanChartData {
    std::vector<PlanPoint> points;
    double threshold = -60;
    QString axisTitle; // "LO (GHz)", "Offset (GHz)"
};

class PlanChart : public QWidget {
    Q_OBJECT
public:
    explicit PlanChart(QWidget* parent = nullptr);

    void setData(PlanChartData data);
    void clear();
    const PlanChartData& data() const { return data_; }

    QSize sizeHint() const override { return {560, 240}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PlanChartData data_;
};

} // namespace kestrel::display
