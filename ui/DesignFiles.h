#pragma once
// Saving the design's fields to a ".kst" file and loading them back, and the
// project text pair that travels in the file.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace kestrel::ui {

class DesignSettings;

class DesignFiles {
public:
    using UnitGetter = std::function<QString()>;
    using UnitSetter = std::function<void(const QString&)>; // also sets the unit labels

    // `settings`: what the file's extension carries beyond the 14 records.
    DesignFiles(QWidget* window, UnitGetter unit, UnitSetter setUnit, const DesignSettings& settings);

    // Asks for a name; a cancelled box saves nothing.
    void mnuSave_Click();
    // Writes the fields and the settings to "<typedName>.kst" in the working
    // directory. Replacing another design than the current one asks first.
    // Any refusal or failure is told in a box and leaves the old file as it was.
    bool save(const QString& typedName);
    // Reads the whole file first; only a valid design reaches the fields.
    // `path`: the name's bytes on disk when they are not `fileName`
    // encoded (a name that is not valid UTF-8, shown in a readable form).
    bool load(const QString& fileName, const QByteArray& path = {});
    // The file last saved or loaded ("MIXER1.kst"); empty before either.
    const QString& currentFile() const { return currentFile_; }
    // Shows the project text while its box is checked.
    void chkProject_Click();

private:
    QLineEdit* field(const char* name) const;
    void setCurrentFile(const QString& fileName);
    std::optional<std::vector<std::uint8_t>> fileImage();

    QWidget* window_;
    UnitGetter unit_;
    UnitSetter setUnit_;
    const DesignSettings& settings_;
    QCheckBox* chkOffset_;
    QCheckBox* chkProject_;
    QLineEdit* txtProject_;
    QString currentFile_;
};

} // namespace kestrel::ui
