#pragma once
// What each window holds of a design, as a part of the DesignForm. The
// planning windows' parts work whether or not the window was ever opened.

#include <QHash>
#include <QString>
#include <functional>

#include "ui/DesignForm.h"

class QWidget;
class frmMixer;
class frmSpurTable;
class frmIfPlanner;

namespace kestrel::ui {

class SpurTools;

// Records 1 to 14 but the unit, the orders, steps and sweep choices, by the
// main window's controls. `stepsChanged` runs when a shown design changed
// the step count (typed, it counts on leaving the list; shown, at once).
DesignForm::Part mainWindowPart(const QHash<QString, QWidget*>& controls, std::function<void()> stepsChanged);
// The conversion loss and the isolations.
DesignForm::Part mixerPart(frmMixer& mixer);
// The band finder's settings and the spur chart's shading.
DesignForm::Part spurToolsPart(SpurTools& tools);
// The mixer's spur table, its reference drives and its switch, last so that
// the switch acts on the shown table.
DesignForm::Part spurTablePart(frmSpurTable& window);
// The IF planner's settings; the planner is made when first needed.
DesignForm::Part plannerPart(std::function<frmIfPlanner&()> planner);

} // namespace kestrel::ui
