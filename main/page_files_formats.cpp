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
#include "main/page_files_style.h"
#include "tools/rom_table.h"

namespace {

QCheckBox *CreateCheckBox(QWidget *parent, const char *name, const QString &caption,
                          const QPoint &position)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->move(position);
    box->adjustSize();
    return box;
}

QLineEdit *CreateEdit(QWidget *parent, const char *name, const QString &text, const QRect &geometry)
{
    auto *edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

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
    // Right of the temperature converter, under the right edge of "Convert Bin to Hex".
    PanelTableFormats = files_page::CreatePanel(page, "PanelTableFormats", QRect(600, 505, 249, 116));
    PanelTableFormatsTitle =
        files_page::CreateTitleBar(PanelTableFormats, "PanelTableFormatsTitle", "Table Formats");

    cbxTableFormat = CreateCheckBox(PanelTableFormats, "cbxTableFormat", "Format", QPoint(10, 37));
    cbbTableFormat = new QComboBox(PanelTableFormats);
    cbbTableFormat->setObjectName("cbbTableFormat");
    cbbTableFormat->setGeometry(100, 34, 139, 22);
    for (const zolvik::RomFormatName &format : zolvik::kRomFormatNames)
        cbbTableFormat->addItem(QString::fromUtf8(format.name.data(), format.name.size()));

    lblTableName = new QLabel("Name", PanelTableFormats);
    lblTableName->setObjectName("lblTableName");
    lblTableName->move(29, 63);
    edtTableName = CreateEdit(PanelTableFormats, "edtTableName", "", QRect(100, 60, 139, 22));
    edtTableName->setPlaceholderText("from the file name");

    cbxTableBigEndian =
        CreateCheckBox(PanelTableFormats, "cbxTableBigEndian", "Big endian", QPoint(10, 89));
    cbxTablePad = CreateCheckBox(PanelTableFormats, "cbxTablePad", "Pad", QPoint(120, 89));
    edtTablePad = CreateEdit(PanelTableFormats, "edtTablePad", "0xFF", QRect(175, 86, 64, 22));

    connect(cbxTableFormat, &QCheckBox::toggled, this, [this] { TableFormatsEnable(); });
    connect(cbxTablePad, &QCheckBox::toggled, this, [this] { TableFormatsEnable(); });
    TableFormatsEnable();
}

void TfrmMain::TableFormatsEnable()
{
    const bool on = cbxTableFormat->isChecked();
    for (QWidget *control : {static_cast<QWidget *>(cbbTableFormat), static_cast<QWidget *>(lblTableName),
                             static_cast<QWidget *>(edtTableName),
                             static_cast<QWidget *>(cbxTableBigEndian),
                             static_cast<QWidget *>(cbxTablePad)})
        control->setEnabled(on);
    edtTablePad->setEnabled(on && cbxTablePad->isChecked());
}

void TfrmMain::ApplyTableFormats(zolvik::RomTableLayout &layout) const
{
    const auto format = zolvik::RomFormatFromName(cbbTableFormat->currentText().toStdString());
    if (!format)
        throw zolvik::Error("Unknown table format '" + cbbTableFormat->currentText().toStdString() + "'");
    layout.format = *format;
    layout.name = edtTableName->text().trimmed().toStdString();
    layout.bigEndian = cbxTableBigEndian->isChecked();
    if (cbxTablePad->isChecked())
        layout.pad = PadByte(edtTablePad->text());
}
