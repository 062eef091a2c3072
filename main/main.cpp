// The window itself: construction, start-up, placement, shutdown and the default error display.
#include "main/main.h"

#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTextEdit>

#include <vector>

#include "common/settings_file.h"
#include "common/errors.h"
#include "main/controls.h"
#include "platform/prompts.h"
#include "tools/nearest_screen.h"
#include "widgets/caption_over_picture_button.h"
#include "widgets/u_ListColorStatic.h"

namespace {

constexpr int kClientWidth = 917;
constexpr int kClientHeight = 791;
constexpr int kPageCount = 11;

char &CurrentDecimalSeparator()
{
    static char separator = '.';
    return separator;
}

void ReadDecimalSeparatorFromLocale()
{
    const QString point = QLocale::system().decimalPoint();
    const QChar first = point.isEmpty() ? QChar('.') : point.front();
    CurrentDecimalSeparator() = first.unicode() < 0x80 ? static_cast<char>(first.unicode()) : '.';
}

// Tahoma is rarely installed outside Windows; Wine's metric-compatible Tahoma comes closest.
void LoadTahomaWhereMissing()
{
    static bool tried = false;
    if (tried || QFontDatabase::hasFamily("Tahoma"))
        return;
    tried = true;
    for (const char *file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"})
        QFontDatabase::addApplicationFont(file);
}

}  // namespace

void SetRadioChecked(QRadioButton *button, bool checked)
{
    if (checked || !button->isChecked()) {
        button->setChecked(checked);
        return;
    }
    // An auto-exclusive button refuses to be cleared while it is the checked one.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

TfrmMain::TfrmMain(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    ReadDecimalSeparatorFromLocale();
    LoadTahomaWhereMissing();
    setObjectName("frmMain");
    setWindowTitle("Zolvik Tools");
    setFixedSize(kClientWidth, kClientHeight);
    setFont(controls::InterfaceFont(11));

    PageControl =
        controls::Make<QTabWidget>(this, "PageControl", {0, 0, kClientWidth, kClientHeight});

    struct PageInfo {
        QWidget *TfrmMain::*member;
        const char *name;
        const char *caption;
        void (TfrmMain::*build)(QWidget *);
    };
    const PageInfo pages[kPageCount] = {
        {&TfrmMain::TabSheet6, "TabSheet6", "Calculate Steinhart-Hart",
         &TfrmMain::CreateSteinhartPage},
        {&TfrmMain::TabSheet1, "TabSheet1", "Files - Converters and Creators",
         &TfrmMain::CreateFilesPage},
        {&TfrmMain::TabSheet5, "TabSheet5", "Links", &TfrmMain::CreateLinksPage},
        {&TfrmMain::TabSheet2, "TabSheet2", "Cursors", &TfrmMain::CreateCursorsPage},
        {&TfrmMain::TabSheet4, "TabSheet4", "Fonts", &TfrmMain::CreateFontsPage},
        {&TfrmMain::TabSheet8, "TabSheet8", "WorkTemp", &TfrmMain::CreateWorkTempPage},
        {&TfrmMain::TabSheet9, "TabSheet9", "MOD", &TfrmMain::CreateModPage},
        {&TfrmMain::TabSheet10, "TabSheet10", "AVR", &TfrmMain::CreateAvrPage},
        {&TfrmMain::TabSheet11, "TabSheet11", "LCD CGRAM", &TfrmMain::CreateLcdPage},
        {&TfrmMain::TabSheet7, "TabSheet7", "Report", &TfrmMain::CreateReportPage},
        {&TfrmMain::TabSheet3, "TabSheet3", "TabSheet3", &TfrmMain::CreateColorsPage},
    };
    for (const PageInfo &info : pages) {
        QWidget *page = new QWidget;
        page->setObjectName(info.name);
        this->*info.member = page;
        PageControl->addTab(page, info.caption);
        (this->*info.build)(page);
    }
    PageControl->setCurrentWidget(TabSheet5);  // design-time page, replaced by the stored one

    Button2 = controls::Make<CaptionOverPictureButton>(
        this, "Button2", {828, 708, 81, 75}, "Exit",
        style()->standardIcon(QStyle::SP_DialogCloseButton));
    Button2->raise();
    controls::OnClick(Button2, this, &TfrmMain::Button2Click);
    controls::TabChain({PageControl, Button2});

    FormCreate(this);
}

TfrmMain::~TfrmMain()
{
    FormDestroy(this);
}

void TfrmMain::FormCreate(QObject *)
{
    HandleErrors([&] {
        OpenSettings();
        ReadSettings();
    });
    HandleErrors([&] {
        // The colour list of the trial page: no callback, 10 x 10 slots of 15 pixels.
        ColorList = std::make_unique<TListColor>(sbxRemoveColor, TSlotColorFunction(), 2, 2, 15, 15,
                                                 0, 10, 10);
    });
    HandleErrors([&] {
        btn_CurClearClick(nullptr);
        memoLog->clear();
        SteinhartA = 0.0;
        SteinhartB = 0.0;
        SteinhartC = 0.0;
        edtCelciusChange(nullptr);
        ClearLcdChar();
    });
}

void TfrmMain::FormShow(QObject *)
{
    HandleErrors([&] {
        if (!SettingsFile)
            return;
        move(StoredPosition());
    });
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (FShownOnce)
        return;
    FShownOnce = true;
    FormShow(this);
    PlaceOnScreen();
}

namespace {

zolvik::ScreenRect ToScreenRect(const QRect &rect)
{
    return {rect.left(), rect.top(), rect.width(), rect.height()};
}

// The monitor closest to the rectangle, for a stored place that is on none of them.
QScreen *NearestScreenTo(const QRect &frame)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    std::vector<zolvik::ScreenRect> places;
    for (const QScreen *screen : screens)
        places.push_back(ToScreenRect(screen->geometry()));
    const int nearest = zolvik::NearestScreen(ToScreenRect(frame), places);
    return nearest < 0 ? nullptr : screens.at(nearest);
}

}  // namespace

void TfrmMain::PlaceOnScreen()
{
    const QRect frame = frameGeometry();
    QScreen *screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::screenAt(frame.topLeft());
    if (!screen)
        screen = NearestScreenTo(frame);
    if (!screen)
        screen = this->screen();
    if (!screen)
        return;
    const QRect work = screen->availableGeometry();
    int left = work.left() + (work.width() - frame.width()) / 2;
    int top = work.top() + (work.height() - frame.height()) / 2;
    const QRect desktop = screen->virtualGeometry();
    left = std::max(left, desktop.left());
    top = std::max(top, desktop.top());
    move(left, top);
}

void TfrmMain::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LocaleChange)
        ReadDecimalSeparatorFromLocale();
    QWidget::changeEvent(event);
}

void TfrmMain::FormDestroy(QObject *)
{
    HandleErrors([&] {
        if (SettingsFile)
            WriteSettings();
    });
    SettingsFile.reset();
    ColorList.reset();
}

void TfrmMain::Button2Click(QObject *)
{
    close();
    QCoreApplication::quit();
}

QString TfrmMain::ApplicationTitle()
{
    QString title = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    const qsizetype dot = title.indexOf('.');
    if (dot >= 0)
        title.truncate(dot);
    if (title.isEmpty())
        return title;
    return title.left(1) + title.mid(1).toLower();
}

char TfrmMain::DecimalSeparator()
{
    return CurrentDecimalSeparator();
}

void TfrmMain::ShowError(const QString &message)
{
    QString text = message;
    if (!text.isEmpty() && text.back() > QChar('.'))
        text += '.';
    platform::CurrentPrompts().ShowMessage(QApplication::activeWindow(), QMessageBox::Critical,
                                           ApplicationTitle(), text);
}

void TfrmMain::HandleErrors(const std::function<void()> &body)
{
    try {
        body();
    } catch (const std::exception &error) {
        ShowError(QString::fromStdString(error.what()));
    }
}
