// "AVR", below the prescaler: the settings a real timer offers for the page's clock and
// period, each with the period it reaches, its error and the register values to write.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "main/controls.h"
#include "main/main.h"
#include "common/errors.h"
#include "common/number_text.h"
#include "tools/prescaler.h"
#include "tools/timer_catalog.h"

namespace {

// The choices of cbbTimer, in order, with the name the timer catalogue knows them by; the
// custom timer's name is made from its fields.
const struct {
    const char *caption;
    const char *name;
} kTimers[] = {
    {"AVR Timer0 (8 bits)", "avr0"},
    {"AVR Timer1 (16 bits)", "avr1"},
    {"AVR Timer2 (8 bits)", "avr2"},
    {"General 16-bit timer", "gp16"},
    {"Custom", nullptr},
};

const char *const kHeadings[] = {"Prescaler", "Count", "Period (s)", "Error (ppm)", "Registers"};
const int kColumnWidths[] = {80, 80, 140, 140, 260};

}  // namespace

void TfrmMain::CreateTimerTable(QWidget *page)
{
    using namespace controls;
    const struct {
        const char *caption;
        int left;
    } captions[] = {{"Timer", 24}, {"Prescalers", 224}, {"Counter bits", 424}};
    for (const auto &caption : captions)
        Make<QLabel>(page, {}, {caption.left, 248, 185, 14}, caption.caption);

    cbbTimer = Make<QComboBox>(page, "cbbTimer", {24, 264, 185, 24});
    for (const auto &timer : kTimers)
        cbbTimer->addItem(timer.caption);
    edtTimerPrescalers = Make<QLineEdit>(page, "edtTimerPrescalers", {224, 264, 185, 24},
                                         QString("1,8,64,256,1024"));
    spiTimerBits = Make<QSpinBox>(page, "spiTimerBits", {424, 264, 80, 24});
    spiTimerBits->setRange(1, 32);
    spiTimerBits->setValue(16);
    btnTimerPairs =
        Make<QPushButton>(page, "btnTimerPairs", {520, 262, 160, 28}, "List timer settings");

    grdTimerPairs = Make<QTableWidget>(page, "grdTimerPairs", {24, 300, 869, 396});
    grdTimerPairs->horizontalHeader()->hide();
    grdTimerPairs->verticalHeader()->hide();
    grdTimerPairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTimerPairs->setColumnCount(int(std::size(kHeadings)));
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        grdTimerPairs->setColumnWidth(column, kColumnWidths[column]);
    grdTimerPairs->horizontalHeader()->setStretchLastSection(true);

    On(cbbTimer, &QComboBox::currentIndexChanged, this, &TfrmMain::cbbTimerChange);
    OnClick(btnTimerPairs, this, &TfrmMain::btnTimerPairsClick);
    cbbTimerChange(cbbTimer);
}

void TfrmMain::cbbTimerChange(QObject *)
{
    const bool custom = kTimers[cbbTimer->currentIndex()].name == nullptr;
    edtTimerPrescalers->setEnabled(custom);
    spiTimerBits->setEnabled(custom);
}

void TfrmMain::btnTimerPairsClick(QObject *)
{
    HandleErrors([&] {
        // The clock and period as "Calculate >>" reads them.
        const std::int32_t clockHz =
            zolvik::StrToIntDef(edtF_CPU->text().toStdString(), zolvik::kDefaultClockHz);
        const std::int32_t periodMs =
            zolvik::StrToIntDef(edtMS->text().toStdString(), zolvik::kDefaultPeriodMs);
        if (clockHz <= 0 || periodMs <= 0)
            throw zolvik::Error("The clock and the period must be greater than zero.");

        const char *name = kTimers[cbbTimer->currentIndex()].name;
        const zolvik::TimerSpec timer = zolvik::TimerByName(
            name ? std::string(name)
                 : "custom:" + edtTimerPrescalers->text().remove(' ').toStdString() + ":" +
                       std::to_string(spiTimerBits->value()));
        const std::vector<zolvik::TimerPair> pairs =
            zolvik::TimerPairs(timer, std::uint64_t(clockHz), {std::uint64_t(periodMs), 1000});

        grdTimerPairs->clearContents();
        grdTimerPairs->setRowCount(int(pairs.size()) + 1);
        for (int column = 0; column < int(std::size(kHeadings)); ++column) {
            auto *heading = new QTableWidgetItem(kHeadings[column]);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            grdTimerPairs->setItem(0, column, heading);
        }
        for (int row = 0; row < int(pairs.size()); ++row) {
            const zolvik::TimerPairTexts texts = zolvik::TimerPairFields(pairs[row]);
            const std::string *cells[] = {&texts.prescaler, &texts.count, &texts.period,
                                          &texts.errorPpm, &texts.registers};
            for (int column = 0; column < int(std::size(cells)); ++column)
                grdTimerPairs->setItem(
                    row + 1, column, new QTableWidgetItem(QString::fromStdString(*cells[column])));
        }
    });
}
