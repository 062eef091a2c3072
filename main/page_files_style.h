#pragma once
// Building blocks shared by the panels of the Files page.
#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace files_page {

// A panel with a flat bevel.
QFrame *CreatePanel(QWidget *parent, const char *name, const QRect &geometry);
// The panel's title bar along its top edge, 28 pixels high, bold "Tahoma" of 15 pixels.
QLabel *CreateTitleBar(QFrame *panel, const char *name, const QString &caption);
QRadioButton *CreateRadioButton(QWidget *parent, const char *name, const QString &caption,
                                const QPoint &position);
// A flat button in "Tahoma" of 15 pixels, black.
QPushButton *CreateFlatButton(QWidget *parent, const char *name, const QString &caption,
                              const QRect &geometry);
// An edit field with centred text.
QLineEdit *CreateCentredEdit(QWidget *parent, const QString &name, const QString &text,
                             const QRect &geometry, bool bold);
void SetBackground(QWidget *widget, QColor colour);

}  // namespace files_page
