#pragma once
// The colour list's rules without any drawing: where its slots lie, which slot is selected
// and what each slot holds, and how a slot is to be drawn. Colours are 0x00BBGGRR values.
#include <cstdint>
#include <vector>

namespace zolvik {

inline constexpr std::uint32_t kSlotWhite = 0xFFFFFF;
inline constexpr std::uint32_t kSlotBlack = 0x000000;

struct SlotPoint {
    std::int32_t X = 0;
    std::int32_t Y = 0;
    bool operator==(const SlotPoint &) const = default;
};

struct SlotRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool operator==(const SlotRect &) const = default;
};

// The slots' places: a grid of NCol x NLine slots, the first with its top-left corner at
// (Left, Top), neighbours Width + Spacing (Height + Spacing) apart.
struct SlotGeometry {
    std::int32_t Top = 0;
    std::int32_t Left = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t Spacing = 0;  // as stored: a spacing of 0 is kept as -1
    std::int32_t NCol = 1;
    std::int32_t NLine = 1;

    // Spacing 0 becomes -1 so that neighbours overlap by one pixel and share their outline.
    static SlotGeometry Make(std::int32_t top, std::int32_t left, std::int32_t width,
                             std::int32_t height, std::int32_t spacing, std::int32_t nCol,
                             std::int32_t nLine);

    std::int32_t Count() const { return NCol * NLine; }
    // The slot in column col and line line has index line * NCol + col.
    std::int32_t IndexOf(std::int32_t col, std::int32_t line) const { return line * NCol + col; }
    SlotPoint Center(std::int32_t index) const;
    SlotRect Bounds(std::int32_t index) const;
};

// The rectangle of a slot placed around its centre; the half taken off is the same half
// (truncated towards zero) that the centre added, so odd and even sizes keep the left edge.
SlotRect SlotAround(SlotPoint center, std::int32_t width, std::int32_t height);

// What one slot holds. Empty: NoColor, not Enabled, white. On: a colour, Enabled.
// Off: a colour, not Enabled.
struct SlotState {
    bool Enabled = false;
    bool NoColor = true;
    std::uint32_t Color = kSlotWhite;
    bool operator==(const SlotState &) const = default;
};

// The selection and colour rules of a fixed number of slots; exactly one slot is selected.
class ColorSlots {
public:
    // count must be at least 1. All slots start empty with slot 0 selected.
    explicit ColorSlots(std::int32_t count);

    std::int32_t Count() const { return static_cast<std::int32_t>(FSlots.size()); }
    const SlotState &Slot(std::int32_t index) const
    {
        return FSlots.at(static_cast<std::size_t>(index));
    }
    std::int32_t Selected() const { return FSelected; }

    // A click on a slot selects it and, unless it is empty, switches its colour on or off.
    void Click(std::int32_t index);
    // Puts the colour into the selected slot and selects the next one, round to slot 0.
    // Refused (false, nothing changes) when any slot, an empty one included, already shows
    // that colour: white is thus refused while a slot is empty.
    bool AddColor(std::uint32_t rgb);
    // Empties every slot and selects slot 0.
    void Clear();
    // Empties the selected slot and selects the previous one, round to the last slot.
    void DeleteSelected();

private:
    std::vector<SlotState> FSlots;
    std::int32_t FSelected = 0;
};

// The inverse of a colour within 24 bits.
constexpr std::uint32_t InverseColor(std::uint32_t rgb)
{
    return ~rgb & 0xFFFFFFu;
}

// How a slot is drawn, given its flags, its fill and the colour its pen holds now: the outline
// is drawn in the pen's colour, 2 pixels wide when selected; a slot whose colour is not on
// gets a cross in the inverse of its fill, and the pen keeps that colour afterwards.
struct SlotDrawing {
    std::int32_t PenWidth = 1;
    std::uint32_t OutlineColor = kSlotBlack;
    bool Cross = false;
    std::uint32_t CrossColor = kSlotBlack;
    std::uint32_t PenColorAfter = kSlotBlack;
    bool operator==(const SlotDrawing &) const = default;
};

SlotDrawing PlanSlotDrawing(bool selected, bool enabled, std::uint32_t fill,
                            std::uint32_t penColor);

}  // namespace zolvik
