// "Convert Bin to Hex": a 32-bit register as 32 bit boxes, with nibble, byte, word and
// double-word read-outs, and four byte entry fields. Drawn like a register: the most
// significant part on the left.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "main/controls.h"
#include "main/main.h"
#include "tools/register_bits.h"

namespace {

using BoxMember = QCheckBox *TfrmMain::*;
using EditMember = QLineEdit *TfrmMain::*;

constexpr BoxMember kBitBoxes[32] = {
    &TfrmMain::cbx0,  &TfrmMain::cbx1,  &TfrmMain::cbx2,  &TfrmMain::cbx3,  &TfrmMain::cbx4,
    &TfrmMain::cbx5,  &TfrmMain::cbx6,  &TfrmMain::cbx7,  &TfrmMain::cbx8,  &TfrmMain::cbx9,
    &TfrmMain::cbx10, &TfrmMain::cbx11, &TfrmMain::cbx12, &TfrmMain::cbx13, &TfrmMain::cbx14,
    &TfrmMain::cbx15, &TfrmMain::cbx16, &TfrmMain::cbx17, &TfrmMain::cbx18, &TfrmMain::cbx19,
    &TfrmMain::cbx20, &TfrmMain::cbx21, &TfrmMain::cbx22, &TfrmMain::cbx23, &TfrmMain::cbx24,
    &TfrmMain::cbx25, &TfrmMain::cbx26, &TfrmMain::cbx27, &TfrmMain::cbx28, &TfrmMain::cbx29,
    &TfrmMain::cbx30, &TfrmMain::cbx31};
constexpr EditMember kLowNibbles[4] = {&TfrmMain::edt_bl0, &TfrmMain::edt_bl1, &TfrmMain::edt_bl2,
                                       &TfrmMain::edt_bl3};
constexpr EditMember kHighNibbles[4] = {&TfrmMain::edt_bh0, &TfrmMain::edt_bh1, &TfrmMain::edt_bh2,
                                        &TfrmMain::edt_bh3};
constexpr EditMember kBytes[4] = {&TfrmMain::edt_b0, &TfrmMain::edt_b1, &TfrmMain::edt_b2,
                                  &TfrmMain::edt_b3};
constexpr EditMember kWords[2] = {&TfrmMain::edt_w0, &TfrmMain::edt_w1};
constexpr EditMember kEntries[4] = {&TfrmMain::edtv0, &TfrmMain::edtv1, &TfrmMain::edtv2,
                                    &TfrmMain::edtv3};
using Handler = void (TfrmMain::*)(QObject *);
constexpr Handler kEntryChanges[4] = {&TfrmMain::edtv0Change, &TfrmMain::edtv1Change,
                                      &TfrmMain::edtv2Change, &TfrmMain::edtv3Change};

// Geometry, in pixels. A nibble group holds four boxes in a row under its bit numbers and
// above its digit field; a byte block two groups above its byte field; a word block two
// byte blocks above its word field.
constexpr int kMargin = 4;
constexpr int kBoxPitch = 16;
constexpr int kFieldHeight = 20;
constexpr int kNibbleWidth = 2 * kMargin + 4 * kBoxPitch;  // 72
constexpr int kNibbleHeight = 58;
constexpr int kByteWidth = 3 * kMargin + 2 * kNibbleWidth;                               // 156
constexpr int kByteHeight = kMargin + kNibbleHeight + kMargin + kFieldHeight + kMargin;  // 90
constexpr int kWordWidth = 3 * kMargin + 2 * kByteWidth;                                 // 324
constexpr int kWordHeight = kMargin + kByteHeight + kMargin + kFieldHeight + kMargin;    // 122
constexpr int kPanelLeft = 177;
constexpr int kPanelTop = 250;
constexpr int kWordLeft[2] = {340, 8};  // word 0 on the right, word 1 on the left
constexpr int kWordTop = 78;
constexpr int kPanelWidth = kWordLeft[0] + kWordWidth + 8;  // 672
constexpr int kDoubleWordTop = kWordTop + kWordHeight + 8;  // 208
constexpr int kPanelHeight = kDoubleWordTop + 21 + 8;       // 237

const QColor kWordColour(0xC8, 0xD8, 0xEC);
const QColor kByteColour(0xDD, 0xE8, 0xF6);
const QColor kNibbleColour(0xF2, 0xF6, 0xFC);

// Left edge of byte k's block inside its word block: the higher byte on the left.
int ByteLeftInWord(int byteIndex)
{
    return byteIndex % 2 == 1 ? kMargin : 2 * kMargin + kByteWidth;
}

}  // namespace

QCheckBox *TfrmMain::BitBox(int bit) const
{
    return this->*kBitBoxes[bit];
}

QFrame *TfrmMain::CreateBitBlock(QWidget *parent, int left, int top, int width, int height,
                                 QColor background)
{
    using namespace controls;
    auto *block =
        Framed(Make<QFrame>(parent, {}, {left, top, width, height}), QFrame::Box | QFrame::Plain);
    SetBackground(block, background);
    return block;
}

void TfrmMain::CreateNibbleGroup(QWidget *parent, int left, int top, int firstBit)
{
    using namespace controls;
    QFrame *group = CreateBitBlock(parent, left, top, kNibbleWidth, kNibbleHeight, kNibbleColour);
    const int lastBit = firstBit + 3;
    Make<QLabel>(group, {}, {kMargin, 1, 24, 14}, QString::number(lastBit));
    Make<QLabel>(group, {}, {kNibbleWidth - kMargin - 24, 1, 24, 14}, QString::number(firstBit))
        ->setAlignment(Qt::AlignRight | Qt::AlignTop);

    for (int column = 0; column < 4; ++column) {
        const int bit = lastBit - column;
        auto *box = Make<QCheckBox>(group, QString("cbx%1").arg(bit),
                                    {kMargin + column * kBoxPitch, 16, kBoxPitch, 16});
        this->*kBitBoxes[bit] = box;
        // Also fires when an entry field sets the box, as a click would.
        On(box, &QCheckBox::toggled, this, &TfrmMain::cbx0Click);
    }

    const int byteIndex = firstBit / 8;
    const bool high = firstBit % 8 == 4;
    this->*(high ? kHighNibbles : kLowNibbles)[byteIndex] = Bold(
        Centred(Make<QLineEdit>(group, QString(high ? "edt_bh%1" : "edt_bl%1").arg(byteIndex),
                                {kMargin, 34, kNibbleWidth - 2 * kMargin, kFieldHeight}, "0")));
}

void TfrmMain::CreateBitEditorPanel(QWidget *page)
{
    using namespace controls;
    QFrame *panel = Framed(
        Make<QFrame>(page, "PanelBinToHex", {kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight}),
        QFrame::Box | QFrame::Plain);
    MakeTitleBar(panel, "PanelBinToHexTitle", "Convert Bin to Hex", 2);

    Make<QLabel>(panel, {}, {12, 33, kPanelWidth - 24, 14},
                 "Enter the decimal value from 0 to 255, or hexadecimal value from $0 to $FF");
    for (int k = 3; k >= 0; --k) {
        const int left = kWordLeft[k / 2] + ByteLeftInWord(k);
        this->*kEntries[k] = Centred(
            Make<QLineEdit>(panel, QString("edtv%1").arg(k), {left, 50, kByteWidth, 21}, "0"));
    }
    for (int k = 0; k < 4; ++k)
        On(this->*kEntries[k], &QLineEdit::textChanged, this, kEntryChanges[k]);

    for (int w = 1; w >= 0; --w) {
        QFrame *word =
            CreateBitBlock(panel, kWordLeft[w], kWordTop, kWordWidth, kWordHeight, kWordColour);
        for (int k = 2 * w + 1; k >= 2 * w; --k) {
            QFrame *byte = CreateBitBlock(word, ByteLeftInWord(k), kMargin, kByteWidth, kByteHeight,
                                          kByteColour);
            CreateNibbleGroup(byte, kMargin, kMargin, 8 * k + 4);
            CreateNibbleGroup(byte, 2 * kMargin + kNibbleWidth, kMargin, 8 * k);
            this->*kBytes[k] =
                Centred(Make<QLineEdit>(byte, QString("edt_b%1").arg(k),
                                        {kMargin, kByteHeight - kMargin - kFieldHeight,
                                         kByteWidth - 2 * kMargin, kFieldHeight},
                                        "0x00 (0)"));
        }
        this->*kWords[w] = Centred(Make<QLineEdit>(
            word, QString("edt_w%1").arg(w),
            {kMargin, kWordHeight - kMargin - kFieldHeight, kWordWidth - 2 * kMargin, kFieldHeight},
            "0x0000 (0)"));
    }
    edt_dw = Centred(Make<QLineEdit>(panel, "edt_dw", {8, kDoubleWordTop, kPanelWidth - 16, 21},
                                     "0x0000_0000 (0)"));

    // Keyboard order: the entries left to right, then the register from its least
    // significant end, each nibble's digit before its boxes.
    QList<QWidget *> order{edtv3, edtv2, edtv1, edtv0};
    for (int w = 0; w < 2; ++w) {
        for (int k = 2 * w; k <= 2 * w + 1; ++k) {
            for (int nibble = 0; nibble < 2; ++nibble) {
                order << this->*(nibble == 0 ? kLowNibbles : kHighNibbles)[k];
                const int firstBit = 8 * k + 4 * nibble;
                for (int bit = firstBit + 3; bit >= firstBit; --bit)
                    order << BitBox(bit);
            }
            order << this->*kBytes[k];
        }
        order << this->*kWords[w];
    }
    order << edt_dw;
    TabChain(order);
}

void TfrmMain::cbx0Click(QObject *)
{
    HandleErrors([&] {
        std::uint32_t value = 0;
        for (int bit = 0; bit < 32; ++bit) {
            if (BitBox(bit)->isChecked())
                value |= 1u << bit;
        }
        const zolvik::RegisterReadouts readouts = zolvik::RegisterReadoutsOf(value);
        const auto showByte = [&](int k) {
            (this->*kLowNibbles[k])->setText(QString::fromStdString(readouts.lowNibbles[k]));
            (this->*kHighNibbles[k])->setText(QString::fromStdString(readouts.highNibbles[k]));
            (this->*kBytes[k])->setText(QString::fromStdString(readouts.bytes[k]));
        };
        showByte(0);
        showByte(1);
        edt_w0->setText(QString::fromStdString(readouts.words[0]));
        showByte(2);
        showByte(3);
        edt_w1->setText(QString::fromStdString(readouts.words[1]));
        edt_dw->setText(QString::fromStdString(readouts.doubleWord));
    });
}

void TfrmMain::BitsEntryChange(int byteIndex, QLineEdit *entry)
{
    HandleErrors([&] {
        // The entry keeps its text; only the byte's eight boxes follow it, and each box
        // that changes brings the read-outs up to date.
        const std::uint8_t byte = zolvik::ByteEntryValue(entry->text().toStdString());
        for (int i = 0; i < 8; ++i)
            BitBox(8 * byteIndex + i)->setChecked(zolvik::BitOf(byte, i));
    });
}

void TfrmMain::edtv0Change(QObject *)
{
    BitsEntryChange(0, edtv0);
}

void TfrmMain::edtv1Change(QObject *)
{
    BitsEntryChange(1, edtv1);
}

void TfrmMain::edtv2Change(QObject *)
{
    BitsEntryChange(2, edtv2);
}

void TfrmMain::edtv3Change(QObject *)
{
    BitsEntryChange(3, edtv3);
}
