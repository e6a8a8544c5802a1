#pragma once
// Saving the design's fields to a ".kst" file and loading them back, and the
// project text pair that travels in the file.

#include <QByteArray>
#include <QString>

class QCheckBox;
class QLineEdit;
class QWidget;

namespace kestrel::ui {

class DesignForm;

class DesignFiles {
public:
    // `form`: the design the window shows, saved and shown again.
    DesignFiles(QWidget* window, DesignForm& form);

    // Asks for a name; a cancelled box saves nothing.
    void mnuSave_Click();
    // Writes the design the window shows to "<typedName>.kst" in the working
    // directory. Replacing another design than the current one asks first.
    // Any refusal or failure is told in a box and leaves the old file as it was.
    bool save(const QString& typedName);
    // Reads and judges the whole file first; only a valid design is shown.
    // `path`: the name's bytes on disk when they are not `fileName`
    // encoded (a name that is not valid UTF-8, shown in a readable form).
    bool load(const QString& fileName, const QByteArray& path = {});
    // The file last saved or loaded ("MIXER1.kst"); empty before either.
    const QString& currentFile() const { return currentFile_; }
    // Shows the project text while its box is checked.
    void chkProject_Click();

private:
    void setCurrentFile(const QString& fileName);

    QWidget* window_;
    DesignForm& form_;
    QCheckBox* chkProject_;
    QLineEdit* txtProject_;
    QString currentFile_;
};

} // namespace kestrel::ui
