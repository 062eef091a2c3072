#include "widgets/caption_over_picture_button.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

CaptionOverPictureButton::CaptionOverPictureButton(const QString &caption, const QIcon &picture,
                                                   QWidget *parent)
    : QPushButton(caption, parent)
{
    setIcon(picture);
    setIconSize(QSize(32, 32));
}

void CaptionOverPictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);

    const QRect inner = rect().adjusted(4, 6, -4, -6);
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    const int captionHeight = fontMetrics().height();
    style()->drawItemText(&painter, QRect(inner.left(), inner.top(), inner.width(), captionHeight),
                          Qt::AlignCenter, palette(), isEnabled(), text(), QPalette::ButtonText);
    const QRect pictureArea(inner.left(), inner.top() + captionHeight + 2, inner.width(),
                            inner.height() - captionHeight - 2);
    icon().paint(&painter, pictureArea, Qt::AlignCenter, mode);
}
