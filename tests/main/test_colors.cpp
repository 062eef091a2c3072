#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include "tests/support/window_fixture.h"
#include "widgets/u_ListColorStatic.h"

namespace {

using ColorListPage = zolvik_test::WindowTest;

int SelectedSlot(const TListColor &list)
{
    int found = -1;
    for (TSlotColor *slot : list.Colors) {
        if (slot->Selected) {
            if (found >= 0)
                return -1;
            found = slot->Tag;
        }
    }
    return found;
}

void ChooseColour(QComboBox *box, const char *name)
{
    const int index = box->findText(name);
    ASSERT_GE(index, 0) << name;
    box->setCurrentIndex(index);
}

TEST_F(ColorListPage, ControlsInPlaceWithTheirTexts)
{
    TfrmMain &frm = Open();
    EXPECT_EQ(frm.PageControl->tabText(frm.PageControl->indexOf(frm.TabSheet3)), "TabSheet3");
    auto *panel = Find<QFrame>("Panel6");
    EXPECT_EQ(panel->parentWidget(), frm.TabSheet3);
    EXPECT_EQ(panel->geometry(), QRect(88, 66, 257, 440));

    auto *header = Find<QLabel>("Panel11");
    EXPECT_EQ(header->text(), "?????????");
    EXPECT_EQ(header->parentWidget(), panel);
    EXPECT_EQ(header->height(), 28);
    EXPECT_EQ(header->y(), panel->contentsRect().top());
    EXPECT_EQ(header->width(), panel->contentsRect().width());
    EXPECT_TRUE(header->font().bold());
    EXPECT_EQ(header->font().pixelSize(), 15);
    EXPECT_EQ(header->font().family(), "Tahoma");

    auto *box = Find<QScrollArea>("sbxRemoveColor");
    EXPECT_EQ(box->geometry(), QRect(header->x(), header->y() + 28, header->width(), 300));

    auto *clear = Find<QPushButton>("btnClearColors");
    EXPECT_EQ(clear->text(), "Limpar");
    EXPECT_EQ(clear->geometry(), QRect(11, 342, 75, 80));
    auto *del = Find<QPushButton>("btnDelColor");
    EXPECT_EQ(del->text(), "Excluir");
    EXPECT_EQ(del->geometry(), QRect(85, 342, 75, 80));
    auto *colours = Find<QComboBox>("ColorBox");
    EXPECT_EQ(colours->geometry(), QRect(166, 369, 85, 22));
    EXPECT_EQ(colours->currentText(), "Black");
    EXPECT_EQ(colours->count(), 20);
    auto *add = Find<QPushButton>("Button1");
    EXPECT_EQ(add->text(), "Button1");
    EXPECT_EQ(add->geometry(), QRect(165, 397, 85, 25));
}

TEST_F(ColorListPage, StartUpMakesOneHundredSlotsOnTheScrollBox)
{
    TfrmMain &frm = Open();
    ASSERT_NE(frm.ColorList, nullptr);
    const TListColor &list = *frm.ColorList;
    ASSERT_EQ(list.Colors.size(), 100u);
    QWidget *client = frm.sbxRemoveColor->widget();
    ASSERT_NE(client, nullptr);
    EXPECT_EQ(client->findChildren<TSlotColor *>().size(), 100);
    EXPECT_EQ(list.Colors[0]->geometry(), QRect(2, 2, 15, 15));
    EXPECT_EQ(list.Colors[1]->geometry(), QRect(16, 2, 15, 15));
    EXPECT_EQ(list.Colors[10]->geometry(), QRect(2, 16, 15, 15));
    EXPECT_EQ(list.Colors[99]->geometry(), QRect(128, 128, 15, 15));
    EXPECT_EQ(SelectedSlot(list), 0);
    for (TSlotColor *slot : list.Colors)
        EXPECT_TRUE(slot->NoColor && !slot->Enabled && slot->BrushColor() == 0xFFFFFFu)
            << slot->Tag;
}

TEST_F(ColorListPage, ButtonsAddDeleteAndClear)
{
    TfrmMain &frm = Open();
    frm.show();
    frm.PageControl->setCurrentWidget(frm.TabSheet3);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frm));
    const TListColor &list = *frm.ColorList;
    auto *colours = Find<QComboBox>("ColorBox");

    for (const char *name : {"Red", "Lime", "Blue", "Red"}) {
        ChooseColour(colours, name);
        QTest::mouseClick(frm.Button1, Qt::LeftButton);
    }
    EXPECT_EQ(list.Colors[0]->BrushColor(), 0x0000FFu);
    EXPECT_EQ(list.Colors[1]->BrushColor(), 0x00FF00u);
    EXPECT_EQ(list.Colors[2]->BrushColor(), 0xFF0000u);
    EXPECT_TRUE(list.Colors[3]->NoColor);
    EXPECT_EQ(SelectedSlot(list), 3);

    ChooseColour(colours, "White");
    QTest::mouseClick(frm.Button1, Qt::LeftButton);
    EXPECT_TRUE(list.Colors[3]->NoColor);

    // A real click on slot 1 selects it and switches its colour off.
    QTest::mouseClick(list.Colors[1], Qt::LeftButton);
    EXPECT_EQ(SelectedSlot(list), 1);
    EXPECT_FALSE(list.Colors[1]->Enabled);
    EXPECT_FALSE(list.Colors[1]->NoColor);

    QTest::mouseClick(frm.btnDelColor, Qt::LeftButton);
    EXPECT_TRUE(list.Colors[1]->NoColor);
    EXPECT_EQ(SelectedSlot(list), 0);
    QTest::mouseClick(frm.btnDelColor, Qt::LeftButton);
    EXPECT_TRUE(list.Colors[0]->NoColor);
    EXPECT_EQ(SelectedSlot(list), 99);
    EXPECT_FALSE(list.Colors[2]->NoColor);

    QTest::mouseClick(frm.btnClearColors, Qt::LeftButton);
    for (TSlotColor *slot : list.Colors)
        EXPECT_TRUE(slot->NoColor) << slot->Tag;
    EXPECT_EQ(SelectedSlot(list), 0);
}

}  // namespace
