#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "main/controls.h"

namespace {

using namespace controls;

struct Owner : QObject {
    QObject *sender = nullptr;
    int calls = 0;
    void Handle(QObject *Sender)
    {
        sender = Sender;
        ++calls;
    }
};

TEST(Controls, ColourFromBgrTakesRedFromTheLowByte)
{
    const struct {
        std::uint32_t bgr;
        QColor colour;
    } cases[] = {
        {0x000000, QColor(0, 0, 0)},          {0x0000FF, QColor(255, 0, 0)},
        {0x00FF00, QColor(0, 255, 0)},        {0xFF0000, QColor(0, 0, 255)},
        {0xF0CAA6, QColor(0xA6, 0xCA, 0xF0)}, {0xFF123456, QColor(0x56, 0x34, 0x12)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ColourFromBgr(c.bgr), c.colour) << std::hex << c.bgr;
}

TEST(Controls, MakePlacesOnARectangleOrAtTheNaturalSize)
{
    QWidget parent;
    auto *edit = Make<QLineEdit>(&parent, "edtX", {5, 6, 70, 21}, "12");
    EXPECT_EQ(edit->parentWidget(), &parent);
    EXPECT_EQ(edit->objectName(), "edtX");
    EXPECT_EQ(edit->geometry(), QRect(5, 6, 70, 21));
    EXPECT_EQ(edit->text(), "12");
    auto *label = Make<QLabel>(&parent, {}, {3, 4}, "Caption");
    EXPECT_TRUE(label->objectName().isEmpty());
    EXPECT_EQ(label->geometry(), QRect(QPoint(3, 4), label->sizeHint()));
}

TEST(Controls, HandlersGetTheReportedSender)
{
    QWidget parent;
    Owner owner;
    auto *button = Make<QPushButton>(&parent, "btn", {0, 0, 20, 20}, "Go");
    OnClick(button, &owner, &Owner::Handle);
    button->click();
    EXPECT_EQ(owner.calls, 1);
    EXPECT_EQ(owner.sender, button);

    auto *first = Make<QRadioButton>(&parent, "first", {0, 30});
    auto *second = Make<QRadioButton>(&parent, "second", {0, 50});
    OnTurnedOn(second, &owner, &Owner::Handle, &parent);
    second->setChecked(true);
    EXPECT_EQ(owner.calls, 2);
    EXPECT_EQ(owner.sender, &parent);
    first->setChecked(true);  // turns the second off: no call
    EXPECT_EQ(owner.calls, 2);
}

TEST(Controls, TabChainLeadsEachControlToTheNext)
{
    QWidget parent;
    auto *a = Make<QLineEdit>(&parent, "a", {0, 0, 10, 10});
    auto *b = Make<QLineEdit>(&parent, "b", {0, 20, 10, 10});
    auto *c = Make<QLineEdit>(&parent, "c", {0, 40, 10, 10});
    TabChain({c, b, a});
    const auto next = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus);
        return w;
    };
    EXPECT_EQ(next(c), b);
    EXPECT_EQ(next(b), a);
}

}  // namespace
