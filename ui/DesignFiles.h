#pragma once
// Saving the design's fields to a ".kst" file and loading them back, and the
// project text pair that travels in the file.

#include <QString>
#include <functional>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace kestrel::ui {

class DesignFiles {
public:
    using UnitGetter = std::function<QString()>;
    using UnitSetter = std::function<void(const QString&)>; // also sets the unit labels

    DesignFiles(QWidget* window, UnitGetter unit, UnitSetter setUnit);

    // Asks for a name; a cancelled box saves nothing.
    void mnuSave_Click();
    // Writes the fields to "<typedName>.kst" in the working directory. Any
    // refusal or failure is told in a box and leaves no file half written.
    bool save(const QString& typedName);
    // Reads the whole file first; only a valid design reaches the fields.
    bool load(const QString& fileName);
    // The file last saved or loaded ("MIXER1.kst"); empty before either.
    const QString& currentFile() const { return currentFile_; }
    // Shows the project text while its box is checked.
    void chkProject_Click();

private:
    QLineEdit* field(const char* name) const;
    void setCurrentFile(const QString& shown);

    QWidget* window_;
    UnitGetter unit_;
    UnitSetter setUnit_;
    QCheckBox* chkOffset_;
    QCheckBox* chkProject_;
    QLineEdit* txtProject_;
    QString currentFile_;
};

} // namespace kestrel::ui
