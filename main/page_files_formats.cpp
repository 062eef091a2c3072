// "Table Formats" on the Files page: every format of the ROM table writer with its name,
// byte order and padding, for the "Create" button of "Create a BIN File Table". Unticked,
// that button writes the two formats of its own panel exactly as before.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include "common/errors.h"
#include "common/number_text.h"
#include "main/main.h"
#include "main/controls.h"
#include "tools/rom_table.h"

namespace {

// The pad byte as typed: a whole number from 0 to 255, "$FF" and "0xFF" included.
std::uint8_t PadByte(const QString &text)
{
    const auto value = zolvik::ParseWholeNumber(text.toStdString());
    if (!value || *value < 0 || *value > 255)
        throw zolvik::Error("'" + text.toStdString() + "' is no pad byte from 0 to 255");
    return static_cast<std::uint8_t>(*value);
}

}  // namespace

void TfrmMain::CreateTableFormatsPanel(QWidget *page)
{
    using namespace controls;
    // Right of the temperature converter, under the right edge of "Convert Bin to Hex".
    PanelTableFormats = Framed(Make<QFrame>(page, "PanelTableFormats", {600, 505, 249, 116}),
                               QFrame::Box | QFrame::Plain);
    PanelTableFormatsTitle =
        MakeTitleBar(PanelTableFormats, "PanelTableFormatsTitle", "Table Formats", 2);

    cbxTableFormat =
        Make<QCheckBox>(PanelTableFormats, "cbxTableFormat", {10, 37}, QString("Format"));
    cbbTableFormat = Make<QComboBox>(PanelTableFormats, "cbbTableFormat", {100, 34, 139, 22});
    for (const zolvik::RomFormatName &format : zolvik::kRomFormatNames)
        cbbTableFormat->addItem(QString::fromUtf8(format.name.data(), format.name.size()));

    lblTableName = Make<QLabel>(PanelTableFormats, "lblTableName", {29, 63}, QString("Name"));
    edtTableName = Make<QLineEdit>(PanelTableFormats, "edtTableName", {100, 60, 139, 22});
    edtTableName->setPlaceholderText("from the file name");

    cbxTableBigEndian =
        Make<QCheckBox>(PanelTableFormats, "cbxTableBigEndian", {10, 89}, QString("Big endian"));
    cbxTablePad = Make<QCheckBox>(PanelTableFormats, "cbxTablePad", {120, 89}, QString("Pad"));
    edtTablePad =
        Make<QLineEdit>(PanelTableFormats, "edtTablePad", {175, 86, 64, 22}, QString("0xFF"));

    On(cbxTableFormat, &QCheckBox::toggled, this, &TfrmMain::TableFormatsEnable);
    On(cbxTablePad, &QCheckBox::toggled, this, &TfrmMain::TableFormatsEnable);
    TableFormatsEnable();
}

void TfrmMain::TableFormatsEnable(QObject *)
{
    const bool on = cbxTableFormat->isChecked();
    for (QWidget *control :
         {static_cast<QWidget *>(cbbTableFormat), static_cast<QWidget *>(lblTableName),
          static_cast<QWidget *>(edtTableName), static_cast<QWidget *>(cbxTableBigEndian),
          static_cast<QWidget *>(cbxTablePad)})
        control->setEnabled(on);
    edtTablePad->setEnabled(on && cbxTablePad->isChecked());
}

void TfrmMain::ApplyTableFormats(zolvik::RomTableLayout &layout) const
{
    const auto format = zolvik::RomFormatFromName(cbbTableFormat->currentText().toStdString());
    if (!format)
        throw zolvik::Error("Unknown table format '" + cbbTableFormat->currentText().toStdString() +
                            "'");
    layout.format = *format;
    layout.name = edtTableName->text().trimmed().toStdString();
    layout.bigEndian = cbxTableBigEndian->isChecked();
    if (cbxTablePad->isChecked())
        layout.pad = PadByte(edtTablePad->text());
}
