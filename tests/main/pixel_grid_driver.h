#pragma once
// Drives the pixel grids as a user would: presses, drags with the button held and key
// presses, and reads back what the grid shows.
#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTest>

#include <functional>
#include <vector>

#include "tests/main/window_fixture.h"

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

// Calls `answer` with the next modal widget of type T to appear; modal widgets of other
// types are left alone.
template <typename T>
void AnswerNextModalOf(std::function<void(T *)> answer, int timeoutMs = 5000)
{
    auto elapsed = std::make_shared<int>(0);
    auto timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, elapsed, answer, timeoutMs] {
        *elapsed += 10;
        if (auto *modal = qobject_cast<T *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (*elapsed > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start();
}

inline QImage Picture(QWidget *widget) { return widget->grab().toImage(); }

// Types the path into the dialog's file name field, as the user would.
inline void TypeFileName(QFileDialog *dialog, const QString &path)
{
    auto *name = dialog->findChild<QLineEdit *>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(path);
}

// Answers the next file dialog: `inspect` sees it first, then it is accepted with `path`
// (or rejected when the path is empty).
inline void ChooseFile(const QString &path, std::function<void(QFileDialog *)> inspect = {})
{
    AnswerNextModalOf<QFileDialog>([path, inspect](QFileDialog *dialog) {
        if (inspect)
            inspect(dialog);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        TypeFileName(dialog, path);
        static_cast<QDialog *>(dialog)->accept();  // as the dialog's own button does
    });
}

// Answers the next file dialog with `path`, then records the message box that follows it.
inline std::shared_ptr<CapturedBox> ChooseFileThenCaptureBox(const QString &path)
{
    auto captured = std::make_shared<CapturedBox>();
    AnswerNextModalOf<QFileDialog>([path, captured](QFileDialog *dialog) {
        TypeFileName(dialog, path);
        static_cast<QDialog *>(dialog)->accept();  // as the dialog's own button does
        AnswerNextModalOf<QMessageBox>([captured](QMessageBox *box) {
            captured->caption = box->windowTitle();
            captured->text = box->text();
            captured->icon = box->icon();
            captured->seen = true;
            box->accept();
        });
    });
    return captured;
}

}  // namespace zolvik_test
