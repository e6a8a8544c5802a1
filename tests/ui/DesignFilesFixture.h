#pragma once
// A main window in a temporary working directory, with helpers to save
// through the input box, pick files in the two lists and compare states.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "GuiTestSupport.h"
#include "tests/support/DesignFileVectors.h"
#include "ui/frmKestrel.h"

namespace kestrel::filetest {

using namespace kestrel::guitest;
using kestrel::reference::defaultDesignFile;
using kestrel::reference::patch;
using Bytes = std::vector<std::uint8_t>;

inline const QString kStartCaption = QStringLiteral("Kestrel II Spurious Analysis    Version 3.2");
// After a save or a load: the program's version and the name with ".kst".
inline const QString kFileCaption = kStartCaption + QStringLiteral("      Current File: ");
inline const char* const kFields[] = {"txtLoOffset", "txtLOFreq",  "txtLOPower", "txtRFStart",
                               "txtRFStop",   "txtRFPower", "txtIFStart", "txtMarker1",
                               "txtMarker2",  "txtIFStop",  "txtProject"};

// Types `text` into the next input box, or cancels it when there is none.
class InputAnswerer {
public:
    explicit InputAnswerer(std::optional<QString> text) : text_(std::move(text)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible()) return;
            title = box->windowTitle();
            label = box->labelText();
            offered = box->textValue();
            if (!text_) return box->reject();
            box->setTextValue(*text_);
            box->accept();
        });
        timer_.start(5);
    }
    QString title, label, offered;

private:
    std::optional<QString> text_;
    QTimer timer_;
};

class DesignFilesUi : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        old_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        w_ = std::make_unique<frmKestrel>();
        showAndActivate(w_.get());
    }
    void TearDown() override {
        closeAllTopLevels();
        w_.reset();
        QDir::setCurrent(old_);
    }

    template <class T> T* get(const char* name) { return child<T>(w_.get(), name); }
    QLineEdit* field(const char* name) { return get<QLineEdit>(name); }
    QListWidget* loadList() { return get<QListWidget>("FileMixer"); }
    QListWidget* eraseList() { return get<QListWidget>("FileErase"); }
    void menu(const char* name) { get<QAction>(name)->trigger(); }

    std::vector<BoxSeen> save(const QString& name) {
        BoxAnswerer boxes;
        InputAnswerer input(name);
        menu("mnuSave");
        return boxes.seen();
    }
    // Picks `name` in the list shown by `menuName` and double-clicks it.
    std::vector<BoxSeen> pick(const char* menuName, QListWidget* list, const QString& name,
                              QMessageBox::StandardButton answer = QMessageBox::Yes) {
        menu(menuName);
        const auto found = list->findItems(name, Qt::MatchExactly);
        if (!found.isEmpty()) list->setCurrentItem(found.first());
        BoxAnswerer boxes(answer);
        if (list == loadList())
            w_->FileMixer_DblClick();
        else
            w_->FileErase_DblClick();
        return boxes.seen();
    }
    std::vector<BoxSeen> load(const QString& name, QMessageBox::StandardButton answer = QMessageBox::Yes) {
        return pick("mnuLoad", loadList(), name, answer);
    }

    static void put(const QString& name, const Bytes& bytes) {
        QFile f(name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    }
    static Bytes bytesOf(const QString& name) {
        QFile f(name);
        if (!f.open(QIODevice::ReadOnly)) return {};
        const QByteArray all = f.readAll();
        return Bytes(all.begin(), all.end());
    }
    static QStringList entries() {
        return QDir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
    }
    static QStringList names(QListWidget* list) {
        QStringList out;
        for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
        return out;
    }

    // Everything a load may change, to compare before and after.
    QStringList snapshot() {
        QStringList s{w_->windowTitle(), w_->freqUnit()};
        for (const char* name : kFields) s << field(name)->text() << QString::number(field(name)->isVisible());
        for (int i = 0; i < 7; ++i) s << get<QLabel>(QStringLiteral("lblFreq(%1)").arg(i).toLatin1())->text();
        for (const char* name : {"chkOffset", "chkProject"})
            s << QString::number(get<QCheckBox>(name)->isChecked());
        return s;
    }

    QTemporaryDir dir_;
    QString old_;
    std::unique_ptr<frmKestrel> w_;
};

} // namespace kestrel::filetest
