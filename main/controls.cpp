#include "main/controls.h"

#include <QLabel>

namespace controls {

void Place::ApplyTo(QWidget *control) const
{
    if (!FNaturalSize) {
        control->setGeometry(FRect);
        return;
    }
    control->move(FRect.topLeft());
    control->adjustSize();
}

void TabChain(const QList<QWidget *> &chain)
{
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
}

QFont InterfaceFont(int pixelSize, int style)
{
    QFont font("Tahoma");
    font.setPixelSize(pixelSize);
    if (style & kBold)
        font.setBold(true);
    if (style & kItalic)
        font.setItalic(true);
    return font;
}

QLabel *MakeTitleBar(QWidget *panel, const QString &name, const QString &caption, int inset)
{
    QLabel *title = Centred(
        Make<QLabel>(panel, name, QRect(inset, inset, panel->width() - 2 * inset, 28), caption));
    title->setFont(InterfaceFont(15, kBold));
    return title;
}

void SetColour(QWidget *control, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = control->palette();
    palette.setColor(role, colour);
    control->setPalette(palette);
}

void SetBackground(QWidget *control, QColor colour)
{
    SetColour(control, QPalette::Window, colour);
    control->setAutoFillBackground(true);
}

}  // namespace controls
