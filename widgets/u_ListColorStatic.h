#pragma once
// A colour list: a grid of colour slots on a container control. The selected slot has a
// 2-pixel outline; a click selects a slot and switches its colour on or off; colours are
// added into the selected slot, after which the selection moves on to the next slot.
// The rules live in tools/color_slots.h; this file only places and draws the slots.
#include <QPoint>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

#include "tools/color_slots.h"

// Called after a click on a slot has been applied and the slots redrawn.
using TSlotColorFunction = std::function<void()>;

// One slot: a rectangle filled with its colour and outlined with its pen, crossed out
// while its colour is not switched on.
class TSlotColor : public QWidget {
    Q_OBJECT

public:
    using MouseDownHandler = std::function<void(TSlotColor *Sender, Qt::MouseButton Button,
                                                Qt::KeyboardModifiers Shift, int X, int Y)>;

    explicit TSlotColor(QWidget *parent = nullptr);

    bool Enabled = false;   // the slot's colour is switched on (not the widget's enabled state)
    bool Selected = false;  // the slot is the list's selected slot
    bool NoColor = true;    // the slot is empty
    QPoint Center;          // the slot's centre in the container's coordinates
    int Tag = 0;            // the slot's index in its list

    // Places and sizes the slot around its Center.
    void SetSize(int SlotWidth, int SlotHeight);
    // Draws the slot at once rather than at the next repaint.
    void Paint();

    // The fill colour, 0x00BBGGRR; a change repaints the slot.
    std::uint32_t BrushColor() const { return FBrushColor; }
    void SetBrushColor(std::uint32_t rgb);
    // The pen the outline is drawn with; drawing a cross leaves its colour in the pen.
    int PenWidth() const { return FPenWidth; }
    std::uint32_t PenColor() const { return FPenColor; }

    MouseDownHandler OnMouseDown;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    std::uint32_t FBrushColor = zolvik::kSlotWhite;
    int FPenWidth = 1;
    std::uint32_t FPenColor = zolvik::kSlotBlack;
};

class TListColor {
public:
    // SlotNCol and SlotNLine must be at least 1. A spacing of 0 makes neighbours share
    // their outline. When ObjLinked is a scroll area the slots go on its scrolled widget.
    TListColor(QWidget *ObjLinked, TSlotColorFunction CallFunction, std::int32_t SlotTop,
               std::int32_t SlotLeft, std::int32_t SlotWidth, std::int32_t SlotHeight,
               std::int32_t SlotSpacing, std::int32_t SlotNCol, std::int32_t SlotNLine);
    // Removes every slot from the container and releases it.
    ~TListColor();
    TListColor(const TListColor &) = delete;
    TListColor &operator=(const TListColor &) = delete;

    // The mouse-down handler of every slot; any button acts, the position is not used.
    void OnShapeDown(TSlotColor *Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                     int Y);
    // Brings every slot's flags and colour up to date and draws it at once.
    void UpdateSlots();
    // Puts a colour (0x00BBGGRR) into the selected slot unless some slot already shows it.
    void AddColor(std::uint32_t ColorRGB);
    void Clear();
    void DeleteSelected();

    TSlotColor *SelectedSlot() const { return Colors[static_cast<std::size_t>(FSlots.Selected())]; }
    const zolvik::SlotGeometry &Geometry() const { return FGeometry; }

    // The slots, in index order (line by line). The list owns them.
    std::vector<TSlotColor *> Colors;

private:
    QWidget *FObjLinked;  // not owned
    TSlotColorFunction FCallFunction;
    zolvik::SlotGeometry FGeometry;
    zolvik::ColorSlots FSlots;
};
