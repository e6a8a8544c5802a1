#include "ui/TitledFileList.h"

#include <QLabel>

namespace kestrel::ui {

TitledFileList::TitledFileList(QWidget* parent) : QListWidget(parent), title_(new QLabel(this)) {
    title_->setObjectName(QStringLiteral("title"));
    title_->setAutoFillBackground(true);
    title_->setIndent(3);
    title_->hide();
}

void TitledFileList::setTitle(const QString& text, const QColor& colour) {
    title_->setText(text);
    // The title is what a person reads as the list's caption.
    setAccessibleName(text.trimmed());
    QFont bold = font();
    bold.setBold(true);
    title_->setFont(bold);
    QPalette pal = title_->palette();
    pal.setColor(QPalette::WindowText, colour);
    title_->setPalette(pal);
    title_->show();
    placeTitle();
}

void TitledFileList::resizeEvent(QResizeEvent* event) {
    QListWidget::resizeEvent(event);
    placeTitle();
}

// Between the frame and the names, which the viewport margin moves down.
void TitledFileList::placeTitle() {
    // isHidden, not isVisible: the list itself is hidden until it is shown.
    const int height = title_->isHidden() ? 0 : title_->sizeHint().height() + 2;
    setViewportMargins(0, height, 0, 0);
    const int frame = frameWidth();
    title_->setGeometry(frame, frame, width() - 2 * frame, height);
}

} // namespace kestrel::ui
