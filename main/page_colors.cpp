// "TabSheet3": the trial page of the colour list control.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>

#include <cstdint>

#include "main/controls.h"
#include "main/main.h"
#include "widgets/u_ListColorStatic.h"

namespace {

struct NamedColor {
    const char *name;
    std::uint32_t rgb;  // 0x00BBGGRR
};

// The standard colours, then the four extended ones, as a colour drop-down lists them.
constexpr NamedColor kNamedColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x000080},      {"Green", 0x008000},
    {"Olive", 0x008080}, {"Navy", 0x800000},        {"Purple", 0x800080},
    {"Teal", 0x808000},  {"Gray", 0x808080},        {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},   {"Lime", 0x00FF00},        {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF},     {"Aqua", 0xFFFF00},
    {"White", 0xFFFFFF}, {"Money Green", 0xC0DCC0}, {"Sky Blue", 0xF0CAA6},
    {"Cream", 0xF0FBFF}, {"Medium Gray", 0xA4A0A0},
};

QIcon Swatch(std::uint32_t rgb)
{
    QPixmap swatch(14, 10);
    swatch.fill(ColourFromBgr(rgb));
    return QIcon(swatch);
}

}  // namespace

void TfrmMain::CreateColorsPage(QWidget *page)
{
    using namespace controls;
    Panel6 = Framed(Make<QFrame>(page, "Panel6", {88, 66, 257, 440}), QFrame::Box | QFrame::Plain);
    // Header and scroll box fill the width inside the panel's 1-pixel edge.
    Panel11 =
        Framed(MakeTitleBar(Panel6, "Panel11", "?????????", 1), QFrame::Panel | QFrame::Raised);
    sbxRemoveColor = Make<QScrollArea>(Panel6, "sbxRemoveColor", {1, 29, 255, 300});
    sbxRemoveColor->setWidgetResizable(false);

    btnClearColors = Make<QPushButton>(Panel6, "btnClearColors", {11, 342, 75, 80}, "Limpar");
    btnDelColor = Make<QPushButton>(Panel6, "btnDelColor", {85, 342, 75, 80}, "Excluir");
    ColorBox = Make<QComboBox>(Panel6, "ColorBox", {166, 369, 85, 22});
    for (const NamedColor &colour : kNamedColors)
        ColorBox->addItem(Swatch(colour.rgb), colour.name, QVariant::fromValue(colour.rgb));
    ColorBox->setCurrentIndex(0);
    Button1 = Make<QPushButton>(Panel6, "Button1", {165, 397, 85, 25}, "Button1");

    OnClick(btnClearColors, this, &TfrmMain::btnClearColorsClick);
    OnClick(btnDelColor, this, &TfrmMain::btnDelColorClick);
    OnClick(Button1, this, &TfrmMain::Button1Click);
}

void TfrmMain::Button1Click(QObject *)
{
    HandleErrors([&] {
        if (ColorList && ColorBox->currentIndex() >= 0)
            ColorList->AddColor(ColorBox->currentData().toUInt());
    });
}

void TfrmMain::btnClearColorsClick(QObject *)
{
    HandleErrors([&] {
        if (ColorList)
            ColorList->Clear();
    });
}

void TfrmMain::btnDelColorClick(QObject *)
{
    HandleErrors([&] {
        if (ColorList)
            ColorList->DeleteSelected();
    });
}
