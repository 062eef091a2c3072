#pragma once
// Drives the pixel grids as a user would: presses, drags with the button held and key
// presses, and reads back what the grid shows.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>

#include <vector>

#include "tests/support/window_fixture.h"

namespace zolvik_test {

inline QPoint CellCentre(const QTableWidget *grid, int column, int row)
{
    return grid->visualRect(grid->model()->index(row, column)).center();
}

inline void PressCell(QTableWidget *grid, int column, int row)
{
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, column, row));
}

inline void ReleaseOnCell(QTableWidget *grid, int column, int row)
{
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, CellCentre(grid, column, row));
}

// A pointer move over the cell, with the left button held or not.
inline void MoveOverCell(QTableWidget *grid, int column, int row, bool buttonHeld)
{
    const QPoint at = CellCentre(grid, column, row);
    QMouseEvent move(QEvent::MouseMove, at, grid->viewport()->mapToGlobal(at), Qt::NoButton,
                     buttonHeld ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid->viewport(), &move);
}

// The colour the grid shows at the centre of the cell.
inline QColor ShownColour(const QImage &picture, const QTableWidget *grid, int column, int row)
{
    const QPoint at = grid->viewport()->mapTo(grid, CellCentre(grid, column, row));
    return picture.pixelColor(at);
}

inline QImage Picture(QWidget *widget)
{
    return widget->grab().toImage();
}

}  // namespace zolvik_test
