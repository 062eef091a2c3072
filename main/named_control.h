#pragma once
#include <QRect>
#include <QString>
#include <QWidget>

// A control of the window made in one step: its text, its name and its place on the parent.
// Fits every control that is built from (text, parent): labels, edit fields, buttons.
template <typename Control>
Control *CreateNamed(QWidget *parent, const char *name, const QRect &place,
                     const QString &text = QString())
{
    auto *control = new Control(text, parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}
