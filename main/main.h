#pragma once
// The main window of Zolvik Tools: one page control with eleven pages of small tools.
// The window owns every control and every handler; handlers read the fields, call the
// toolkit-free functions of tools/ and write the results back.
#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "common/number_text.h"

class QCheckBox;
class QComboBox;
class QFont;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QTextEdit;
class QTimeEdit;
class ThermistorWorkbench;

namespace zolvik {
class SettingsFile;
struct RomTableLayout;
}  // namespace zolvik
namespace platform {
struct ProgramOutcome;
}

class TfrmMain : public QWidget {
    Q_OBJECT

public:
    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The application's default error display: a stop box captioned with the application
    // title, the message with a full stop appended when it does not end in one.
    static void ShowError(const QString &message);
    // Runs a handler body; an error escaping it goes to the default error display.
    static void HandleErrors(const std::function<void()> &body);
    // The caption of message boxes: the executable's name without folders, cut before its
    // first ".", every letter after the first in lower case.
    static QString ApplicationTitle();
    // The regional decimal separator, read from the system locale at start and again when
    // the locale changes.
    static char DecimalSeparator();

    // ---- Window -------------------------------------------------------------------------
    void FormCreate(QObject *Sender = nullptr);
    void FormShow(QObject *Sender = nullptr);
    void FormDestroy(QObject *Sender = nullptr);
    void Button2Click(QObject *Sender = nullptr);

    QTabWidget *PageControl = nullptr;
    QPushButton *Button2 = nullptr;
    QWidget *TabSheet6 = nullptr;   // 0 "Calculate Steinhart-Hart"
    QWidget *TabSheet1 = nullptr;   // 1 "Files - Converters and Creators"
    QWidget *TabSheet5 = nullptr;   // 2 "Links"
    QWidget *TabSheet2 = nullptr;   // 3 "Cursors"
    QWidget *TabSheet4 = nullptr;   // 4 "Fonts"
    QWidget *TabSheet8 = nullptr;   // 5 "WorkTemp"
    QWidget *TabSheet9 = nullptr;   // 6 "MOD"
    QWidget *TabSheet10 = nullptr;  // 7 "AVR"
    QWidget *TabSheet11 = nullptr;  // 8 "LCD CGRAM"
    QWidget *TabSheet7 = nullptr;   // 9 "Report"
    QWidget *TabSheet3 = nullptr;   // 10 "TabSheet3"

    // ---- Report page ----------------------------------------------------------------------
    void memoLogDblClick(QObject *Sender = nullptr);
    void LogFmt(QColor colour, std::string_view format,
                std::initializer_list<zolvik::FormatArg> args);
    void Log(QColor colour, const QString &text);
    void ScrollLogToEnd(QTextEdit *view);

    QTextEdit *memoLog = nullptr;

    // ---- Files page: ROM table generator, HEX-to-BIN launcher, bit and byte editor,
    //      temperature converter ------------------------------------------------------------
    void btnCreateTableClick(QObject *Sender = nullptr);
    void btnConverterClick(QObject *Sender = nullptr);
    void cbx0Click(QObject *Sender = nullptr);
    void edtv0Change(QObject *Sender = nullptr);
    void edtv1Change(QObject *Sender = nullptr);
    void edtv2Change(QObject *Sender = nullptr);
    void edtv3Change(QObject *Sender = nullptr);
    void edtCelciusChange(QObject *Sender = nullptr);
    void edtFahrenheitChange(QObject *Sender = nullptr);
    void edtKelvinChange(QObject *Sender = nullptr);

    // "Create a BIN File Table"
    QFrame *Panel1 = nullptr;
    QLabel *Panel9 = nullptr;
    QLabel *Label1 = nullptr;
    QLineEdit *edtCol = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *edtTab = nullptr;
    QFrame *Panel8 = nullptr;
    QRadioButton *rgByte = nullptr;
    QRadioButton *rgWord = nullptr;
    QRadioButton *rgDword = nullptr;
    QFrame *Panel7 = nullptr;
    QLabel *Label2 = nullptr;
    QRadioButton *rgVHDL = nullptr;
    QRadioButton *rgC = nullptr;
    QPushButton *btnCreateTable = nullptr;

    // "Convert Hex To Bin File"
    QFrame *Panel3 = nullptr;
    QLabel *Panel4 = nullptr;
    QPushButton *btnConverter = nullptr;

    // "Table Formats": when ticked, "Create" writes the chosen format with these options
    QFrame *PanelTableFormats = nullptr;
    QLabel *PanelTableFormatsTitle = nullptr;
    QCheckBox *cbxTableFormat = nullptr;
    QComboBox *cbbTableFormat = nullptr;
    QLabel *lblTableName = nullptr;
    QLineEdit *edtTableName = nullptr;  // empty: the name made from the file's name
    QCheckBox *cbxTableBigEndian = nullptr;
    QCheckBox *cbxTablePad = nullptr;
    QLineEdit *edtTablePad = nullptr;  // the pad byte, 0 to 255 in decimal or hexadecimal

    // "Convert Bin to Hex": bit n is cbx<n>, cbx0 the least significant
    QCheckBox *cbx0 = nullptr, *cbx1 = nullptr, *cbx2 = nullptr, *cbx3 = nullptr;
    QCheckBox *cbx4 = nullptr, *cbx5 = nullptr, *cbx6 = nullptr, *cbx7 = nullptr;
    QCheckBox *cbx8 = nullptr, *cbx9 = nullptr, *cbx10 = nullptr, *cbx11 = nullptr;
    QCheckBox *cbx12 = nullptr, *cbx13 = nullptr, *cbx14 = nullptr, *cbx15 = nullptr;
    QCheckBox *cbx16 = nullptr, *cbx17 = nullptr, *cbx18 = nullptr, *cbx19 = nullptr;
    QCheckBox *cbx20 = nullptr, *cbx21 = nullptr, *cbx22 = nullptr, *cbx23 = nullptr;
    QCheckBox *cbx24 = nullptr, *cbx25 = nullptr, *cbx26 = nullptr, *cbx27 = nullptr;
    QCheckBox *cbx28 = nullptr, *cbx29 = nullptr, *cbx30 = nullptr, *cbx31 = nullptr;
    QLineEdit *edt_bl0 = nullptr, *edt_bl1 = nullptr, *edt_bl2 = nullptr, *edt_bl3 = nullptr;
    QLineEdit *edt_bh0 = nullptr, *edt_bh1 = nullptr, *edt_bh2 = nullptr, *edt_bh3 = nullptr;
    QLineEdit *edt_b0 = nullptr, *edt_b1 = nullptr, *edt_b2 = nullptr, *edt_b3 = nullptr;
    QLineEdit *edt_w0 = nullptr, *edt_w1 = nullptr;
    QLineEdit *edt_dw = nullptr;
    QLineEdit *edtv0 = nullptr, *edtv1 = nullptr, *edtv2 = nullptr, *edtv3 = nullptr;

    // "Temperature Converter"
    QLineEdit *edtCelcius = nullptr;
    QLineEdit *edtFahrenheit = nullptr;
    QLineEdit *edtKelvin = nullptr;
    QRadioButton *rdbDecimal1 = nullptr;
    QRadioButton *rdbDecimal2 = nullptr;

private:
    void CreateRomTablePanel(QWidget *page);
    void CreateHexToBinPanel(QWidget *page);
    void CreateTableFormatsPanel(QWidget *page);
    void TableFormatsEnable(QObject *Sender = nullptr);
    // The table panel's layout with the "Table Formats" panel's format and options over it.
    void ApplyTableFormats(zolvik::RomTableLayout &layout) const;
    // The converter's end as one report line: what it printed in blue, or its error in red.
    void ReportConversion(const QString &converter, const platform::ProgramOutcome &outcome);
    void CreateBitEditorPanel(QWidget *page);
    void CreateTemperaturePanel(QWidget *page);
    QFrame *CreateBitBlock(QWidget *parent, int left, int top, int width, int height,
                           QColor background);
    void CreateNibbleGroup(QWidget *parent, int left, int top, int firstBit);

    void WriteRomTable8(const QString &FileName);
    void WriteRomTable16(const QString &FileName);
    void WriteRomTable32(const QString &FileName);
    void WriteRomTable(const QString &FileName, int ElementBytes);

    QCheckBox *BitBox(int bit) const;
    void BitsEntryChange(int byteIndex, QLineEdit *entry);

    struct TemperatureField;
    // Converts the field of `source` into the other two (in Celsius, Fahrenheit, Kelvin order).
    void TemperatureChange(int source);
    void TemperatureChange(TemperatureField &source, TemperatureField &first,
                           TemperatureField &second);
    // Busy marks of edtCelcius, edtFahrenheit and edtKelvin: 1 while its conversion runs.
    int FCelciusBusy = 0;
    int FFahrenheitBusy = 0;
    int FKelvinBusy = 0;

public:
    // end of Files page

    // ---- Steinhart-Hart page ----------------------------------------------------------------
    void btnSteinhartClick(QObject *Sender = nullptr);
    void btnCalcSteinhartClick(QObject *Sender = nullptr);
    void edtResChange(QObject *Sender = nullptr);
    // Opens the thermistor workbench with the three points, or raises the one already open.
    void btnThermistorWorkbenchClick(QObject *Sender = nullptr);

    QLineEdit *edtT1 = nullptr;
    QLineEdit *edtT2 = nullptr;
    QLineEdit *edtT3 = nullptr;
    QLineEdit *edtR1 = nullptr;
    QLineEdit *edtR2 = nullptr;
    QLineEdit *edtR3 = nullptr;
    QPushButton *btnSteinhart = nullptr;
    QLineEdit *edtA = nullptr;
    QLineEdit *edtB = nullptr;
    QLineEdit *edtC = nullptr;
    QLineEdit *edtRes = nullptr;
    QPushButton *btnCalcSteinhart = nullptr;
    QLineEdit *edtTempK = nullptr;
    QLineEdit *edtTempC = nullptr;
    QPushButton *btnThermistorWorkbench = nullptr;
    QPointer<ThermistorWorkbench> Workbench;  // the open workbench, if any
    double SteinhartA = 0.0;
    double SteinhartB = 0.0;
    double SteinhartC = 0.0;

private:
    void CreateSteinhartPictures(QWidget *page);
    void CreateSteinhartInstructions(QWidget *page);
    void CreateSteinhartWorkbenchButton(QWidget *page);
    void SteinhartErrorBox(const QString &text);

public:
    // end of Steinhart-Hart page

    // ---- AVR page: timer prescaler ------------------------------------------------------------
    void btnCalcTimerClick(QObject *Sender = nullptr);

    QLineEdit *edtF_CPU = nullptr;
    QLineEdit *edtMS = nullptr;
    QGroupBox *rdgCont = nullptr;
    QPushButton *btnCalcTimer = nullptr;
    QLineEdit *edtPrescaler = nullptr;
    QLineEdit *edtComp = nullptr;
    QLineEdit *edtRegPrescaler = nullptr;

    // The prescaler setting value: the smallest S >= 1 with 2^(S-1) >= P.
    int PrescalerSetting(std::int64_t P);

    // "Timer": every (prescaler, count) pair a real timer offers for the page's clock and
    // period, best first.
    void btnTimerPairsClick(QObject *Sender = nullptr);
    void cbbTimerChange(QObject *Sender = nullptr);

    QComboBox *cbbTimer = nullptr;
    QLineEdit *edtTimerPrescalers = nullptr;  // the custom timer's prescalers, comma-separated
    QSpinBox *spiTimerBits = nullptr;         // the custom timer's counter width
    QPushButton *btnTimerPairs = nullptr;
    QTableWidget *grdTimerPairs = nullptr;  // a heading row, then one row per pair

private:
    void CreateTimerTable(QWidget *page);

public:
    // end of AVR page

    // ---- MOD page: modulo table -----------------------------------------------------------------
    void btnModClick(QObject *Sender = nullptr);
    void memMODDblClick(QObject *Sender = nullptr);

    QLabel *LabelModInit = nullptr;
    QLineEdit *edtModInit = nullptr;
    QLabel *LabelModFim = nullptr;
    QLineEdit *edtModFim = nullptr;
    QLabel *LabelMod = nullptr;
    QLineEdit *edtMod = nullptr;
    QPushButton *btnMod = nullptr;
    QPlainTextEdit *memMOD = nullptr;
    QPushButton *Button3 = nullptr;
    // end of MOD page

    // ---- WorkTemp page: weekly schedule word ----------------------------------------------------
    void btConv1Click(QObject *Sender = nullptr);
    void btConv2Click(QObject *Sender = nullptr);

    QLabel *LabelStartTime = nullptr;
    QLineEdit *edtH = nullptr;
    QLabel *LabelDuration = nullptr;
    QLineEdit *edtD = nullptr;
    QCheckBox *cbxEn = nullptr;
    QLabel *LabelDayOfWeek = nullptr;
    QCheckBox *cbxDomingo = nullptr;
    QCheckBox *cbxSegunda = nullptr;
    QCheckBox *cbxTerca = nullptr;
    QCheckBox *cbxQuarta = nullptr;
    QCheckBox *cbxQuinta = nullptr;
    QCheckBox *cbxSexta = nullptr;
    QCheckBox *cbxSabado = nullptr;
    QPushButton *btConv1 = nullptr;
    QPushButton *btConv2 = nullptr;
    QLabel *LabelDecimalValue = nullptr;
    QLineEdit *edtResTime = nullptr;
    QLabel *lblHex = nullptr;
    QLabel *LabelInitTime = nullptr;
    QLabel *LabelDurationTime = nullptr;
    QLabel *LabelEndTime = nullptr;
    QTimeEdit *dtpInit = nullptr;
    QTimeEdit *dtpDuration = nullptr;
    QTimeEdit *dtpAll = nullptr;
    QLabel *LabelHours[24] = {};  // "0 hora = 0 minutos" .. "23 horas = 1380 minutos"

private:
    // The eight schedule boxes in bit order: Sunday .. Saturday, then Enable.
    QCheckBox *WorkTempFlagBox(int bit) const;
    // Shows a count of minutes as a clock time; throws when the count cannot be shown.
    void WorkTempShowMinutes(QTimeEdit *picker, std::int32_t minutes);

public:
    // end of WorkTemp page

    // ---- Cursors page: cursor editor and cursor files -------------------------------------------
    void spi_CurXPointChange(QObject *Sender = nullptr);
    void spi_CurYPointChange(QObject *Sender = nullptr);
    void btn_CurShape1Click(QObject *Sender = nullptr);
    void btn_CurShape2Click(QObject *Sender = nullptr);
    void btn_CurShape3Click(QObject *Sender = nullptr);
    void btn_CurClearClick(QObject *Sender = nullptr);
    void btn_CurCreateClick(QObject *Sender = nullptr);
    void btn_CurSaveBinClick(QObject *Sender = nullptr);
    void btn_CurLoadBinClick(QObject *Sender = nullptr);
    void btn_CurImportClick(QObject *Sender = nullptr);
    // Paints one cell of stg_Cursor from its text; runs inside the grid's paint event and
    // cannot fail.
    void stg_CursorDrawCell(QObject *Sender, int ACol, int ARow, const QRect &Rect,
                            class QPainter *Canvas) noexcept;
    void stg_CursorSelectCell(QObject *Sender, int ACol, int ARow);
    void CurSetPixel(int ACol, int ARow, std::int32_t ACode);
    void CurRefreshGrid();

    QLabel *PanelCurTitle = nullptr;
    QTableWidget *stg_Cursor = nullptr;
    QFrame *PanelCurTools = nullptr;
    QGroupBox *rad_CurColor = nullptr;
    QPushButton *btn_CurCreate = nullptr;
    QPushButton *btn_CurSaveBin = nullptr;
    QPushButton *btn_CurLoadBin = nullptr;
    QPushButton *btn_CurClear = nullptr;
    QLabel *LabelCurXPoint = nullptr;
    QLabel *LabelCurYPoint = nullptr;
    QSpinBox *spi_CurXPoint = nullptr;
    QSpinBox *spi_CurYPoint = nullptr;
    QPushButton *btn_CurShape1 = nullptr;
    QPushButton *btn_CurShape2 = nullptr;
    QPushButton *btn_CurShape3 = nullptr;
    QPushButton *btn_CurImport = nullptr;

    // The cursor picture, 64 x 64 codes; pixel (x, y) is element 64x + y.
    std::int32_t CursorPixels[64 * 64] = {};

private:
    void CreateCursorEditor(QWidget *page);
    void CreateCursorTools(QWidget *page);
    void CurStampShape(int shape);
    void CurReadHotSpot();
    // The hot spot as last read from the spin edits, so painting need not parse their texts.
    int FCurHotX = 31;
    int FCurHotY = 31;

public:
    // end of Cursors page

    // ---- LCD CGRAM page: LCD character editor -----------------------------------------------------
    void edtCharNameChange(QObject *Sender = nullptr);
    void btnClearCharClick(QObject *Sender = nullptr);
    // Paints one cell of gridCoord1: white when its pixel is on, blue otherwise.
    void gridCoord1DrawCell(QObject *Sender, int ACol, int ARow, const QRect &Rect,
                            class QPainter *Canvas) noexcept;
    void gridCoord1SelectCell(QObject *Sender, int ACol, int ARow);
    void ClearLcdChar();
    void BuildLcdArray();
    void btnImportArrayClick(QObject *Sender = nullptr);
    void spiCgramCharChange(QObject *Sender = nullptr);
    void btnExportCgramClick(QObject *Sender = nullptr);
    void btnCopyCgramClick(QObject *Sender = nullptr);

    QTableWidget *gridCoord1 = nullptr;
    QLabel *LabelCharName = nullptr;
    QLineEdit *edtCharName = nullptr;
    QLabel *Image = nullptr;
    QGroupBox *rgBase = nullptr;
    QPushButton *btnClearChar = nullptr;
    QLabel *LabelArray = nullptr;
    QLineEdit *edtArray = nullptr;
    QPushButton *btnImportArray = nullptr;
    QLabel *LabelCgramChar = nullptr;
    QSpinBox *spiCgramChar = nullptr;
    QLabel *LabelCgramName = nullptr;
    QLineEdit *edtCgramName = nullptr;
    QPushButton *btnExportCgram = nullptr;
    QPushButton *btnCopyCgram = nullptr;

    // The LCD character, 5 x 8 pixels, 0 off and 1 on; pixel (c, r) is element 8c + r.
    std::uint8_t LcdCharPixels[5 * 8] = {};
    // The eight CGRAM characters as their row bytes. The one spiCgramChar shows is edited in
    // LcdCharPixels and stored back here when another is chosen.
    std::uint8_t LcdCgramRows[8][8] = {};
    int LcdCgramShown = 0;

private:
    void CreateLcdCgramControls(QWidget *page);
    // The set's array text with the character on the grid in its place.
    std::string LcdCgramText() const;

public:
    // end of LCD CGRAM page

    // ---- Fonts page: font header generator and icon strip converter -----------------------------
    void btnFontClick(QObject *Sender = nullptr);
    void Button6Click(QObject *Sender = nullptr);

    QPushButton *btnFont = nullptr;
    QPushButton *Button6 = nullptr;

    // The options panel beside the two buttons: the font header's and the icon strip's.
    void btnFontPreviewFontClick(QObject *Sender = nullptr);
    void FontOptionChange(QObject *Sender = nullptr);

    QSpinBox *spiFontFirst = nullptr;
    QSpinBox *spiFontLast = nullptr;
    QCheckBox *cbxFontProportional = nullptr;
    QComboBox *cbbFontLayout = nullptr;
    QComboBox *cbbFontForm = nullptr;
    QLineEdit *edtFontName = nullptr;
    QCheckBox *cbxFontKeepMissing = nullptr;
    QComboBox *cbbIconFormat = nullptr;
    QSpinBox *spiIconTileW = nullptr;
    QSpinBox *spiIconTileH = nullptr;
    QCheckBox *cbxIconHeader = nullptr;
    QLineEdit *edtIconHeaderName = nullptr;
    QPushButton *btnFontPreviewFont = nullptr;
    QLabel *lblFontPreviewFont = nullptr;
    QScrollArea *scrFontPreview = nullptr;
    QLabel *imgFontPreview = nullptr;

    // The dots per inch the fonts page renders at: the screen's.
    qreal FontDpi() const;
    // Shows the font in the preview from now on.
    void RememberPreviewFont(const QFont &font);

private:
    // A plain message box captioned with the application title.
    void FontsShowMessage(const QString &text);
    void CreateFontOptionsPanel(QWidget *page);
    // Redraws the preview from the last font chosen and the options as they stand.
    void RefreshFontPreview();

    // The last font chosen on the page, for the preview: family and whole points.
    QString FontPreviewFamily;
    int FontPreviewPoints = 0;

public:
    // end of Fonts page

    // ---- Links page: symbolic link creator ------------------------------------------------------
    void btnLinkOrgClick(QObject *Sender = nullptr);
    void btnLinkDestClick(QObject *Sender = nullptr);
    void btnCreatLinkClick(QObject *Sender = nullptr);

    QLineEdit *edtDestName = nullptr;
    QLineEdit *edtDestDir = nullptr;
    QLineEdit *edtOrgDir = nullptr;
    QPushButton *btnLinkDest = nullptr;
    QPushButton *btnLinkOrg = nullptr;
    QPushButton *btnCreatLink = nullptr;
    // end of Links page

    // ---- TabSheet3 page: colour list control trial ----------------------------------------------
    void Button1Click(QObject *Sender = nullptr);
    void btnClearColorsClick(QObject *Sender = nullptr);
    void btnDelColorClick(QObject *Sender = nullptr);

    QFrame *Panel6 = nullptr;
    QLabel *Panel11 = nullptr;
    QScrollArea *sbxRemoveColor = nullptr;
    QPushButton *btnClearColors = nullptr;
    QPushButton *btnDelColor = nullptr;
    class QComboBox *ColorBox = nullptr;  // the colour that Button1 adds
    QPushButton *Button1 = nullptr;
    // The colour list on sbxRemoveColor: made by FormCreate, released last by FormDestroy.
    std::unique_ptr<class TListColor> ColorList;
    // end of TabSheet3 page

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // One builder per page: creates the page's controls and connects their handlers.
    void CreateSteinhartPage(QWidget *page);
    void CreateFilesPage(QWidget *page);
    void CreateLinksPage(QWidget *page);
    void CreateCursorsPage(QWidget *page);
    void CreateFontsPage(QWidget *page);
    void CreateWorkTempPage(QWidget *page);
    void CreateModPage(QWidget *page);
    void CreateAvrPage(QWidget *page);
    void CreateLcdPage(QWidget *page);
    void CreateReportPage(QWidget *page);
    void CreateColorsPage(QWidget *page);

    void OpenSettings();
    void ReadSettings();
    QPoint StoredPosition() const;
    void WriteSettings();
    void PlaceOnScreen();

    std::unique_ptr<zolvik::SettingsFile> SettingsFile;
    bool FShownOnce = false;
};

// Folder for "zolviktools.ini": the executable's folder unless a test points it elsewhere.
QString SettingsFolder();
void SetSettingsFolderForTesting(const QString &folder);

// Ticks or clears a radio button; clearing one never ticks or clears another of its group.
void SetRadioChecked(QRadioButton *button, bool checked);
