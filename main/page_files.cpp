// "Files - Converters and Creators": the ROM table generator and the HEX-to-BIN launcher;
// the bit and byte editor and the temperature converter live in page_files_bits.cpp and
// page_files_temperature.cpp.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "main/controls.h"
#include "main/main.h"
#include "platform/platform.h"
#include "platform/program_run.h"
#include "platform/prompts.h"
#include "tools/rom_table.h"

namespace {

// The panel's action along its bottom edge: a flat button in the interface font of 15 pixels,
// black.
QPushButton *MakeActionButton(QWidget *panel, const char *name, const controls::Place &place,
                              const QString &caption)
{
    using namespace controls;
    auto *button = Make<QPushButton>(panel, name, place, caption);
    button->setFlat(true);
    button->setFont(InterfaceFont(15));
    SetColour(button, QPalette::ButtonText, Qt::black);
    return button;
}

}  // namespace

namespace {
const QColor kReportBlue(0, 0, 255);
const QColor kReportRed(255, 0, 0);
}  // namespace

void TfrmMain::CreateFilesPage(QWidget *page)
{
    CreateRomTablePanel(page);
    CreateHexToBinPanel(page);
    CreateBitEditorPanel(page);
    CreateTemperaturePanel(page);
    CreateTableFormatsPanel(page);
}

void TfrmMain::CreateRomTablePanel(QWidget *page)
{
    using namespace controls;
    Panel1 = Framed(Make<QFrame>(page, "Panel1", {177, 27, 256, 205}), QFrame::Box | QFrame::Plain);
    Panel9 = MakeTitleBar(Panel1, "Panel9", "Create a BIN File Table", 2);
    const Row<QLabel, TfrmMain> captions[] = {
        {&TfrmMain::Label1, "Label1", {103, 42}, "Column Size"},
        {&TfrmMain::Label3, "Label3", {13, 65}, "Number Tabs Beginning of Line"},
    };
    const Row<QLineEdit, TfrmMain> fields[] = {
        {&TfrmMain::edtCol, "edtCol", {166, 38, 41, 21}, "8"},
        {&TfrmMain::edtTab, "edtTab", {165, 62, 41, 21}, "2"},
    };
    MakeRows(this, Panel1, captions);
    MakeRows(this, Panel1, fields);

    // Element size and format are two groups: each has its own container.
    Panel8 = Framed(Make<QFrame>(Panel1, "Panel8", {24, 88, 201, 31}), QFrame::Box | QFrame::Plain);
    const Row<QRadioButton, TfrmMain> sizes[] = {
        {&TfrmMain::rgByte, "rgByte", {8, 7}, "Byte"},
        {&TfrmMain::rgWord, "rgWord", {71, 8}, "Word"},
        {&TfrmMain::rgDword, "rgDword", {134, 8}, "DWord"},
    };
    MakeRows(this, Panel8, sizes);
    rgByte->setChecked(true);

    Panel7 =
        Framed(Make<QFrame>(Panel1, "Panel7", {24, 122, 201, 31}), QFrame::Box | QFrame::Plain);
    Label2 = Make<QLabel>(Panel7, "Label2", {9, 7}, "Format");
    const Row<QRadioButton, TfrmMain> formats[] = {
        {&TfrmMain::rgVHDL, "rgVHDL", {60, 6}, "HEX - VHDL"},
        {&TfrmMain::rgC, "rgC", {138, 6}, "HEX - C"},
    };
    MakeRows(this, Panel7, formats);
    rgVHDL->setChecked(true);

    btnCreateTable = MakeActionButton(Panel1, "btnCreateTable", {2, 161, 252, 42}, "Create");
    OnClick(btnCreateTable, this, &TfrmMain::btnCreateTableClick);
}

void TfrmMain::CreateHexToBinPanel(QWidget *page)
{
    using namespace controls;
    Panel3 = Framed(Make<QFrame>(page, "Panel3", {456, 27, 257, 205}), QFrame::Box | QFrame::Plain);
    Panel4 = MakeTitleBar(Panel3, "Panel4", "Convert Hex To Bin File", 2);
    btnConverter = MakeActionButton(Panel3, "btnConverter", {2, 161, 253, 42}, "Convert");
    OnClick(btnConverter, this, &TfrmMain::btnConverterClick);
}

void TfrmMain::btnCreateTableClick(QObject *)
{
    HandleErrors([&] {
        const QString fileName = platform::CurrentPrompts().AskOpenFile(this, {});
        if (!QFileInfo(fileName).isFile())
            return;
        if (rgByte->isChecked())
            WriteRomTable8(fileName);
        else if (rgWord->isChecked())
            WriteRomTable16(fileName);
        else
            WriteRomTable32(fileName);
    });
}

void TfrmMain::WriteRomTable8(const QString &FileName)
{
    WriteRomTable(FileName, 1);
}

void TfrmMain::WriteRomTable16(const QString &FileName)
{
    WriteRomTable(FileName, 2);
}

void TfrmMain::WriteRomTable32(const QString &FileName)
{
    WriteRomTable(FileName, 4);
}

void TfrmMain::WriteRomTable(const QString &FileName, int ElementBytes)
{
    zolvik::RomTableLayout layout;
    layout.elementBytes = ElementBytes;
    layout.format = rgVHDL->isChecked() ? zolvik::RomFormat::Vhdl : zolvik::RomFormat::C;
    layout.columns = zolvik::StrToIntDef(edtCol->text().toStdString(), 8);
    layout.tabs = zolvik::StrToIntDef(edtTab->text().toStdString(), 0);
    if (cbxTableFormat->isChecked())
        ApplyTableFormats(layout);
    zolvik::WriteRomTableFile(QFile::encodeName(FileName).toStdString(), layout);
}

void TfrmMain::btnConverterClick(QObject *)
{
    HandleErrors([&] {
        const QFileInfo file(platform::CurrentPrompts().AskOpenFile(
            this, {.filter = "hex (*.hex)", .defaultSuffix = "hex"}));
        if (!file.isFile())
            return;
        // The converter may carry the Windows name or the plain one.
        const QString converter = platform::FindProgram("hex2bin.exe").isEmpty()
                                      ? QString("hex2bin")
                                      : QString("hex2bin.exe");
        // It runs on its own; its outcome arrives as one line of the report when it ends.
        platform::RunProgramInBackground(
            this, converter, {QDir::toNativeSeparators(file.absoluteFilePath())},
            [this, converter](const platform::ProgramOutcome &outcome) {
                HandleErrors([&] { ReportConversion(converter, outcome); });
            });
    });
}

void TfrmMain::ReportConversion(const QString &converter, const platform::ProgramOutcome &outcome)
{
    const bool succeeded = outcome.started && !outcome.crashed && outcome.exitCode == 0;
    QString line = (succeeded ? outcome.output : outcome.errors).trimmed();
    if (line.isEmpty()) {
        if (succeeded)
            line = QString("%1 finished").arg(converter);
        else if (outcome.crashed)
            line = QString("%1 stopped unexpectedly").arg(converter);
        else
            line = QString("%1 failed with exit code %2").arg(converter).arg(outcome.exitCode);
    }
    // Through "%s": a path may hold a "%" that must reach the report as it is.
    LogFmt(succeeded ? kReportBlue : kReportRed, "%s", {line.toStdString()});
}
