#include "ui/planning/SpurExport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>

#include "engine/DesignSolve.h"
#include "files/SpurTableCsv.h"
#include "ui/MessageBoxes.h"

namespace kestrel::ui {
namespace {

QString chooseCsvFile(QWidget* parent, const QString& suggested) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Export Spur Table"), suggested,
                                        QStringLiteral("CSV files (*.csv);;All files (*)"));
}

} // namespace

SpurExport::SpurExport(QWidget* parent) : parent_(parent), choose_(chooseCsvFile) {}

QString SpurExport::suggestedName(const QString& designFileName) {
    const QString base = QFileInfo(designFileName).completeBaseName();
    return base.isEmpty() ? QStringLiteral("spurs.csv") : base + QStringLiteral(".csv");
}

std::optional<QString> SpurExport::writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
}

bool SpurExport::writeOrTell(QWidget* parent, const QString& path, const std::string& text,
                             const QString& what, const QString& title) {
    const auto failure = writeWhole(path, QByteArray::fromRawData(text.data(), qsizetype(text.size())));
    if (!failure) return true;
    showMessage(parent,
                QStringLiteral("%1 could not be written to %2:\n%3")
                    .arg(what, QFileInfo(path).fileName(), *failure),
                title, QMessageBox::Critical);
    return false;
}

bool SpurExport::run(const SpurSolution& solution, const QString& designFileName,
                     std::optional<MarkerPair> markers, ProductFamily wanted) {
    const QString title = QGuiApplication::applicationDisplayName();
    if (!solution.solved()) {
        showMessage(parent_, QStringLiteral("Solve the matrix first."), title,
                    QMessageBox::Information);
        return false;
    }
    DesignReport report;
    report.wanted = wanted;
    report.solve = *solution.solve;
    // The levels after the converter's filters, as kestrel-report gives them.
    static const BuiltInLevelModel builtIn;
    const std::string why = reportOfSolve(report, *solution.matrix, *solution.state, solution.levelTable(), markers,
                                          design_(), solution.model ? *solution.model : builtIn,
                                          solution.inputs.value_or(LevelInputs{}));
    if (!why.empty()) {
        showMessage(parent_, QStringLiteral("The spur table was not exported: %1.").arg(QString::fromStdString(why)),
                    title, QMessageBox::Critical);
        return false;
    }
    const QString path = choose_(parent_, suggestedName(designFileName));
    if (path.isEmpty()) return false;
    const std::string text = csv::spurTable(report.rows, solution.unit.toStdString());
    return writeOrTell(parent_, path, text, QStringLiteral("The spur table"), title);
}

} // namespace kestrel::ui
