#include "widgets/u_ListColorStatic.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>

#include "widgets/bgr_colour.h"

namespace {

// The widget the slots are placed on: a scroll area's scrolled widget, else the control itself.
QWidget *SlotParent(QWidget *container)
{
    auto *scrollArea = qobject_cast<QScrollArea *>(container);
    if (!scrollArea)
        return container;
    if (!scrollArea->widget()) {
        auto *client = new QWidget;
        client->resize(scrollArea->viewport()->size());
        scrollArea->setWidget(client);
    }
    return scrollArea->widget();
}

}  // namespace

// ---- TSlotColor ---------------------------------------------------------------------------

TSlotColor::TSlotColor(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSlotColor::SetSize(int SlotWidth, int SlotHeight)
{
    const zolvik::SlotRect rect =
        zolvik::SlotAround({Center.x(), Center.y()}, SlotWidth, SlotHeight);
    move(rect.Left, rect.Top);
    resize(rect.Width, rect.Height);
}

void TSlotColor::Paint()
{
    repaint();
}

void TSlotColor::SetBrushColor(std::uint32_t rgb)
{
    if (rgb == FBrushColor)
        return;
    FBrushColor = rgb;
    update();
}

void TSlotColor::paintEvent(QPaintEvent *)
{
    const zolvik::SlotDrawing drawing =
        zolvik::PlanSlotDrawing(Selected, Enabled, FBrushColor, FPenColor);
    QPainter painter(this);
    const int w = drawing.PenWidth;
    painter.setPen(
        QPen(ColourFromBgr(drawing.OutlineColor), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(ColourFromBgr(FBrushColor));
    // The outline lies inside the slot: its rectangle is inset by half the pen width.
    painter.drawRect(QRectF(w / 2.0, w / 2.0, width() - w, height() - w));
    if (drawing.Cross) {
        painter.setPen(QPen(ColourFromBgr(drawing.CrossColor), w));
        painter.drawLine(0, 0, width(), height());
        painter.drawLine(width(), 0, 0, height());
    }
    // The pen keeps what this drawing left in it; a changed pen repaints the slot once more,
    // so an outline always ends up in the pen's latest colour.
    const bool penChanged = FPenWidth != w || FPenColor != drawing.PenColorAfter;
    FPenWidth = w;
    FPenColor = drawing.PenColorAfter;
    if (penChanged)
        update();
}

void TSlotColor::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    if (OnMouseDown) {
        const QPoint at = event->position().toPoint();
        OnMouseDown(this, event->button(), event->modifiers(), at.x(), at.y());
    }
}

// ---- TListColor ---------------------------------------------------------------------------

TListColor::TListColor(QWidget *ObjLinked, TSlotColorFunction CallFunction, std::int32_t SlotTop,
                       std::int32_t SlotLeft, std::int32_t SlotWidth, std::int32_t SlotHeight,
                       std::int32_t SlotSpacing, std::int32_t SlotNCol, std::int32_t SlotNLine)
    : FObjLinked(ObjLinked), FCallFunction(std::move(CallFunction)),
      FGeometry(zolvik::SlotGeometry::Make(SlotTop, SlotLeft, SlotWidth, SlotHeight, SlotSpacing,
                                           SlotNCol, SlotNLine)),
      FSlots(SlotNCol >= 1 && SlotNLine >= 1 ? FGeometry.Count() : 0)
{
    QWidget *parent = SlotParent(FObjLinked);
    Colors.resize(static_cast<std::size_t>(FSlots.Count()));
    QRect covered;
    for (std::int32_t line = 0; line < FGeometry.NLine; ++line) {
        for (std::int32_t col = 0; col < FGeometry.NCol; ++col) {
            const std::int32_t index = FGeometry.IndexOf(col, line);
            auto *slot = new TSlotColor;
            slot->Tag = index;
            const zolvik::SlotPoint center = FGeometry.Center(index);
            slot->Center = QPoint(center.X, center.Y);
            slot->SetSize(FGeometry.Width, FGeometry.Height);
            slot->Enabled = false;
            slot->NoColor = true;
            slot->SetBrushColor(zolvik::kSlotWhite);
            slot->OnMouseDown = [this](TSlotColor *sender, Qt::MouseButton button,
                                       Qt::KeyboardModifiers shift, int x,
                                       int y) { OnShapeDown(sender, button, shift, x, y); };
            slot->setParent(parent);
            slot->show();
            covered |= slot->geometry();
            Colors[static_cast<std::size_t>(index)] = slot;
        }
    }
    // A scrolled widget grows to hold every slot, so that the scroll bars reach them all.
    if (parent != FObjLinked && covered.isValid())
        parent->resize(std::max(parent->width(), covered.right() + 1),
                       std::max(parent->height(), covered.bottom() + 1));
    UpdateSlots();
}

TListColor::~TListColor()
{
    for (TSlotColor *slot : Colors)
        delete slot;
}

void TListColor::OnShapeDown(TSlotColor *Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int)
{
    FSlots.Click(Sender->Tag);
    UpdateSlots();
    if (FCallFunction)
        FCallFunction();
}

void TListColor::UpdateSlots()
{
    for (std::int32_t index = 0; index < FSlots.Count(); ++index) {
        TSlotColor *slot = Colors[static_cast<std::size_t>(index)];
        const zolvik::SlotState &state = FSlots.Slot(index);
        slot->Enabled = state.Enabled;
        slot->NoColor = state.NoColor;
        slot->SetBrushColor(state.Color);
        slot->Selected = index == FSlots.Selected();
        slot->Paint();
    }
}

void TListColor::AddColor(std::uint32_t ColorRGB)
{
    if (FSlots.AddColor(ColorRGB))
        UpdateSlots();
}

void TListColor::Clear()
{
    FSlots.Clear();
    UpdateSlots();
}

void TListColor::DeleteSelected()
{
    FSlots.DeleteSelected();
    UpdateSlots();
}
