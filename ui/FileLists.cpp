#include "ui/FileLists.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>

#include "files/DesignFileIO.h"
#include "ui/MessageBoxes.h"
#include "ui/TitledFileList.h"

namespace kestrel::ui {
namespace {

const QString kLoadTitle = QStringLiteral("Load Mixer File");
const QString kEraseTitle = QStringLiteral("Erase Mixer File");

constexpr int kPathRole = Qt::UserRole;

QByteArray pathOf(const QListWidgetItem* item) { return item->data(kPathRole).toByteArray(); }

bool confirmed(QWidget* parent, const QString& title) {
    return showMessage(parent, QStringLiteral("Do you want to continue ?"), title,
                       QMessageBox::Critical, QMessageBox::Yes | QMessageBox::No,
                       QMessageBox::No) != QMessageBox::No;
}

} // namespace

FileLists::FileLists(QWidget* window, QListWidget* loadList, QListWidget* eraseList, Loader load)
    : QObject(window), window_(window), loadList_(loadList), eraseList_(eraseList),
      load_(std::move(load)) {
    // The two lists share one place: the title says which one is up.
    const auto title = [](QListWidget* list, const char* text, QColor colour) {
        if (auto* titled = dynamic_cast<TitledFileList*>(list)) titled->setTitle(QLatin1String(text), colour);
    };
    title(loadList_, "Load a design: double-click a file", loadList_->palette().color(QPalette::Text));
    title(eraseList_, "ERASE a design: double-click a file", QColor(255, 0, 0));
}

void FileLists::reread(QListWidget* list) {
    list->clear();
    for (const std::string& name : designfile::listDesignFiles()) {
        auto* item = new QListWidgetItem(QString::fromStdString(designfile::readableName(name)), list);
        item->setData(kPathRole, QByteArray::fromStdString(name));
    }
}

void FileLists::show(QListWidget* list) {
    list->show();
    list->raise();
    reread(list);
}

void FileLists::rereadAndHide(QListWidget* list) {
    reread(list);
    list->hide();
}

QListWidgetItem* FileLists::selectedItem(QListWidget* list, const QString& title) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) {
        showMessage(window_, QStringLiteral("No design file is selected."), title,
                    QMessageBox::Critical);
        return nullptr;
    }
    return selected.first();
}

void FileLists::loadSelected() {
    if (confirmed(window_, QStringLiteral("Overwrite Current Design? (Load New File)"))) {
        if (const QListWidgetItem* item = selectedItem(loadList_, kLoadTitle))
            load_(item->text(), pathOf(item));
    }
    rereadAndHide(loadList_);
}

void FileLists::eraseSelected() {
    if (confirmed(window_, QStringLiteral("Do you want to ERASE selected file?"))) {
        if (const QListWidgetItem* item = selectedItem(eraseList_, kEraseTitle)) {
            const std::string error = designfile::eraseFile(pathOf(item).toStdString());
            if (!error.empty())
                showMessage(window_,
                            QStringLiteral("The design file %1 could not be erased: %2.")
                                .arg(item->text(), QString::fromLocal8Bit(error.c_str())),
                            kEraseTitle, QMessageBox::Critical);
        }
    }
    rereadAndHide(eraseList_);
}

void FileLists::onDoubleClick(QListWidget* list, std::function<void()> handler) {
    doubleClicks_.insert(list->viewport(), handler);
    list->viewport()->installEventFilter(this);
    doubleClicks_.insert(list, std::move(handler)); // the keys come to the list itself
    list->installEventFilter(this);
}

bool FileLists::eventFilter(QObject* watched, QEvent* event) {
    const auto key = [event] { return static_cast<QKeyEvent*>(event)->key(); };
    if ((event->type() == QEvent::MouseButtonDblClick &&
         static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) ||
        (event->type() == QEvent::KeyPress && (key() == Qt::Key_Return || key() == Qt::Key_Enter))) {
        const auto it = doubleClicks_.constFind(watched);
        if (it != doubleClicks_.constEnd()) {
            const std::function<void()> handler = it.value();
            handler();
            return true; // the list is hidden and re-read by now
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kestrel::ui
