#pragma once
// The two lists of design files on the main window: the load list and the
// erase list. Both show the ".kst" files of the working directory, re-read
// whenever they are shown or hidden.

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <functional>

class QListWidget;
class QListWidgetItem;
class QWidget;

namespace kestrel::ui {

class FileLists : public QObject {
public:
    // fileName: as listed; path: its bytes on disk.
    using Loader = std::function<bool(const QString& fileName, const QByteArray& path)>;

    FileLists(QWidget* window, QListWidget* loadList, QListWidget* eraseList, Loader load);

    // Shows the list on top of the other without giving it the focus.
    void show(QListWidget* list);
    void rereadAndHide(QListWidget* list);

    // The confirmed double-clicks: load or erase the selected file, then
    // re-read and hide the list, whatever the answer or the outcome.
    void loadSelected();
    void eraseSelected();

    // A double-click anywhere in the list, on a name or not, runs `handler`;
    // so do Enter and Return on the list.
    void onDoubleClick(QListWidget* list, std::function<void()> handler);

    // A name that is not valid UTF-8 is listed readable, its odd bytes as
    // "\xNN"; the item keeps the name's bytes for the load and the erase.
    static void reread(QListWidget* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The selected item, or nullptr after telling the user there is none.
    QListWidgetItem* selectedItem(QListWidget* list, const QString& title);

    QWidget* window_;
    QListWidget* loadList_;
    QListWidget* eraseList_;
    Loader load_;
    QHash<QObject*, std::function<void()>> doubleClicks_;
};

} // namespace kestrel::ui
