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

#include "main/main.h"
#include "main/page_files_style.h"
#include "platform/platform.h"
#include "platform/program_run.h"
#include "platform/prompts.h"
#include "tools/rom_table.h"

using files_page::CreateTitleBar;
using files_page::CreatePanel;

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
    Panel1 = CreatePanel(page, "Panel1", QRect(177, 27, 256, 205));
    Panel9 = CreateTitleBar(Panel1, "Panel9", "Create a BIN File Table");

    Label1 = new QLabel("Column Size", Panel1);
    Label1->setObjectName("Label1");
    Label1->move(103, 42);
    edtCol = new QLineEdit("8", Panel1);
    edtCol->setObjectName("edtCol");
    edtCol->setGeometry(166, 38, 41, 21);
    Label3 = new QLabel("Number Tabs Beginning of Line", Panel1);
    Label3->setObjectName("Label3");
    Label3->move(13, 65);
    edtTab = new QLineEdit("2", Panel1);
    edtTab->setObjectName("edtTab");
    edtTab->setGeometry(165, 62, 41, 21);

    // Element size and format are two groups: each has its own container.
    Panel8 = CreatePanel(Panel1, "Panel8", QRect(24, 88, 201, 31));
    rgByte = files_page::CreateRadioButton(Panel8, "rgByte", "Byte", QPoint(8, 7));
    rgWord = files_page::CreateRadioButton(Panel8, "rgWord", "Word", QPoint(71, 8));
    rgDword = files_page::CreateRadioButton(Panel8, "rgDword", "DWord", QPoint(134, 8));
    rgByte->setChecked(true);

    Panel7 = CreatePanel(Panel1, "Panel7", QRect(24, 122, 201, 31));
    Label2 = new QLabel("Format", Panel7);
    Label2->setObjectName("Label2");
    Label2->move(9, 7);
    rgVHDL = files_page::CreateRadioButton(Panel7, "rgVHDL", "HEX - VHDL", QPoint(60, 6));
    rgC = files_page::CreateRadioButton(Panel7, "rgC", "HEX - C", QPoint(138, 6));
    rgVHDL->setChecked(true);

    btnCreateTable = files_page::CreateFlatButton(Panel1, "btnCreateTable", "Create",
                                                  QRect(2, 161, 252, 42));
    connect(btnCreateTable, &QPushButton::clicked, this,
            [this] { btnCreateTableClick(btnCreateTable); });
}

void TfrmMain::CreateHexToBinPanel(QWidget *page)
{
    Panel3 = CreatePanel(page, "Panel3", QRect(456, 27, 257, 205));
    Panel4 = CreateTitleBar(Panel3, "Panel4", "Convert Hex To Bin File");
    btnConverter = files_page::CreateFlatButton(Panel3, "btnConverter", "Convert",
                                                QRect(2, 161, 253, 42));
    connect(btnConverter, &QPushButton::clicked, this, [this] { btnConverterClick(btnConverter); });
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

void TfrmMain::WriteRomTable8(const QString &FileName) { WriteRomTable(FileName, 1); }

void TfrmMain::WriteRomTable16(const QString &FileName) { WriteRomTable(FileName, 2); }

void TfrmMain::WriteRomTable32(const QString &FileName) { WriteRomTable(FileName, 4); }

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
        const QString converter =
            platform::FindProgram("hex2bin.exe").isEmpty() ? QString("hex2bin") : QString("hex2bin.exe");
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
