#pragma once
// Answers a click on a caption with its quick-help box. Labels have no click
// signal of their own, so one event filter watches every control named in
// the quick-help table.

#include <QHash>
#include <QObject>
#include <span>

#include "ui/QuickHelpTable.h"

class QWidget;

namespace kestrel::ui {

class QuickHelp : public QObject {
    Q_OBJECT
public:
    explicit QuickHelp(QObject* parent = nullptr);

    // Watches the controls of `table` found by name under `window`. Names
    // not present (yet) are skipped; calling again picks up new ones.
    void attach(QWidget* window, std::span<const QuickHelpEntry> table);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, const QuickHelpEntry*> watched_;
};

} // namespace kestrel::ui
