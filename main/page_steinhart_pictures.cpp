// The Steinhart-Hart page's pictures, drawn at start: the resistance-temperature chart of an
// NTC thermistor beside an RTD, and the formula that turns the constants into a temperature.
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

#include "main/controls.h"
#include "main/main.h"

namespace {

constexpr int kChartWidth = 420;
constexpr int kChartHeight = 330;
constexpr int kFormulaWidth = 420;
constexpr int kFormulaHeight = 86;

// Temperatures shown on the chart's axis, in degrees Celsius.
constexpr double kChartColdest = -50.0;
constexpr double kChartHottest = 150.0;

QPixmap DrawChart()
{
    QPixmap picture(kChartWidth, kChartHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF plot(64, 24, kChartWidth - 90, kChartHeight - 86);
    auto xOf = [&](double celsius) {
        return plot.left() +
               (celsius - kChartColdest) / (kChartHottest - kChartColdest) * plot.width();
    };
    // Heights as a share of the plot, 0 at the axis and 1 at the top.
    auto yOf = [&](double share) { return plot.bottom() - share * plot.height(); };

    // Axes with arrow heads.
    painter.setPen(QPen(Qt::black, 1.5));
    painter.drawLine(QPointF(plot.left(), plot.bottom()),
                     QPointF(plot.right() + 10, plot.bottom()));
    painter.drawLine(QPointF(plot.left(), plot.bottom()), QPointF(plot.left(), plot.top() - 10));
    painter.setBrush(Qt::black);
    painter.drawPolygon(QPolygonF({QPointF(plot.right() + 14, plot.bottom()),
                                   QPointF(plot.right() + 6, plot.bottom() - 4),
                                   QPointF(plot.right() + 6, plot.bottom() + 4)}));
    painter.drawPolygon(
        QPolygonF({QPointF(plot.left(), plot.top() - 14), QPointF(plot.left() - 4, plot.top() - 6),
                   QPointF(plot.left() + 4, plot.top() - 6)}));
    painter.setBrush(Qt::NoBrush);

    // Temperature ticks.
    painter.setFont(controls::InterfaceFont(12));
    const QFontMetrics metrics(painter.font());
    const struct {
        double celsius;
        const char *text;
    } ticks[] = {{-50.0, "-50"}, {25.0, "25"}, {150.0, "+150"}};
    for (const auto &tick : ticks) {
        const double x = xOf(tick.celsius);
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 5));
        const int width = metrics.horizontalAdvance(tick.text);
        painter.drawText(QPointF(x - width / 2.0, plot.bottom() + 19), tick.text);
    }
    const QString xTitle = QString::fromUtf8("Temperature (\u00B0C)");
    painter.drawText(
        QPointF(plot.center().x() - metrics.horizontalAdvance(xTitle) / 2.0, plot.bottom() + 40),
        xTitle);
    painter.save();
    painter.translate(24, plot.center().y());
    painter.rotate(-90);
    const QString yTitle = "Resistance (ohms)";
    painter.drawText(QPointF(-metrics.horizontalAdvance(yTitle) / 2.0, 0), yTitle);
    painter.restore();

    // The NTC thermistor: resistance falling steeply with temperature.
    auto ntcShare = [](double celsius) {
        return 0.04 + 0.9 * std::exp(-(celsius - kChartColdest) / 42.0);
    };
    QPainterPath ntc;
    for (double t = kChartColdest; t <= kChartHottest; t += 1.0) {
        const QPointF point(xOf(t), yOf(ntcShare(t)));
        if (t == kChartColdest)
            ntc.moveTo(point);
        else
            ntc.lineTo(point);
    }
    painter.setPen(QPen(QColor(0, 0, 200), 2.5));
    painter.drawPath(ntc);

    // The RTD: a resistance that rises almost in a straight line.
    painter.setPen(QPen(QColor(200, 0, 0), 2.5));
    painter.drawLine(QPointF(xOf(kChartColdest), yOf(0.12)), QPointF(xOf(kChartHottest), yOf(0.5)));

    painter.setFont(controls::InterfaceFont(13, controls::kBold));
    painter.setPen(QColor(0, 0, 200));
    painter.drawText(QPointF(xOf(-22.0), yOf(0.86)), "NTC Thermistor");
    painter.setPen(QColor(200, 0, 0));
    painter.drawText(QPointF(xOf(118.0), yOf(0.58)), "RTD");

    // The three calibration points: the extremes of the range and the point halfway.
    const struct {
        double celsius;
        const char *name;
    } marks[] = {{-20.0, "T1"}, {35.0, "T2"}, {90.0, "T3"}};
    painter.setFont(controls::InterfaceFont(12, controls::kBold));
    for (const auto &mark : marks) {
        const QPointF point(xOf(mark.celsius), yOf(ntcShare(mark.celsius)));
        painter.setPen(QPen(Qt::darkGray, 1, Qt::DashLine));
        painter.drawLine(point, QPointF(point.x(), plot.bottom()));
        painter.setPen(QPen(Qt::black, 1.5));
        painter.setBrush(Qt::yellow);
        painter.drawEllipse(point, 4.5, 4.5);
        painter.setBrush(Qt::NoBrush);
        painter.drawText(point + QPointF(7, -7), mark.name);
    }

    painter.setPen(Qt::gray);
    painter.drawRect(QRectF(0.5, 0.5, kChartWidth - 1, kChartHeight - 1));
    return picture;
}

// T = 1 / (A + B ln(R) + C ln(R)^3) - 273.15, the reciprocal written as a fraction.
QPixmap DrawFormula()
{
    QPixmap picture(kFormulaWidth, kFormulaHeight);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);

    const QFont text = controls::InterfaceFont(18, controls::kItalic);
    const QFont small = controls::InterfaceFont(12, controls::kItalic);
    const QFontMetrics metrics(text);
    const QFontMetrics smallMetrics(small);
    const double middle = kFormulaHeight / 2.0;
    const double baselineShift = metrics.ascent() / 2.0 - 1;

    const QString left = "T = ";
    const QString denominator = QString::fromUtf8("A + B\u00B7ln(R) + C\u00B7ln(R)");
    const QString cube = "3";
    const QString right = QString::fromUtf8(" \u2212 273.15");

    const double fractionWidth =
        metrics.horizontalAdvance(denominator) + smallMetrics.horizontalAdvance(cube) + 6;
    const double total =
        metrics.horizontalAdvance(left) + fractionWidth + metrics.horizontalAdvance(right);
    double x = (kFormulaWidth - total) / 2.0;

    painter.setFont(text);
    painter.drawText(QPointF(x, middle + baselineShift), left);
    x += metrics.horizontalAdvance(left);

    const double fractionLeft = x;
    painter.drawLine(QPointF(fractionLeft, middle), QPointF(fractionLeft + fractionWidth, middle));
    painter.drawText(
        QPointF(fractionLeft + (fractionWidth - metrics.horizontalAdvance("1")) / 2.0, middle - 6),
        "1");
    const double denominatorBase = middle + metrics.ascent() + 4;
    painter.drawText(QPointF(fractionLeft + 3, denominatorBase), denominator);
    painter.setFont(small);
    painter.drawText(QPointF(fractionLeft + 3 + metrics.horizontalAdvance(denominator),
                             denominatorBase - metrics.ascent() / 2.0),
                     cube);
    x += fractionWidth;

    painter.setFont(text);
    painter.drawText(QPointF(x, middle + baselineShift), right);

    painter.setPen(Qt::gray);
    painter.drawRect(QRectF(0.5, 0.5, kFormulaWidth - 1, kFormulaHeight - 1));
    return picture;
}

}  // namespace

void TfrmMain::CreateSteinhartPictures(QWidget *page)
{
    using namespace controls;
    Make<QLabel>(page, "imgSteinhartChart", {16, 20, kChartWidth, kChartHeight})
        ->setPixmap(DrawChart());
    Make<QLabel>(page, "imgSteinhartFormula", {16, 362, kFormulaWidth, kFormulaHeight})
        ->setPixmap(DrawFormula());
    Make<QLabel>(page, "lblSteinhartT", {16, 458, kFormulaWidth, 16},
                 "T = Temperature in degrees Celsius");
    Make<QLabel>(page, "lblSteinhartR", {16, 478, kFormulaWidth, 16},
                 "R = Thermistor resistance in ohms");
}
