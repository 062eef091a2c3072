#include "tools/color_slots.h"

#include <algorithm>

#include "common/errors.h"

namespace zolvik {

SlotGeometry SlotGeometry::Make(std::int32_t top, std::int32_t left, std::int32_t width,
                                std::int32_t height, std::int32_t spacing, std::int32_t nCol,
                                std::int32_t nLine)
{
    SlotGeometry geometry;
    geometry.Top = top;
    geometry.Left = left;
    geometry.Width = width;
    geometry.Height = height;
    geometry.Spacing = spacing != 0 ? spacing : -1;
    geometry.NCol = nCol;
    geometry.NLine = nLine;
    return geometry;
}

SlotPoint SlotGeometry::Center(std::int32_t index) const
{
    const std::int32_t col = index % NCol;
    const std::int32_t line = index / NCol;
    return {col * (Width + Spacing) + Left + Width / 2,
            line * (Height + Spacing) + Top + Height / 2};
}

SlotRect SlotGeometry::Bounds(std::int32_t index) const
{
    return SlotAround(Center(index), Width, Height);
}

SlotRect SlotAround(SlotPoint center, std::int32_t width, std::int32_t height)
{
    return {center.X - width / 2, center.Y - height / 2, width, height};
}

ColorSlots::ColorSlots(std::int32_t count)
{
    if (count < 1)
        throw Error("A colour list needs at least one slot");
    FSlots.resize(static_cast<std::size_t>(count));
}

void ColorSlots::Click(std::int32_t index)
{
    SlotState &slot = FSlots.at(static_cast<std::size_t>(index));
    FSelected = index;
    if (!slot.NoColor)
        slot.Enabled = !slot.Enabled;
}

bool ColorSlots::AddColor(std::uint32_t rgb)
{
    const bool shown = std::any_of(FSlots.begin(), FSlots.end(),
                                   [rgb](const SlotState &slot) { return slot.Color == rgb; });
    if (shown)
        return false;
    FSlots[static_cast<std::size_t>(FSelected)] = {true, false, rgb};
    FSelected = FSelected + 1 > Count() - 1 ? 0 : FSelected + 1;
    return true;
}

void ColorSlots::Clear()
{
    std::fill(FSlots.begin(), FSlots.end(), SlotState{});
    FSelected = 0;
}

void ColorSlots::DeleteSelected()
{
    FSlots[static_cast<std::size_t>(FSelected)] = SlotState{};
    FSelected = FSelected == 0 ? Count() - 1 : FSelected - 1;
}

SlotDrawing PlanSlotDrawing(bool selected, bool enabled, std::uint32_t fill, std::uint32_t penColor)
{
    SlotDrawing drawing;
    drawing.PenWidth = selected ? 2 : 1;
    drawing.OutlineColor = penColor;
    drawing.Cross = !enabled;
    drawing.CrossColor = InverseColor(fill);
    drawing.PenColorAfter = enabled ? penColor : drawing.CrossColor;
    return drawing;
}

}  // namespace zolvik
