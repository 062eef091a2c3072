// The workbench's points: typed into the table, pasted from a datasheet, read from a CSV file
// or made from a Beta model.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTableWidget>

#include <cmath>

#include "common/errors.h"
#include "common/number_text.h"
#include "main/main.h"
#include "main/thermistor_workbench.h"
#include "main/user_files.h"
#include "platform/prompts.h"
#include "tools/thermistor_table.h"

namespace {

// A datasheet table is a few hundred lines; anything near this is not one.
constexpr qint64 kTableLimit = 4 * 1024 * 1024;

QString CellText(const QTableWidget *table, int row, int column)
{
    const QTableWidgetItem *item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

}  // namespace

double WorkbenchNumber(const QString &text, const std::string &what)
{
    const std::string plain = text.trimmed().toStdString();
    const std::optional<long double> value = zolvik::ParseDecimalEitherSeparator(plain);
    if (!value || !std::isfinite(static_cast<double>(*value)))
        throw zolvik::Error(what + ": '" + plain + "' is not a number.");
    return static_cast<double>(*value);
}

std::vector<zolvik::ThermistorPoint> ThermistorWorkbench::TablePoints() const
{
    std::vector<zolvik::ThermistorPoint> points;
    for (int row = 0; row < tblPoints->rowCount(); ++row) {
        const QString celsius = CellText(tblPoints, row, 0);
        const QString ohms = CellText(tblPoints, row, 1);
        if (celsius.isEmpty() && ohms.isEmpty())
            continue;
        const std::string where = "Row " + std::to_string(row + 1);
        points.push_back({WorkbenchNumber(celsius, where), WorkbenchNumber(ohms, where)});
    }
    return points;
}

void ThermistorWorkbench::ShowPoints(const std::vector<zolvik::ThermistorPoint> &points)
{
    tblPoints->clearContents();
    tblPoints->setRowCount(static_cast<int>(points.size()));
    for (int row = 0; row < tblPoints->rowCount(); ++row) {
        const zolvik::ThermistorPoint &point = points[std::size_t(row)];
        for (int column = 0; column < 2; ++column) {
            const double value = column == 0 ? point.celsius : point.ohms;
            tblPoints->setItem(
                row, column,
                new QTableWidgetItem(QString::number(value, 'g', QLocale::FloatingPointShortest)));
        }
    }
}

void ThermistorWorkbench::btnPasteClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        const QString text = QGuiApplication::clipboard()->text();
        ShowPoints(zolvik::ParseThermistorTable(text.toStdString()));
        Refit();
    });
}

void ThermistorWorkbench::btnLoadCsvClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        const QString path = platform::CurrentPrompts().AskOpenFile(
            this, {.filter = "Tables (*.csv *.txt);;All files (*)", .defaultSuffix = "csv"});
        if (path.isEmpty())
            return;
        const QByteArray bytes = LoadUserFile(path, kTableLimit);
        ShowPoints(zolvik::ParseThermistorTable(
            std::string_view(bytes.constData(), std::size_t(bytes.size()))));
        Refit();
    });
}

void ThermistorWorkbench::btnAddPointClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        tblPoints->insertRow(tblPoints->rowCount());
        tblPoints->setCurrentCell(tblPoints->rowCount() - 1, 0);
    });
}

void ThermistorWorkbench::btnDeletePointClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        if (tblPoints->currentRow() >= 0)
            tblPoints->removeRow(tblPoints->currentRow());
    });
}

void ThermistorWorkbench::btnBetaPointsClick(QObject *)
{
    TfrmMain::HandleErrors([&] {
        const zolvik::BetaModel model{WorkbenchNumber(edtBetaR0->text(), "R0"),
                                      WorkbenchNumber(edtBetaT0->text(), "T0"),
                                      WorkbenchNumber(edtBetaB->text(), "B")};
        zolvik::CheckBetaModel(model);
        ShowPoints(zolvik::SampleBetaModel(model));
        Refit();
    });
}

void ThermistorWorkbench::btnFitClick(QObject *)
{
    TfrmMain::HandleErrors([&] { Refit(); });
}
