#pragma once
// The pixel grids of the Cursors and LCD CGRAM pages: a table of square cells without
// headers or scroll bars, painted entirely by its owner, that reports a cell as selected on
// every press (also on the cell already selected), on every cell the pointer enters with
// the button held, and on every move by the arrow, Home, End, Page Up and Page Down keys.
#include <QAbstractItemDelegate>
#include <QTableWidget>

#include <functional>

class QGroupBox;

class TPixelGrid : public QTableWidget {
    Q_OBJECT

public:
    // `cellSize` includes the grid line when `gridLines` is set.
    TPixelGrid(int columns, int rows, int cellSize, bool gridLines, QWidget *parent);

    // Does nothing: a typed character never moves the selection to a cell it matches.
    void keyboardSearch(const QString &search) override;

signals:
    // The user selected the cell; the grid's current cell is already moved there.
    void cellSelected(int column, int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void SelectAt(const QPoint &position, bool evenIfCurrent);
};

// Paints each cell through one callback, given the painter, the cell's rectangle, its column
// and row and its model index; nothing else is drawn.
class TCellPainter : public QAbstractItemDelegate {
public:
    using DrawCell =
        std::function<void(QPainter *, const QRect &, int column, int row, const QModelIndex &)>;
    TCellPainter(DrawCell draw, QObject *parent);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    DrawCell FDraw;
};

// The index of the checked radio button among the group's direct radio children, in
// creation order; -1 when none is checked.
int RadioGroupIndex(const QGroupBox *group);

// Paints the grid's cells with the owner's DrawCell handler and hands every selected cell to
// its SelectCell handler, the grid reported as the Sender of both.
template <typename Owner, typename DrawCell, typename SelectCell>
void ConnectPixelGrid(TPixelGrid *grid, Owner *owner, DrawCell draw, SelectCell select)
{
    grid->setItemDelegate(new TCellPainter(
        [grid, owner, draw](QPainter *painter, const QRect &rect, int column, int row,
                            const QModelIndex &) {
            (owner->*draw)(grid, column, row, rect, painter);
        },
        grid));
    QObject::connect(
        grid, &TPixelGrid::cellSelected, owner,
        [grid, owner, select](int column, int row) { (owner->*select)(grid, column, row); });
}
