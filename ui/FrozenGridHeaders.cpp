#include "ui/FrozenGridHeaders.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

namespace kestrel::ui {

FrozenGridHeaders::FrozenGridHeaders(QTableView* table)
    : QObject(table), body_(table), viewport_(table->viewport()) {
    body_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    body_->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);

    row_ = makeOverlay("gridHeaderRow", true, false);
    column_ = makeOverlay("gridHeaderColumn", false, true);
    corner_ = makeOverlay("gridHeaderCorner", true, true);
    copySectionSizes();

    // Sizes and scrolling follow the body; the overlays' own bars are hidden
    // but still move when a click scrolls a half-shown header cell into view.
    connect(body_->horizontalHeader(), &QHeaderView::sectionResized, this,
            [this] { copySectionSizes(), layoutOverlays(); });
    connect(body_->verticalHeader(), &QHeaderView::sectionResized, this,
            [this] { copySectionSizes(), layoutOverlays(); });
    const auto follow = [this](QScrollBar* from, QScrollBar* to) {
        connect(from, &QScrollBar::valueChanged, to, &QScrollBar::setValue);
        connect(from, &QScrollBar::rangeChanged, this, [this] { layoutOverlays(); });
    };
    follow(body_->horizontalScrollBar(), row_->horizontalScrollBar());
    follow(row_->horizontalScrollBar(), body_->horizontalScrollBar());
    follow(body_->verticalScrollBar(), column_->verticalScrollBar());
    follow(column_->verticalScrollBar(), body_->verticalScrollBar());
    connect(body_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { revealCurrent(current); });

    viewport_->installEventFilter(this);
    layoutOverlays();
}

QTableView* FrozenGridHeaders::makeOverlay(const char* name, bool firstRowOnly,
                                           bool firstColumnOnly) {
    auto* v = new QTableView(body_);
    v->setObjectName(QLatin1String(name));
    v->setModel(body_->model());
    v->setFocusPolicy(Qt::NoFocus);
    v->setFrameShape(QFrame::NoFrame);
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->horizontalHeader()->setMinimumSectionSize(1);
    v->verticalHeader()->setMinimumSectionSize(1);
    v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setSelectionMode(QAbstractItemView::NoSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setShowGrid(body_->showGrid());
    v->setGridStyle(body_->gridStyle());
    v->setWordWrap(body_->wordWrap());
    v->setTextElideMode(body_->textElideMode());
    const int rows = body_->model()->rowCount();
    const int columns = body_->model()->columnCount();
    for (int r = 1; firstRowOnly && r < rows; ++r) v->setRowHidden(r, true);
    for (int c = 1; firstColumnOnly && c < columns; ++c) v->setColumnHidden(c, true);
    // The wheel over a header scrolls the body, as it would without them.
    v->viewport()->installEventFilter(this);
    v->show();
    return v;
}

void FrozenGridHeaders::copySectionSizes() {
    const int rows = body_->model()->rowCount();
    const int columns = body_->model()->columnCount();
    for (QTableView* v : {row_, column_, corner_}) {
        for (int r = 0; r < rows; ++r) v->setRowHeight(r, body_->rowHeight(r));
        for (int c = 0; c < columns; ++c) v->setColumnWidth(c, body_->columnWidth(c));
    }
}

void FrozenGridHeaders::layoutOverlays() {
    const QRect vp = viewport_->geometry();
    const int h = qMin(body_->rowHeight(0), vp.height());
    const int w = qMin(body_->columnWidth(0), vp.width());
    row_->setGeometry(vp.x(), vp.y(), vp.width(), h);
    column_->setGeometry(vp.x(), vp.y(), w, vp.height());
    corner_->setGeometry(vp.x(), vp.y(), w, h);
    corner_->raise();
    row_->horizontalScrollBar()->setValue(body_->horizontalScrollBar()->value());
    column_->verticalScrollBar()->setValue(body_->verticalScrollBar()->value());
}

void FrozenGridHeaders::revealCurrent(const QModelIndex& current) {
    if (!current.isValid()) return;
    const QRect cell = body_->visualRect(current);
    const int hidden = body_->columnWidth(0) - cell.left();
    if (current.column() > 0 && hidden > 0) {
        QScrollBar* bar = body_->horizontalScrollBar();
        bar->setValue(bar->value() - hidden);
    }
    const int under = body_->rowHeight(0) - cell.top();
    if (current.row() > 0 && under > 0) {
        QScrollBar* bar = body_->verticalScrollBar();
        bar->setValue(bar->value() - under);
    }
}

bool FrozenGridHeaders::eventFilter(QObject* watched, QEvent* event) {
    // The viewport outlives the table's own destructors: compare it without
    // calling into the table.
    if (watched == viewport_) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) layoutOverlays();
        return false;
    }
    if (event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(viewport_, event);
        return true;
    }
    return false;
}

} // namespace kestrel::ui
