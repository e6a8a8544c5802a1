#pragma once
// "&Export Spur Table...": every solved product with its level to a
// comma-separated file, written whole or not at all.

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "engine/Design.h"
#include "engine/SpurTable.h"
#include "ui/SpurSolution.h"

class QByteArray;
class QWidget;

namespace kestrel::ui {

class SpurExport {
public:
    // Asks for the file to write; an empty answer cancels.
    using PathChooser = std::function<QString(QWidget* parent, const QString& suggested)>;

    explicit SpurExport(QWidget* parent);

    // A save-file dialog unless replaced (tests answer without one).
    void setPathChooser(PathChooser chooser) { choose_ = std::move(chooser); }
    // The design whose filters and limit line the levels pass through; the
    // start-up design's until set.
    void setDesign(std::function<Design()> design) { design_ = std::move(design); }

    // Before the first solve: an information box, nothing written. Otherwise
    // ask for a file and write the table; a failure gets a critical box with
    // the system's reason and leaves any existing file as it was. True when
    // a file was written. `wanted` names the roles of the 1 x 1 products.
    bool run(const SpurSolution& solution, const QString& designFileName,
             std::optional<MarkerPair> markers, ProductFamily wanted);

    // The design's name with ".csv" when there is one, else "spurs.csv".
    static QString suggestedName(const QString& designFileName);

    // Writes through a temporary file that replaces the target only when
    // complete; the system's reason on failure.
    static std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes);
    // The same for a text, telling a failure in a critical box ("The spur
    // table could not be written to ...", `what` naming the content).
    static bool writeOrTell(QWidget* parent, const QString& path, const std::string& text,
                            const QString& what, const QString& title);

private:
    QWidget* parent_;
    PathChooser choose_;
    std::function<Design()> design_ = [] { return Design{}; };
};

} // namespace kestrel::ui
