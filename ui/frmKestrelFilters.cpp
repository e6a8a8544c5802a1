// The converter's filters and the limit line on the main window: the
// filters window, the design it contributes to, and the check that follows
// every solve, level evaluation and change in that window.
#include <QLabel>

#include "engine/Design.h"
#include "ui/ConverterCheck.h"
#include "ui/DesignForm.h"
#include "ui/SpurLevelFields.h"
#include "ui/SpurTools.h"
#include "ui/WindowCentring.h"
#include "ui/frmKestrel.h"
#include "ui/planning/frmFilters.h"
#include "ui/planning/frmSpurFree.h"

using namespace kestrel;

namespace {
constexpr int kFiltersMinimumWidth = 460;
}

void frmKestrel::mnuFilters_Click() { filtersWindow().showWindow(); }

frmFilters& frmKestrel::filtersWindow() {
    if (filters_) return *filters_;
    filters_ = std::make_unique<frmFilters>();
    filters_->setUnit(freqUnit_);
    // Beside the main window, so that the analyzer stays in view while the
    // filters and the limit line change.
    ui::placeToolBeside(*filters_, *this, kFiltersMinimumWidth);
    filters_->keepPlace();
    connect(filters_.get(), &frmFilters::changed, this, [this] {
        converter_->evaluate();
        spurTools_->limitsChanged();
    });
    return *filters_;
}

// The design as every window holds it now.
Design frmKestrel::windowDesign() const { return form_->read(); }

void frmKestrel::wireFilters() {
    ui::ConverterLink link;
    link.design = [this] { return windowDesign(); };
    link.solution = [this] { return spurTools_->solution(); };
    link.markers = [this] { return spurTools_->markers(); };
    link.wanted = [this] { return spurTools_->finderWindow().wanted(); };
    link.model = [this] { return &levels_->modelInUse(); };
    link.inputs = [this] { return levels_->inputs(); };
    link.filters = [this] { return filters_.get(); };
    spurTools_->exporter().setDesign([this] { return windowDesign(); });
    spurTools_->setDesign([this] { return windowDesign(); });
    converter_ = new ui::ConverterCheck(std::move(link), *display_, control<QLabel>("lblVerdict"), this);
    spurTools_->setConverterRows([this](int m, int n, ProductFamily family) { return converter_->shownRow(m, n, family); });
}
