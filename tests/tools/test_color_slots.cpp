#include "tools/color_slots.h"

#include <gtest/gtest.h>

#include "common/errors.h"

namespace zolvik {
namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;

const SlotState kEmpty{false, true, kSlotWhite};

SlotState On(std::uint32_t rgb)
{
    return {true, false, rgb};
}
SlotState Off(std::uint32_t rgb)
{
    return {false, false, rgb};
}

TEST(SlotGeometry, ZeroSpacingIsStoredAsMinusOne)
{
    EXPECT_EQ(SlotGeometry::Make(2, 2, 15, 15, 0, 10, 10).Spacing, -1);
    EXPECT_EQ(SlotGeometry::Make(2, 2, 15, 15, 5, 10, 10).Spacing, 5);
    EXPECT_EQ(SlotGeometry::Make(2, 2, 15, 15, -3, 10, 10).Spacing, -3);
}

TEST(SlotGeometry, ColumnThreeEdgesAndCentre)
{
    const SlotGeometry touching = SlotGeometry::Make(2, 2, 15, 15, 0, 10, 10);
    const std::int32_t col3 = touching.IndexOf(3, 0);
    EXPECT_EQ(col3, 3);
    EXPECT_EQ(touching.Center(col3), (SlotPoint{51, 9}));
    EXPECT_EQ(touching.Bounds(col3), (SlotRect{44, 2, 15, 15}));

    const SlotGeometry spaced = SlotGeometry::Make(2, 2, 15, 15, 5, 10, 10);
    EXPECT_EQ(spaced.Bounds(3).Left, 62);
    EXPECT_EQ(spaced.Center(3).X, 69);
}

TEST(SlotGeometry, TrialPageGridOfOneHundredSlots)
{
    const SlotGeometry grid = SlotGeometry::Make(2, 2, 15, 15, 0, 10, 10);
    EXPECT_EQ(grid.Count(), 100);
    EXPECT_EQ(grid.Bounds(0), (SlotRect{2, 2, 15, 15}));
    EXPECT_EQ(grid.Bounds(99), (SlotRect{128, 128, 15, 15}));
    // Index runs along a line first: the slot in column 2, line 7 is number 72.
    EXPECT_EQ(grid.IndexOf(2, 7), 72);
    EXPECT_EQ(grid.Bounds(72), (SlotRect{2 + 2 * 14, 2 + 7 * 14, 15, 15}));
}

TEST(SlotGeometry, OddAndEvenSizesKeepTheLeftEdge)
{
    for (std::int32_t width : {14, 15, 16, 1, 2}) {
        const SlotGeometry grid = SlotGeometry::Make(7, 3, width, width + 1, 4, 5, 2);
        for (std::int32_t index = 0; index < grid.Count(); ++index) {
            const std::int32_t col = index % 5;
            const std::int32_t line = index / 5;
            EXPECT_EQ(grid.Bounds(index), (SlotRect{3 + col * (width + 4),
                                                    7 + line * (width + 1 + 4), width, width + 1}))
                << "width " << width << " index " << index;
        }
    }
}

TEST(SlotAround, HalvesTruncateTowardsZero)
{
    EXPECT_EQ(SlotAround({51, 9}, 15, 15), (SlotRect{44, 2, 15, 15}));
    EXPECT_EQ(SlotAround({10, 10}, 4, 5), (SlotRect{8, 8, 4, 5}));
    EXPECT_EQ(SlotAround({0, 0}, 3, 3), (SlotRect{-1, -1, 3, 3}));
}

TEST(ColorSlots, StartsEmptyWithSlotZeroSelected)
{
    const ColorSlots slots(100);
    EXPECT_EQ(slots.Count(), 100);
    EXPECT_EQ(slots.Selected(), 0);
    for (std::int32_t i = 0; i < slots.Count(); ++i)
        EXPECT_EQ(slots.Slot(i), kEmpty) << i;
}

TEST(ColorSlots, RefusesAListWithoutSlots)
{
    EXPECT_THROW(ColorSlots(0), Error);
    EXPECT_THROW(ColorSlots(-4), Error);
    EXPECT_EQ(ColorSlots(1).Count(), 1);
}

TEST(ColorSlots, AddColorFillsSlotBySlotAndRefusesAColourShown)
{
    ColorSlots slots(100);
    EXPECT_TRUE(slots.AddColor(kRed));
    EXPECT_TRUE(slots.AddColor(kGreen));
    EXPECT_TRUE(slots.AddColor(kBlue));
    EXPECT_EQ(slots.Slot(0), On(kRed));
    EXPECT_EQ(slots.Slot(1), On(kGreen));
    EXPECT_EQ(slots.Slot(2), On(kBlue));
    EXPECT_EQ(slots.Slot(3), kEmpty);
    EXPECT_EQ(slots.Selected(), 3);

    EXPECT_FALSE(slots.AddColor(kRed));
    EXPECT_EQ(slots.Selected(), 3);
    EXPECT_EQ(slots.Slot(3), kEmpty);
    EXPECT_EQ(slots.Slot(0), On(kRed));

    // A colour switched off still counts as shown.
    slots.Click(1);
    EXPECT_EQ(slots.Slot(1), Off(kGreen));
    EXPECT_FALSE(slots.AddColor(kGreen));
    EXPECT_EQ(slots.Selected(), 1);
}

TEST(ColorSlots, AddColorOnTheLastSlotWrapsToSlotZero)
{
    ColorSlots slots(4);
    for (std::uint32_t rgb : {0x10u, 0x20u, 0x30u})
        ASSERT_TRUE(slots.AddColor(rgb));
    EXPECT_EQ(slots.Selected(), 3);
    EXPECT_TRUE(slots.AddColor(0x40));
    EXPECT_EQ(slots.Slot(3), On(0x40));
    EXPECT_EQ(slots.Selected(), 0);
    // Round again: slot 0 holds a colour and is selected, so its colour is replaced.
    EXPECT_TRUE(slots.AddColor(0x50));
    EXPECT_EQ(slots.Slot(0), On(0x50));
    EXPECT_EQ(slots.Selected(), 1);

    ColorSlots single(1);
    EXPECT_TRUE(single.AddColor(kRed));
    EXPECT_EQ(single.Selected(), 0);
    EXPECT_TRUE(single.AddColor(kGreen));
    EXPECT_EQ(single.Slot(0), On(kGreen));
}

TEST(ColorSlots, AddColorReplacesTheSelectedSlotsColour)
{
    ColorSlots slots(10);
    for (std::uint32_t rgb = 1; rgb <= 6; ++rgb)
        ASSERT_TRUE(slots.AddColor(rgb));
    slots.Click(5);  // selects slot 5 and switches it off
    EXPECT_EQ(slots.Slot(5), Off(6));
    EXPECT_TRUE(slots.AddColor(kBlue));
    EXPECT_EQ(slots.Slot(5), On(kBlue));
    EXPECT_EQ(slots.Selected(), 6);
}

TEST(ColorSlots, WhiteRefusedWhileASlotIsEmpty)
{
    ColorSlots slots(3);
    EXPECT_FALSE(slots.AddColor(kSlotWhite));
    EXPECT_EQ(slots.Selected(), 0);
    EXPECT_EQ(slots.Slot(0), kEmpty);

    ASSERT_TRUE(slots.AddColor(kRed));
    ASSERT_TRUE(slots.AddColor(kGreen));
    EXPECT_FALSE(slots.AddColor(kSlotWhite));
    ASSERT_TRUE(slots.AddColor(kBlue));
    // No slot empty any more: white is a colour like any other.
    EXPECT_TRUE(slots.AddColor(kSlotWhite));
    EXPECT_EQ(slots.Slot(0), On(kSlotWhite));

    slots.Clear();
    EXPECT_FALSE(slots.AddColor(kSlotWhite));
}

TEST(ColorSlots, ClickSelectsAndTogglesOnlyAColouredSlot)
{
    ColorSlots slots(10);
    ASSERT_TRUE(slots.AddColor(kRed));
    slots.Click(7);
    EXPECT_EQ(slots.Selected(), 7);
    EXPECT_EQ(slots.Slot(7), kEmpty);

    slots.Click(0);
    EXPECT_EQ(slots.Selected(), 0);
    EXPECT_EQ(slots.Slot(0), Off(kRed));
    slots.Click(0);
    EXPECT_EQ(slots.Slot(0), On(kRed));
    EXPECT_THROW(slots.Click(10), std::out_of_range);
}

TEST(ColorSlots, DeleteSelectedEmptiesAndStepsBack)
{
    ColorSlots slots(100);
    ASSERT_TRUE(slots.AddColor(kRed));
    ASSERT_TRUE(slots.AddColor(kGreen));
    ASSERT_TRUE(slots.AddColor(kBlue));

    slots.Click(1);
    slots.DeleteSelected();
    EXPECT_EQ(slots.Slot(1), kEmpty);
    EXPECT_EQ(slots.Selected(), 0);
    EXPECT_EQ(slots.Slot(0), On(kRed));

    slots.DeleteSelected();
    EXPECT_EQ(slots.Slot(0), kEmpty);
    EXPECT_EQ(slots.Selected(), 99);
    EXPECT_EQ(slots.Slot(2), On(kBlue));

    // Once deleted, the colour may be added again.
    EXPECT_TRUE(slots.AddColor(kRed));
    EXPECT_EQ(slots.Slot(99), On(kRed));
    EXPECT_EQ(slots.Selected(), 0);
}

TEST(ColorSlots, ClearEmptiesEverySlotAndSelectsSlotZero)
{
    ColorSlots slots(100);
    for (std::uint32_t rgb = 1; rgb <= 40; ++rgb)
        ASSERT_TRUE(slots.AddColor(rgb));
    slots.Click(17);
    slots.Clear();
    EXPECT_EQ(slots.Selected(), 0);
    for (std::int32_t i = 0; i < slots.Count(); ++i)
        EXPECT_EQ(slots.Slot(i), kEmpty) << i;
}

TEST(PlanSlotDrawing, OutlineWidthCrossAndPenColour)
{
    // An empty slot after creation: black outline, black cross.
    EXPECT_EQ(PlanSlotDrawing(false, false, kSlotWhite, kSlotBlack),
              (SlotDrawing{1, kSlotBlack, true, kSlotBlack, kSlotBlack}));
    // Selected: the outline is 2 pixels wide.
    EXPECT_EQ(PlanSlotDrawing(true, false, kSlotWhite, kSlotBlack).PenWidth, 2);
    // On: no cross, and the pen keeps whatever colour it had.
    EXPECT_EQ(PlanSlotDrawing(false, true, kRed, kSlotBlack),
              (SlotDrawing{1, kSlotBlack, false, 0xFFFF00, kSlotBlack}));
    // Off: the cross in the inverse of the fill, and the pen keeps that colour.
    EXPECT_EQ(PlanSlotDrawing(true, false, kRed, kSlotBlack),
              (SlotDrawing{2, kSlotBlack, true, 0xFFFF00, 0xFFFF00}));
    // Switched on again, its outline stays in the colour its last cross left in the pen.
    EXPECT_EQ(PlanSlotDrawing(false, true, kRed, 0xFFFF00),
              (SlotDrawing{1, 0xFFFF00, false, 0xFFFF00, 0xFFFF00}));
}

TEST(InverseColor, StaysWithinTwentyFourBits)
{
    EXPECT_EQ(InverseColor(kSlotWhite), kSlotBlack);
    EXPECT_EQ(InverseColor(kSlotBlack), kSlotWhite);
    EXPECT_EQ(InverseColor(0x123456), 0xEDCBA9u);
}

}  // namespace
}  // namespace zolvik
