// The window's settings: one table of every stored value, read at start (the window position
// when first shown) and written back at exit, in one rewrite of the file.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>

#include <cstdlib>
#include <filesystem>
#include <variant>

#include "common/settings_file.h"
#include "common/settings_location.h"
#include "fileio/input_file.h"
#include "main/main.h"

namespace {

QString &SettingsFolderOverride()
{
    static QString folder;
    return folder;
}

std::string Environment(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

enum class Stored { PageIndex, WindowLeft, WindowTop, Text, Choice, Tick, ListItem };

struct StoredValue {
    const char *section;
    const char *key;
    const char *defaultValue;
    Stored kind;
    QLineEdit *TfrmMain::*text = nullptr;       // Stored::Text
    QRadioButton *TfrmMain::*choice = nullptr;  // Stored::Choice
    QCheckBox *TfrmMain::*tick = nullptr;       // Stored::Tick, 1 or 0
    QComboBox *TfrmMain::*list = nullptr;       // Stored::ListItem, the item's text
};

// In the order they are written; a new file lists them so.
const StoredValue kStoredValues[] = {
    {"APP", "PC", "0", Stored::PageIndex},
    {"WINDOWS", "LEFT", "0", Stored::WindowLeft},
    {"WINDOWS", "TOP", "0", Stored::WindowTop},
    {"EDT", "MOD_INIT", "0", Stored::Text, &TfrmMain::edtModInit},
    {"EDT", "MOD_FIM", "20", Stored::Text, &TfrmMain::edtModFim},
    {"EDT", "MOD", "10", Stored::Text, &TfrmMain::edtMod},
    {"EDIT", "COL", "8", Stored::Text, &TfrmMain::edtCol},
    {"EDIT", "TAB", "1", Stored::Text, &TfrmMain::edtTab},
    {"EDIT", "EDT_DEST_NAME", "", Stored::Text, &TfrmMain::edtDestName},
    {"EDIT", "EDT_DEST_DIR", "", Stored::Text, &TfrmMain::edtDestDir},
    {"EDIT", "EDT_ORG_DIR", "", Stored::Text, &TfrmMain::edtOrgDir},
    {"RG", "BYTE", "1", Stored::Choice, nullptr, &TfrmMain::rgByte},
    {"RG", "WORD", "0", Stored::Choice, nullptr, &TfrmMain::rgWord},
    {"RG", "DWORD", "0", Stored::Choice, nullptr, &TfrmMain::rgDword},
    {"RG", "VHDL", "0", Stored::Choice, nullptr, &TfrmMain::rgVHDL},
    {"RG", "C", "1", Stored::Choice, nullptr, &TfrmMain::rgC},
    {"EDIT", "EDT_T1", "", Stored::Text, &TfrmMain::edtT1},
    {"EDIT", "EDT_T2", "", Stored::Text, &TfrmMain::edtT2},
    {"EDIT", "EDT_T3", "", Stored::Text, &TfrmMain::edtT3},
    {"EDIT", "EDT_R1", "", Stored::Text, &TfrmMain::edtR1},
    {"EDIT", "EDT_R2", "", Stored::Text, &TfrmMain::edtR2},
    {"EDIT", "EDT_R3", "", Stored::Text, &TfrmMain::edtR3},
    {.section = "TABLE",
     .key = "ON",
     .defaultValue = "0",
     .kind = Stored::Tick,
     .tick = &TfrmMain::cbxTableFormat},
    {.section = "TABLE",
     .key = "FORMAT",
     .defaultValue = "c-stdint",
     .kind = Stored::ListItem,
     .list = &TfrmMain::cbbTableFormat},
    {"TABLE", "NAME", "", Stored::Text, &TfrmMain::edtTableName},
    {.section = "TABLE",
     .key = "BIG_ENDIAN",
     .defaultValue = "0",
     .kind = Stored::Tick,
     .tick = &TfrmMain::cbxTableBigEndian},
    {.section = "TABLE",
     .key = "PAD",
     .defaultValue = "0",
     .kind = Stored::Tick,
     .tick = &TfrmMain::cbxTablePad},
    {"TABLE", "PAD_BYTE", "0xFF", Stored::Text, &TfrmMain::edtTablePad},
};

constexpr int kPageCount = 11;

}  // namespace

QString SettingsFolder()
{
    if (!SettingsFolderOverride().isEmpty())
        return SettingsFolderOverride();
    const std::string executableFolder = QCoreApplication::applicationDirPath().toStdString();
    return QString::fromStdString(zolvik::SettingsFolderFor(
        executableFolder, zolvik::fileio::FolderIsWritable(executableFolder),
        Environment("XDG_CONFIG_HOME"), Environment("HOME")));
}

void SetSettingsFolderForTesting(const QString &folder)
{
    SettingsFolderOverride() = folder;
}

void TfrmMain::OpenSettings()
{
    const std::string folder = SettingsFolder().toStdString();
    std::error_code ignored;  // a folder that cannot be made shows as a failed write at exit
    std::filesystem::create_directories(folder, ignored);
    SettingsFile = std::make_unique<zolvik::SettingsFile>(folder + "/" + zolvik::kSettingsFileName);
}

void TfrmMain::ReadSettings()
{
    zolvik::SettingsFile &ini = *SettingsFile;
    for (const StoredValue &stored : kStoredValues) {
        switch (stored.kind) {
        case Stored::PageIndex: {
            int page = ini.ReadInteger(stored.section, stored.key, 0);
            // The page control always shows a page: an index it does not have opens the first.
            if (page < 0 || page >= kPageCount)
                page = 0;
            PageControl->setCurrentIndex(page);
            break;
        }
        case Stored::Text:
            (this->*stored.text)
                ->setText(QString::fromStdString(
                    ini.ReadString(stored.section, stored.key, stored.defaultValue)));
            break;
        case Stored::Choice:
            SetRadioChecked(this->*stored.choice,
                            ini.ReadBool(stored.section, stored.key, *stored.defaultValue == '1'));
            break;
        case Stored::Tick:
            (this->*stored.tick)
                ->setChecked(ini.ReadBool(stored.section, stored.key, *stored.defaultValue == '1'));
            break;
        case Stored::ListItem: {
            QComboBox *list = this->*stored.list;
            // An item the list does not hold keeps the default.
            int item = list->findText(QString::fromStdString(
                ini.ReadString(stored.section, stored.key, stored.defaultValue)));
            list->setCurrentIndex(item >= 0 ? item : list->findText(stored.defaultValue));
            break;
        }
        case Stored::WindowLeft:
        case Stored::WindowTop: break;  // read when the window is first shown
        }
    }
}

QPoint TfrmMain::StoredPosition() const
{
    return QPoint(SettingsFile->ReadInteger("WINDOWS", "LEFT", 0),
                  SettingsFile->ReadInteger("WINDOWS", "TOP", 0));
}

void TfrmMain::WriteSettings()
{
    std::vector<zolvik::SettingsFile::Value> values;
    for (const StoredValue &stored : kStoredValues) {
        std::string value;
        switch (stored.kind) {
        case Stored::PageIndex: value = std::to_string(PageControl->currentIndex()); break;
        case Stored::WindowLeft: value = std::to_string(x()); break;
        case Stored::WindowTop: value = std::to_string(y()); break;
        case Stored::Text: value = (this->*stored.text)->text().toStdString(); break;
        case Stored::Choice:
            value = std::to_string((this->*stored.choice)->isChecked() ? 1 : 0);
            break;
        case Stored::Tick: value = std::to_string((this->*stored.tick)->isChecked() ? 1 : 0); break;
        case Stored::ListItem: value = (this->*stored.list)->currentText().toStdString(); break;
        }
        values.push_back({stored.section, stored.key, value});
    }
    SettingsFile->WriteValues(values);
}
