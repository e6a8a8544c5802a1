#include "ui/DesignFiles.h"

#include <QCheckBox>
#include <QFile>
#include <QInputDialog>
#include <QLineEdit>
#include <array>
#include <cmath>

#include "engine/NumberText.h"
#include "files/DesignExtension.h"
#include "files/DesignFileIO.h"
#include "files/DesignRecord.h"
#include "ui/DesignSettings.h"
#include "ui/FieldCaptions.h"
#include "ui/MessageBoxes.h"

namespace kestrel::ui {
namespace {

namespace df = kestrel::designfile;

// The fields of records 2 to 11, in record order.
constexpr std::array<const char*, df::kValueCount> kValueFields = {
    "txtLoOffset", "txtLOFreq",  "txtLOPower", "txtRFStart", "txtRFStop",
    "txtRFPower",  "txtIFStart", "txtMarker1", "txtMarker2", "txtIFStop",
};

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

DesignFiles::DesignFiles(QWidget* window, UnitGetter unit, UnitSetter setUnit,
                         const DesignSettings& settings)
    : window_(window), unit_(std::move(unit)), setUnit_(std::move(setUnit)), settings_(settings),
      chkOffset_(window->findChild<QCheckBox*>(QStringLiteral("chkOffset"))),
      chkProject_(window->findChild<QCheckBox*>(QStringLiteral("chkProject"))),
      txtProject_(window->findChild<QLineEdit*>(QStringLiteral("txtProject"))) {}

QLineEdit* DesignFiles::field(const char* name) const {
    return window_->findChild<QLineEdit*>(QLatin1String(name));
}

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

// Records 1 to 14 from the fields and the extension from the settings; a
// refusal has been told and gives nothing.
std::optional<std::vector<std::uint8_t>> DesignFiles::fileImage() {
    df::DesignRecord record;
    record.offsetState = chkOffset_->isChecked() ? 1.0f : 0.0f;
    for (int i = 0; i < df::kValueCount; ++i) {
        const QString text = field(kValueFields[i])->text();
        record.values[i] = toSingle(leadingNumber(text.toStdString()));
        if (!std::isfinite(record.values[i])) {
            refuse(window_, kSaveTitle,
                   QStringLiteral("The design was not saved: the value \"%1\" of %2 is too large "
                                  "for a design file.")
                       .arg(text, fieldCaption(QLatin1String(kValueFields[i]))));
            return std::nullopt;
        }
    }
    const QString project = txtProject_->text();
    if (project.size() > qsizetype(df::kMaxTextLength) || !isLatin1(project)) {
        refuse(window_, kSaveTitle,
               QStringLiteral("The design was not saved: the text of %1 must be at most %2 "
                              "characters long and use only Western European (Latin-1) characters.")
                   .arg(fieldCaption(QStringLiteral("txtProject")))
                   .arg(df::kMaxTextLength));
        return std::nullopt;
    }
    record.project = project.toLatin1().toStdString();
    record.projectState = chkProject_->isChecked() ? 1.0f : 0.0f;
    record.unit = unit_().toStdString();

    QString problem;
    const auto settings = settings_.values(problem);
    if (!settings) {
        refuse(window_, kSaveTitle,
               QStringLiteral("The design was not saved: the value of %1 is too large for a "
                              "design file.")
                   .arg(problem));
        return std::nullopt;
    }
    auto records = df::writeRecords(record);
    auto image = records ? df::withExtension(std::move(*records), *settings) : std::nullopt;
    if (!image)
        refuse(window_, kSaveTitle,
               QStringLiteral("The design was not saved: %1.")
                   .arg(QLatin1String(records ? "its settings do not fit a design file"
                                              : df::describe(*df::validate(record)))));
    return image;
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
    const auto image = fileImage();
    if (!image) return false;

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

    const std::string error = df::replaceFile(path, *image);
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
    const df::ReadResult read = df::readRecords(file.bytes);
    const df::ExtensionRead extension = df::readExtension(file.bytes);
    std::optional<QString> broken;
    if (!read.record)
        broken = QLatin1String(df::describe(read.error));
    else if (!extension.values)
        broken = QLatin1String(df::describe(extension.error));
    else
        broken = settings_.refusal(*extension.values);
    if (broken) {
        refuse(window_, kLoadTitle,
               QStringLiteral("%1 is not a valid design file: %2. Nothing was loaded.")
                   .arg(fileName, *broken));
        return false;
    }

    // As if the user made each change: the boxes' and fields' reactions run.
    const df::DesignRecord& r = *read.record;
    chkOffset_->setChecked(*df::checkState(r.offsetState));
    for (int i = 0; i < df::kValueCount; ++i)
        field(kValueFields[i])->setText(QString::fromStdString(shortText(r.values[i])));
    txtProject_->setText(QString::fromLatin1(r.project.data(), qsizetype(r.project.size())));
    chkProject_->setChecked(*df::checkState(r.projectState));
    settings_.apply(*extension.values);
    setCurrentFile(fileName);
    setUnit_(QString::fromLatin1(r.unit.data(), qsizetype(r.unit.size())));
    return true;
}

} // namespace kestrel::ui
