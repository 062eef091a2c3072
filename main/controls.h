#pragma once
// The one way the pages build themselves: a control of a kind made on its parent with a name,
// a place and its contents; a handler connected to a signal; a keyboard order; the interface
// font; the colour of a 0x00BBGGRR value (widgets/bgr_colour.h).
#include <QFont>
#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstddef>
#include <type_traits>

#include "widgets/bgr_colour.h"

class QLabel;

namespace controls {

// Where a control stands on its parent: a rectangle, or a top-left corner at which the
// control takes the size its contents ask for.
class Place {
public:
    constexpr Place(int left, int top) : FRect(left, top, 0, 0), FNaturalSize(true) {}
    constexpr Place(int left, int top, int width, int height) : FRect(left, top, width, height) {}
    constexpr Place(const QRect &rect) : FRect(rect) {}

    void ApplyTo(QWidget *control) const;

private:
    QRect FRect;
    bool FNaturalSize = false;
};

// A control of kind `Control`, built from `contents` (its text, title, time ...; nothing for
// an empty one) on `parent`, named (an empty name leaves it unnamed) and placed.
template <typename Control, typename... Contents>
Control *Make(QWidget *parent, const QString &name, const Place &place, const Contents &...contents)
{
    auto *control = new Control(contents..., parent);
    if (!name.isEmpty())
        control->setObjectName(name);
    place.ApplyTo(control);
    return control;
}

// One line of a page's control table: the window member that keeps the control (none for a
// caption nobody reads back), its name, place and text (none for an empty control).
template <typename Control, typename Owner>
struct Row {
    Control *Owner::*member;
    const char *name;
    Place place;
    const char *text = nullptr;
};

// Makes the table's controls in its order, each finished by `finish` when one is given.
template <typename Control, typename Owner, std::size_t N, typename Finish = void (*)(Control *)>
void MakeRows(Owner *owner, QWidget *parent, const Row<Control, Owner> (&rows)[N],
              Finish finish = nullptr)
{
    for (const Row<Control, Owner> &row : rows) {
        Control *control = row.text ? Make<Control>(parent, row.name, row.place, QString(row.text))
                                    : Make<Control>(parent, row.name, row.place);
        if (row.member)
            owner->*row.member = control;
        if constexpr (std::is_pointer_v<Finish>) {
            if (finish)
                finish(control);
        } else {
            finish(control);
        }
    }
}

// Runs owner's handler each time `signal` of `sender` fires, passing `reported` as the
// handler's Sender (the sender itself unless named).
template <typename Sender, typename Signal, typename Owner>
void On(Sender *sender, Signal signal, Owner *owner, void (Owner::*handler)(QObject *),
        QObject *reported)
{
    QObject::connect(sender, signal, owner,
                     [owner, handler, reported] { (owner->*handler)(reported); });
}

template <typename Sender, typename Signal, typename Owner>
void On(Sender *sender, Signal signal, Owner *owner, void (Owner::*handler)(QObject *))
{
    On(sender, signal, owner, handler, sender);
}

// Runs the handler on each click of the button.
template <typename Button, typename Owner>
void OnClick(Button *button, Owner *owner, void (Owner::*handler)(QObject *))
{
    On(button, &Button::clicked, owner, handler);
}

// Runs the handler when the button becomes checked; unchecking it runs nothing.
template <typename Button, typename Owner>
void OnTurnedOn(Button *button, Owner *owner, void (Owner::*handler)(QObject *), QObject *reported)
{
    QObject::connect(button, &Button::toggled, owner, [owner, handler, reported](bool on) {
        if (on)
            (owner->*handler)(reported);
    });
}

// The keyboard order: each control's Tab leads to the next.
void TabChain(const QList<QWidget *> &chain);

enum FontStyle { kPlain = 0, kBold = 1, kItalic = 2 };
// The interface font, "Tahoma", at a size in pixels; `style` combines kBold and kItalic.
QFont InterfaceFont(int pixelSize, int style = kPlain);

// The title bar along a panel's top edge, `inset` pixels in from its edges and 28 high: its
// caption centred, in the bold interface font of 15 pixels.
QLabel *MakeTitleBar(QWidget *panel, const QString &name, const QString &caption, int inset);

// Small touches to a made control, each returning it.
template <typename Control>
Control *Framed(Control *control, int frameStyle)
{
    control->setFrameStyle(frameStyle);
    return control;
}

template <typename Control>
Control *Centred(Control *control)
{
    control->setAlignment(Qt::AlignCenter);
    return control;
}

template <typename Control>
Control *Bold(Control *control)
{
    QFont font = control->font();
    font.setBold(true);
    control->setFont(font);
    return control;
}

// Sets one colour of the control's palette.
void SetColour(QWidget *control, QPalette::ColorRole role, QColor colour);
// Fills the control's background with `colour`.
void SetBackground(QWidget *control, QColor colour);

}  // namespace controls
