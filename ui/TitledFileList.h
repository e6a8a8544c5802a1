#pragma once
// A file list with a title line inside its rectangle, above the names. The
// title is no item: the items stay exactly the file names.

#include <QListWidget>

class QLabel;

namespace kestrel::ui {

class TitledFileList : public QListWidget {
public:
    explicit TitledFileList(QWidget* parent = nullptr);

    void setTitle(const QString& text, const QColor& colour);
    QLabel* titleLabel() const { return title_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeTitle();

    QLabel* title_;
};

} // namespace kestrel::ui
