#pragma once
#include <QIcon>
#include <QPushButton>

// A push button that shows its caption at the top and its picture centred below it.
class CaptionOverPictureButton : public QPushButton {
public:
    CaptionOverPictureButton(const QString &caption, const QIcon &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};
