#include "widgets/pixel_grid.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QRadioButton>

TPixelGrid::TPixelGrid(int columns, int rows, int cellSize, bool gridLines, QWidget *parent)
    : QTableWidget(rows, columns, parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    for (QHeaderView *header : {horizontalHeader(), verticalHeader()}) {
        header->setMinimumSectionSize(1);
        header->setDefaultSectionSize(cellSize);
        header->setSectionResizeMode(QHeaderView::Fixed);
    }
    setShowGrid(gridLines);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setAutoScroll(false);
    setTabKeyNavigation(false);
    setDragEnabled(false);
    setWordWrap(false);
    // The top-left cell starts as the selected one, without counting as a user selection.
    setCurrentCell(0, 0);
}

void TPixelGrid::SelectAt(const QPoint &position, bool evenIfCurrent)
{
    const QModelIndex index = indexAt(position);
    if (!index.isValid())
        return;
    if (index == currentIndex() && !evenIfCurrent)
        return;
    setCurrentIndex(index);
    emit cellSelected(index.column(), index.row());
}

void TPixelGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    SelectAt(event->position().toPoint(), true);
    event->accept();
}

void TPixelGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        SelectAt(event->position().toPoint(), false);
    event->accept();
}

void TPixelGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

// A double click is a press followed by a second press on the same cell.
void TPixelGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

// Only the movement keys reach the table; any other key, including the letters and digits
// the table would search the cell texts for, moves nothing.
void TPixelGrid::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: break;
    default: event->ignore(); return;
    }
    const QModelIndex before = currentIndex();
    QTableWidget::keyPressEvent(event);
    const QModelIndex after = currentIndex();
    if (after.isValid() && after != before)
        emit cellSelected(after.column(), after.row());
}

void TPixelGrid::keyboardSearch(const QString &) {}

TCellPainter::TCellPainter(DrawCell draw, QObject *parent)
    : QAbstractItemDelegate(parent), FDraw(std::move(draw))
{}

void TCellPainter::paint(QPainter *painter, const QStyleOptionViewItem &option,
                         const QModelIndex &index) const
{
    FDraw(painter, option.rect, index.column(), index.row(), index);
}

QSize TCellPainter::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    return option.rect.size();
}

int RadioGroupIndex(const QGroupBox *group)
{
    int index = 0;
    for (const QObject *child : group->children()) {
        const auto *button = qobject_cast<const QRadioButton *>(child);
        if (!button)
            continue;
        if (button->isChecked())
            return index;
        ++index;
    }
    return -1;
}
