#include "ui/DesignFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>

#include "files/DesignCodec.h"
#include "files/DesignExtension.h"
#include "files/DesignFileIO.h"
#include "files/DesignRecord.h"
#include "ui/DesignForm.h"
#include "ui/FieldCaptions.h"
#include "ui/MessageBoxes.h"

namespace kestrel::ui {
namespace {

namespace df = kestrel::designfile;

const QString kSaveTitle = QStringLiteral("Save Mixer File");
const QString kLoadTitle = QStringLiteral("Load Mixer File");

void refuse(QWidget* parent, const QString& title, const QString& text) {
    showMessage(parent, text, title, QMessageBox::Critical);
}

// Names stay in the working directory: no separators, no leading "." (the
// lists never show such a file, and "." and ".." are folders), and nothing a terminal or a file list would show garbled or hide: control
// characters, invisible format characters (bidi overrides, zero widths) and
// line or paragraph separators.
bool isPlainName(const QString& name) {
    if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) return false;
    for (const QChar c : name) {
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph: return false;
        default: break;
        }
        if (c == QLatin1Char('/') || c == QLatin1Char('\\')) return false;
    }
    return true;
}

bool isLatin1(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() > 0xFF) return false;
    return true;
}

} // namespace

DesignFiles::DesignFiles(QWidget* window, DesignForm& form)
    : window_(window), form_(form),
      chkProject_(window->findChild<QCheckBox*>(QStringLiteral("chkProject"))),
      txtProject_(window->findChild<QLineEdit*>(QStringLiteral("txtProject"))) {}

void DesignFiles::setCurrentFile(const QString& fileName) {
    window_->setWindowTitle(fileCaption(fileName));
    currentFile_ = fileName;
}

void DesignFiles::chkProject_Click() {
    const Qt::CheckState state = chkProject_->checkState();
    if (state == Qt::Checked) txtProject_->show();
    if (state == Qt::Unchecked) txtProject_->hide();
}

void DesignFiles::mnuSave_Click() {
    bool ok = false;
    const QString name = QInputDialog::getText(window_, kSaveTitle,
                                               QStringLiteral("Enter File Name (Saved as name.kst)"),
                                               QLineEdit::Normal, QStringLiteral("FileName"), &ok);
    if (ok) save(name);
}

bool DesignFiles::save(const QString& typedName) {
    if (!isPlainName(typedName)) {
        refuse(window_, kSaveTitle,
               QStringLiteral("The name \"%1\" cannot be used for a design file. A name must not be "
                              "empty, must not start with \".\", and must not contain \"/\", \"\\\", "
                              "control characters or invisible characters.")
                   .arg(typedName));
        return false;
    }
    // Only the text can hold what a design file cannot; the codec judges the rest.
    const QString project = txtProject_->text();
    if (project.size() > qsizetype(df::kMaxTextLength) || !isLatin1(project)) {
        refuse(window_, kSaveTitle,
               QStringLiteral("The design was not saved: the text of %1 must be at most %2 "
                              "characters long and use only Western European (Latin-1) characters.")
                   .arg(fieldCaption(QStringLiteral("txtProject")))
                   .arg(df::kMaxTextLength));
        return false;
    }
    const df::DesignEncode image = df::encodeDesign(form_.read());
    if (!image.bytes) {
        refuse(window_, kSaveTitle, QStringLiteral("The design was not saved: %1.").arg(QString::fromStdString(image.why)));
        return false;
    }

    const QString fileName = typedName + QLatin1String(df::kExtension.data());
    const std::string path = QFile::encodeName(fileName).toStdString();
    // Asked before anything else: no answer could make it writable.
    if (df::isReadOnly(path)) {
        refuse(window_, kSaveTitle, QStringLiteral("%1 is read-only.").arg(fileName));
        return false;
    }
    // Another design of that name is replaced only when the user says so.
    if (fileName != currentFile_ && df::fileExists(path) &&
        showMessage(window_, QStringLiteral("%1 already exists. Do you want to replace it?").arg(fileName),
                    kSaveTitle, QMessageBox::Warning, QMessageBox::Yes | QMessageBox::No,
                    QMessageBox::No) != QMessageBox::Yes)
        return false;

    const std::string error = df::replaceFile(path, *image.bytes);
    if (!error.empty()) {
        refuse(window_, kSaveTitle,
               QStringLiteral("The design could not be saved to %1: %2.")
                   .arg(fileName, QString::fromLocal8Bit(error.c_str())));
        return false;
    }
    setCurrentFile(fileName);
    return true;
}

bool DesignFiles::load(const QString& fileName, const QByteArray& path) {
    const df::FileBytes file = df::readFileHead(
        (path.isEmpty() ? QFile::encodeName(fileName) : path).toStdString(), df::kMaxDesignFileSize);
    if (!file.error.empty()) {
        refuse(window_, kLoadTitle,
               QStringLiteral("The design file %1 could not be read: %2.")
                   .arg(fileName, QString::fromLocal8Bit(file.error.c_str())));
        return false;
    }
    // What the file does not store keeps what the window shows.
    const df::DesignDecode decoded = df::decodeDesign(file.bytes, form_.read());
    if (!decoded.design) {
        refuse(window_, kLoadTitle,
               QStringLiteral("%1 is not a valid design file: %2. Nothing was loaded.")
                   .arg(fileName, QString::fromStdString(decoded.why)));
        return false;
    }
    // As if the user made each change: the boxes' and fields' reactions run.
    form_.show(*decoded.design);
    setCurrentFile(fileName);
    return true;
}

} // namespace kestrel::ui
