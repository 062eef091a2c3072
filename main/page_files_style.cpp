#include "main/page_files_style.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace files_page {

namespace {
constexpr int kTitleHeight = 28;
constexpr int kBorder = 2;
constexpr int kLargeFontPixels = 15;
}  // namespace

QFrame *CreatePanel(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QLabel *CreateTitleBar(QFrame *panel, const char *name, const QString &caption)
{
    auto *title = new QLabel(caption, panel);
    title->setObjectName(name);
    title->setAlignment(Qt::AlignCenter);
    QFont font("Tahoma");
    font.setPixelSize(kLargeFontPixels);
    font.setBold(true);
    title->setFont(font);
    title->setGeometry(kBorder, kBorder, panel->width() - 2 * kBorder, kTitleHeight);
    return title;
}

QRadioButton *CreateRadioButton(QWidget *parent, const char *name, const QString &caption,
                                const QPoint &position)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(name);
    button->move(position);
    button->adjustSize();
    return button;
}

QPushButton *CreateFlatButton(QWidget *parent, const char *name, const QString &caption,
                              const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFlat(true);
    QFont font("Tahoma");
    font.setPixelSize(kLargeFontPixels);
    button->setFont(font);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    button->setPalette(palette);
    button->setGeometry(geometry);
    return button;
}

QLineEdit *CreateCentredEdit(QWidget *parent, const QString &name, const QString &text,
                             const QRect &geometry, bool bold)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setAlignment(Qt::AlignCenter);
    if (bold) {
        QFont font = edit->font();
        font.setBold(true);
        edit->setFont(font);
    }
    edit->setGeometry(geometry);
    return edit;
}

void SetBackground(QWidget *widget, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

}  // namespace files_page
