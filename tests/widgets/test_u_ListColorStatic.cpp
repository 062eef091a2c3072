#include "widgets/u_ListColorStatic.h"

#include <QImage>
#include <QScrollArea>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kRed = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0xFF0000;

// A shown container with a list of 10 x 10 slots of 15 pixels, counting callback calls.
class ListColorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        container.resize(300, 300);
        container.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&container));
        list = std::make_unique<TListColor>(
            &container, [this] { ++calls; }, 2, 2, 15, 15, 0, 10, 10);
    }

    TSlotColor *Slot(int index) const { return list->Colors[static_cast<std::size_t>(index)]; }

    // The only selected slot, or -1 when there is not exactly one.
    int SelectedIndex() const
    {
        int found = -1;
        for (TSlotColor *slot : list->Colors) {
            if (!slot->Selected)
                continue;
            if (found >= 0)
                return -1;
            found = slot->Tag;
        }
        return found;
    }

    void ExpectEmpty(int index) const
    {
        EXPECT_TRUE(Slot(index)->NoColor) << index;
        EXPECT_FALSE(Slot(index)->Enabled) << index;
        EXPECT_EQ(Slot(index)->BrushColor(), 0xFFFFFFu) << index;
    }

    void ExpectOn(int index, std::uint32_t rgb) const
    {
        EXPECT_FALSE(Slot(index)->NoColor) << index;
        EXPECT_TRUE(Slot(index)->Enabled) << index;
        EXPECT_EQ(Slot(index)->BrushColor(), rgb) << index;
    }

    QWidget container;
    int calls = 0;
    std::unique_ptr<TListColor> list;
};

TEST_F(ListColorTest, CreatesEmptySlotsLineByLine)
{
    ASSERT_EQ(list->Colors.size(), 100u);
    EXPECT_EQ(container.findChildren<TSlotColor *>().size(), 100);
    for (int index = 0; index < 100; ++index) {
        EXPECT_EQ(Slot(index)->Tag, index);
        EXPECT_EQ(Slot(index)->parentWidget(), &container);
        ExpectEmpty(index);
    }
    EXPECT_EQ(SelectedIndex(), 0);
    EXPECT_EQ(Slot(0)->geometry(), QRect(2, 2, 15, 15));
    EXPECT_EQ(Slot(99)->geometry(), QRect(128, 128, 15, 15));
    // Column 3 of line 0: left edge 2 + 3 x 14, centre 7 further on.
    EXPECT_EQ(Slot(3)->x(), 44);
    EXPECT_EQ(Slot(3)->Center, QPoint(51, 9));
    // Column 2 of line 7 is slot 72.
    EXPECT_EQ(Slot(72)->pos(), QPoint(30, 100));
    EXPECT_EQ(calls, 0);
}

TEST_F(ListColorTest, SpacingAndOddOrEvenWidths)
{
    QWidget other;
    TListColor spaced(&other, {}, 2, 2, 15, 15, 5, 10, 10);
    EXPECT_EQ(spaced.Colors[3]->x(), 62);
    EXPECT_EQ(spaced.Colors[3]->Center, QPoint(69, 9));
    for (int width : {14, 15, 16}) {
        TListColor grid(&other, {}, 4, 3, width, 10, 2, 4, 2);
        EXPECT_EQ(grid.Colors[2]->geometry(), QRect(3 + 2 * (width + 2), 4, width, 10)) << width;
        EXPECT_EQ(grid.Colors[5]->geometry(), QRect(3 + (width + 2), 16, width, 10)) << width;
    }
}

TEST_F(ListColorTest, AddColorFillsSlotBySlotAndRefusesARepeat)
{
    list->AddColor(kRed);
    list->AddColor(kGreen);
    list->AddColor(kBlue);
    ExpectOn(0, kRed);
    ExpectOn(1, kGreen);
    ExpectOn(2, kBlue);
    ExpectEmpty(3);
    EXPECT_EQ(SelectedIndex(), 3);

    list->AddColor(kRed);
    ExpectEmpty(3);
    ExpectOn(0, kRed);
    EXPECT_EQ(SelectedIndex(), 3);
    EXPECT_EQ(calls, 0);
}

TEST_F(ListColorTest, AddColorWrapsFromTheLastSlot)
{
    for (std::uint32_t rgb = 1; rgb <= 99; ++rgb)
        list->AddColor(rgb);
    EXPECT_EQ(SelectedIndex(), 99);
    list->AddColor(kRed);
    ExpectOn(99, kRed);
    EXPECT_EQ(SelectedIndex(), 0);
    // Slot 0 holds colour 1 and is selected: its colour is replaced.
    list->AddColor(kGreen);
    ExpectOn(0, kGreen);
    EXPECT_EQ(SelectedIndex(), 1);
    EXPECT_EQ(calls, 0);
}

TEST_F(ListColorTest, WhiteRefusedWhileASlotIsEmpty)
{
    list->AddColor(0xFFFFFF);
    ExpectEmpty(0);
    EXPECT_EQ(SelectedIndex(), 0);
    list->AddColor(kRed);
    list->Clear();
    list->AddColor(0xFFFFFF);
    ExpectEmpty(0);
    EXPECT_EQ(SelectedIndex(), 0);
}

TEST_F(ListColorTest, DeleteSelectedOnSlotsZeroAndOne)
{
    list->AddColor(kRed);
    list->AddColor(kGreen);
    list->AddColor(kBlue);
    QTest::mouseClick(Slot(1), Qt::LeftButton);
    ASSERT_EQ(calls, 1);
    list->DeleteSelected();
    ExpectEmpty(1);
    EXPECT_EQ(SelectedIndex(), 0);
    list->DeleteSelected();
    ExpectEmpty(0);
    EXPECT_EQ(SelectedIndex(), 99);
    ExpectOn(2, kBlue);
    EXPECT_EQ(calls, 1);
}

TEST_F(ListColorTest, ClearEmptiesAllAndSelectsSlotZero)
{
    for (std::uint32_t rgb = 1; rgb <= 30; ++rgb)
        list->AddColor(rgb);
    QTest::mouseClick(Slot(57), Qt::LeftButton);
    list->Clear();
    for (int index = 0; index < 100; ++index)
        ExpectEmpty(index);
    EXPECT_EQ(SelectedIndex(), 0);
    EXPECT_EQ(calls, 1);
}

TEST_F(ListColorTest, MouseClickSelectsTogglesAndCallsBack)
{
    int seenSelected = -1;
    bool seenEnabled = true;
    list = std::make_unique<TListColor>(
        &container,
        [&] {
            ++calls;
            // The callback sees the click already applied.
            seenSelected = SelectedIndex();
            seenEnabled = Slot(0)->Enabled;
        },
        2, 2, 15, 15, 0, 10, 10);
    list->AddColor(kRed);

    // An empty slot only becomes selected.
    QTest::mouseClick(Slot(42), Qt::LeftButton, Qt::NoModifier, QPoint(7, 7));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(seenSelected, 42);
    ExpectEmpty(42);

    // A slot with a colour is selected and switched off, then on again; any button acts.
    QTest::mouseClick(Slot(0), Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seenSelected, 0);
    EXPECT_FALSE(seenEnabled);
    EXPECT_FALSE(Slot(0)->Enabled);
    EXPECT_FALSE(Slot(0)->NoColor);
    EXPECT_EQ(Slot(0)->BrushColor(), kRed);
    QTest::mouseClick(Slot(0), Qt::RightButton, Qt::ShiftModifier, QPoint(14, 14));
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(seenEnabled);
    ExpectOn(0, kRed);

    // The slot under the container's point (23, 23) is slot 11, at (16, 16).
    QTest::mouseClick(container.childAt(23, 23), Qt::LeftButton);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(seenSelected, 11);
}

TEST_F(ListColorTest, DestroyRemovesEverySlotFromTheContainer)
{
    list.reset();
    EXPECT_TRUE(container.findChildren<TSlotColor *>().isEmpty());
}

TEST_F(ListColorTest, ScrollAreaHoldsTheSlotsOnItsScrolledWidget)
{
    QScrollArea area;
    area.resize(80, 80);
    TListColor onArea(&area, {}, 2, 2, 15, 15, 0, 10, 10);
    ASSERT_NE(area.widget(), nullptr);
    EXPECT_EQ(onArea.Colors[0]->parentWidget(), area.widget());
    EXPECT_EQ(onArea.Colors[99]->geometry(), QRect(128, 128, 15, 15));
    EXPECT_GE(area.widget()->width(), 143);
    EXPECT_GE(area.widget()->height(), 143);
}

// ---- drawing ------------------------------------------------------------------------------

QColor PixelOf(TSlotColor *slot, int x, int y)
{
    QApplication::processEvents();
    return slot->grab().toImage().pixelColor(x, y);
}

TEST_F(ListColorTest, EmptySlotsShowABlackCrossAndOutline)
{
    TSlotColor *plain = Slot(5);
    EXPECT_EQ(plain->PenWidth(), 1);
    EXPECT_EQ(PixelOf(plain, 0, 7), QColor(Qt::black));  // outline
    EXPECT_EQ(PixelOf(plain, 1, 7), QColor(Qt::white));  // fill inside a 1-pixel outline
    EXPECT_EQ(PixelOf(plain, 7, 7), QColor(Qt::black));  // the cross meets at the centre
    EXPECT_EQ(PixelOf(plain, 7, 2), QColor(Qt::white));
    EXPECT_EQ(PixelOf(plain, 3, 3), QColor(Qt::black));   // on the diagonal
    EXPECT_EQ(PixelOf(plain, 12, 3), QColor(Qt::black));  // on the other diagonal

    TSlotColor *selected = Slot(0);
    EXPECT_EQ(PixelOf(selected, 1, 7), QColor(Qt::black));  // 2-pixel outline
    EXPECT_EQ(PixelOf(selected, 13, 7), QColor(Qt::black));
    EXPECT_EQ(PixelOf(selected, 7, 2), QColor(Qt::white));
    EXPECT_EQ(selected->PenWidth(), 2);
}

TEST_F(ListColorTest, ColourOnHasNoCrossAndOffCrossesInTheInverse)
{
    list->AddColor(kRed);
    TSlotColor *slot = Slot(0);
    const QColor red(255, 0, 0);
    const QColor cyan(0, 255, 255);
    EXPECT_EQ(PixelOf(slot, 7, 7), red);
    EXPECT_EQ(PixelOf(slot, 3, 3), red);
    EXPECT_EQ(PixelOf(slot, 0, 7), QColor(Qt::black));
    EXPECT_EQ(PixelOf(slot, 1, 7), red);  // not selected any more: 1-pixel outline

    QTest::mouseClick(slot, Qt::LeftButton);  // off, and selected
    EXPECT_EQ(PixelOf(slot, 7, 7), cyan);
    EXPECT_EQ(PixelOf(slot, 7, 2), red);
    EXPECT_EQ(slot->PenColor(), 0xFFFF00u);
    EXPECT_EQ(PixelOf(slot, 0, 7), cyan);  // the outline follows the pen
    EXPECT_EQ(PixelOf(slot, 1, 7), cyan);

    QTest::mouseClick(slot, Qt::LeftButton);  // on again: the pen keeps its colour
    EXPECT_EQ(PixelOf(slot, 7, 7), red);
    EXPECT_EQ(PixelOf(slot, 0, 7), cyan);
}

}  // namespace
