// The Steinhart-Hart page's way into the thermistor workbench, which starts from the page's
// three calibration points.
#include <QLineEdit>
#include <QPushButton>

#include "main/controls.h"
#include "main/main.h"
#include "main/thermistor_workbench.h"
#include "tools/steinhart_hart.h"

void TfrmMain::CreateSteinhartWorkbenchButton(QWidget *page)
{
    using namespace controls;
    btnThermistorWorkbench =
        Make<QPushButton>(page, "btnThermistorWorkbench", {778, 296, 121, 25}, "Workbench...");
    OnClick(btnThermistorWorkbench, this, &TfrmMain::btnThermistorWorkbenchClick);
}

void TfrmMain::btnThermistorWorkbenchClick(QObject *)
{
    HandleErrors([&] {
        if (!Workbench) {
            // Read as "Calculate Constants" reads them; a row left empty is no point.
            const char separator = DecimalSeparator();
            const QLineEdit *const rows[3][2] = {{edtT1, edtR1}, {edtT2, edtR2}, {edtT3, edtR3}};
            std::vector<zolvik::ThermistorPoint> points;
            for (const auto &row : rows) {
                if (row[0]->text().isEmpty() && row[1]->text().isEmpty())
                    continue;
                points.push_back(
                    {zolvik::ReadDecimalField(row[0]->text().toStdString(),
                                              zolvik::kUnreadableTemperature, separator)
                         .value,
                     zolvik::ReadDecimalField(row[1]->text().toStdString(),
                                              zolvik::kUnreadableResistance, separator)
                         .value});
            }
            Workbench = new ThermistorWorkbench(this, points);
        }
        Workbench->show();
        Workbench->raise();
        Workbench->activateWindow();
    });
}
