#include "render/thermistor_chart.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace {

const QColor kSteinhartColour(0, 0, 200);
const QColor kBetaColour(200, 0, 0);
const QColor kGridColour(220, 220, 220);

// Samples along each fitted curve.
constexpr int kCurveSteps = 200;

struct Span {
    double low = 0.0;
    double high = 1.0;
};

// A linear axis: value to coordinate between two ends of the plot.
double Scale(double value, Span span, double from, double to)
{
    return from + (value - span.low) / (span.high - span.low) * (to - from);
}

// A tick step of 1, 2 or 5 times a power of ten, giving at most about `most` ticks.
double TickStep(Span span, int most)
{
    const double rough = (span.high - span.low) / most;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= rough)
            return factor * power;
    return 10.0 * power;
}

QString OhmsText(double decade)
{
    const char *const units[] = {"", "k", "M", "G"};
    const int exponent = static_cast<int>(decade);
    const int unit = std::clamp(exponent / 3, 0, 3);
    return QString::number(std::pow(10.0, exponent - 3 * unit), 'g', 6) + units[unit];
}

QString NumberText(double value)
{
    return QString::number(std::abs(value) < 1e-12 ? 0.0 : value, 'g', 4);
}

Span TemperatureSpan(const ThermistorChart &chart)
{
    if (chart.points.empty())
        return {zolvik::kBetaRangeLow, zolvik::kBetaRangeHigh};
    const auto [coldest, hottest] =
        std::minmax_element(chart.points.begin(), chart.points.end(),
                            [](const auto &a, const auto &b) { return a.celsius < b.celsius; });
    if (coldest->celsius == hottest->celsius)
        return {coldest->celsius - 1.0, hottest->celsius + 1.0};
    return {coldest->celsius, hottest->celsius};
}

// A model's curve as (temperature, resistance) samples over the span; samples the model
// cannot give are left out.
std::vector<QPointF> Curve(const zolvik::ThermistorModel &model, Span span)
{
    std::vector<QPointF> samples;
    for (int i = 0; i <= kCurveSteps; ++i) {
        const double celsius = span.low + (span.high - span.low) * i / kCurveSteps;
        try {
            const double ohms = zolvik::ModelOhms(model, celsius);
            if (ohms > 0.0 && std::isfinite(ohms))
                samples.emplace_back(celsius, ohms);
        } catch (const std::exception &) {
        }
    }
    return samples;
}

// The decades of resistance the points and curves cover.
Span DecadeSpan(const ThermistorChart &chart, const std::vector<std::vector<QPointF>> &curves)
{
    double low = INFINITY, high = -INFINITY;
    auto take = [&](double ohms) {
        if (ohms > 0.0 && std::isfinite(ohms)) {
            low = std::min(low, std::log10(ohms));
            high = std::max(high, std::log10(ohms));
        }
    };
    for (const auto &point : chart.points)
        take(point.ohms);
    for (const auto &curve : curves)
        for (const QPointF &sample : curve)
            take(sample.y());
    if (!(low <= high))
        return {2.0, 6.0};
    Span span{std::floor(low), std::ceil(high)};
    if (span.high == span.low)
        span.high += 1.0;
    return span;
}

class Frame {
public:
    Frame(QPainter &painter, const QRectF &plot) : FPainter(painter), FPlot(plot) {}

    void Title(const QString &text)
    {
        FPainter.setPen(Qt::black);
        FPainter.drawText(QRectF(FPlot.left(), FPlot.top() - 20, FPlot.width(), 18),
                          Qt::AlignLeft | Qt::AlignVCenter, text);
    }

    void VerticalTicks(Span span, double step, bool decades)
    {
        const QFontMetricsF metrics(FPainter.font());
        for (double value = std::ceil(span.low / step) * step; value <= span.high + step * 1e-9;
             value += step) {
            const double y = Scale(value, span, FPlot.bottom(), FPlot.top());
            FPainter.setPen(kGridColour);
            FPainter.drawLine(QPointF(FPlot.left(), y), QPointF(FPlot.right(), y));
            FPainter.setPen(Qt::black);
            const QString text = decades ? OhmsText(value) : NumberText(value);
            FPainter.drawText(QPointF(FPlot.left() - 6 - metrics.horizontalAdvance(text),
                                      y + metrics.ascent() / 2 - 1),
                              text);
        }
    }

    void TemperatureTicks(Span span)
    {
        const QFontMetricsF metrics(FPainter.font());
        const double step = TickStep(span, 10);
        for (double value = std::ceil(span.low / step) * step; value <= span.high + step * 1e-9;
             value += step) {
            const double x = Scale(value, span, FPlot.left(), FPlot.right());
            FPainter.setPen(kGridColour);
            FPainter.drawLine(QPointF(x, FPlot.top()), QPointF(x, FPlot.bottom()));
            FPainter.setPen(Qt::black);
            const QString text = NumberText(value);
            FPainter.drawText(
                QPointF(x - metrics.horizontalAdvance(text) / 2, FPlot.bottom() + metrics.height()),
                text);
        }
    }

    void Border()
    {
        FPainter.setPen(QPen(Qt::black, 1));
        FPainter.setBrush(Qt::NoBrush);
        FPainter.drawRect(FPlot);
    }

    void Line(const std::vector<QPointF> &points, QColor colour)
    {
        if (points.size() < 2)
            return;
        QPainterPath path(points.front());
        for (std::size_t i = 1; i < points.size(); ++i)
            path.lineTo(points[i]);
        FPainter.setPen(QPen(colour, 2));
        FPainter.setBrush(Qt::NoBrush);
        FPainter.drawPath(path);
    }

    void Marks(const std::vector<QPointF> &points, QColor colour, double radius)
    {
        FPainter.setPen(QPen(Qt::black, 1));
        FPainter.setBrush(colour);
        for (const QPointF &point : points)
            FPainter.drawEllipse(point, radius, radius);
        FPainter.setBrush(Qt::NoBrush);
    }

private:
    QPainter &FPainter;
    QRectF FPlot;
};

void Legend(QPainter &painter, QPointF at, bool fitted)
{
    const QFontMetricsF metrics(painter.font());
    struct Entry {
        QString text;
        QColor colour;
    };
    std::vector<Entry> entries = {{"Points", Qt::yellow}};
    if (fitted) {
        entries.push_back({"Steinhart-Hart", kSteinhartColour});
        entries.push_back({"Beta", kBetaColour});
    }
    double x = at.x();
    for (const Entry &entry : entries) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(entry.colour);
        painter.drawRect(QRectF(x, at.y() - 8, 10, 10));
        painter.setBrush(Qt::NoBrush);
        painter.drawText(QPointF(x + 14, at.y() + 1), entry.text);
        x += 14 + metrics.horizontalAdvance(entry.text) + 16;
    }
}

void DrawResistancePlot(QPainter &painter, const QRectF &plot, const ThermistorChart &chart,
                        Span temperatures)
{
    std::vector<std::vector<QPointF>> curves;
    if (chart.fit) {
        curves.push_back(Curve(chart.fit->steinhart, temperatures));
        curves.push_back(Curve(chart.fit->beta, temperatures));
    }
    const Span decades = DecadeSpan(chart, curves);
    auto place = [&](double celsius, double ohms) {
        return QPointF(Scale(celsius, temperatures, plot.left(), plot.right()),
                       Scale(std::log10(ohms), decades, plot.bottom(), plot.top()));
    };

    Frame frame(painter, plot);
    frame.Title("Resistance (ohms, logarithmic) against temperature");
    frame.VerticalTicks(decades, 1.0, true);
    frame.TemperatureTicks(temperatures);
    painter.save();
    painter.setClipRect(plot.adjusted(-5, -5, 5, 5));
    const QColor colours[] = {kSteinhartColour, kBetaColour};
    for (std::size_t i = 0; i < curves.size(); ++i) {
        std::vector<QPointF> line;
        for (const QPointF &sample : curves[i])
            line.push_back(place(sample.x(), sample.y()));
        frame.Line(line, colours[i]);
    }
    std::vector<QPointF> marks;
    for (const auto &point : chart.points)
        if (point.ohms > 0.0 && std::isfinite(point.ohms))
            marks.push_back(place(point.celsius, point.ohms));
    frame.Marks(marks, Qt::yellow, 4.0);
    painter.restore();
    frame.Border();
    Legend(painter, QPointF(plot.left() + 10, plot.top() + 16), chart.fit.has_value());
}

// Each model's error at the points, joined in order of temperature.
void DrawErrorPlot(QPainter &painter, const QRectF &plot, const ThermistorChart &chart,
                   Span temperatures)
{
    Frame frame(painter, plot);
    frame.Title(QString::fromUtf8("Model error (K) at the points"));
    if (!chart.fit) {
        frame.TemperatureTicks(temperatures);
        frame.Border();
        return;
    }
    const std::vector<double> *errors[] = {&chart.fit->steinhartErrors.perPoint,
                                           &chart.fit->betaErrors.perPoint};
    double largest = 1e-3;
    for (const auto *perPoint : errors)
        for (double error : *perPoint)
            if (std::isfinite(error))
                largest = std::max(largest, std::abs(error));
    const double step = TickStep({-largest, largest}, 4);
    const Span span{-std::ceil(largest / step) * step, std::ceil(largest / step) * step};
    frame.VerticalTicks(span, step, false);
    frame.TemperatureTicks(temperatures);

    std::vector<std::size_t> order(chart.points.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return chart.points[a].celsius < chart.points[b].celsius;
    });
    painter.save();
    painter.setClipRect(plot.adjusted(-5, -5, 5, 5));
    const QColor colours[] = {kSteinhartColour, kBetaColour};
    for (int model = 0; model < 2; ++model) {
        std::vector<QPointF> line;
        for (std::size_t i : order)
            if (i < errors[model]->size() && std::isfinite((*errors[model])[i]))
                line.emplace_back(
                    Scale(chart.points[i].celsius, temperatures, plot.left(), plot.right()),
                    Scale((*errors[model])[i], span, plot.bottom(), plot.top()));
        frame.Line(line, colours[model]);
        frame.Marks(line, colours[model], 2.5);
    }
    painter.restore();
    frame.Border();
}

}  // namespace

void DrawThermistorChart(QPainter &painter, const QRectF &area, const ThermistorChart &chart)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const QFontMetricsF metrics(painter.font());
    const double left = area.left() + 12 + metrics.horizontalAdvance("100.00k");
    const double right = area.right() - 16;
    const double textLine = metrics.height();
    const double top = area.top() + 28;
    const double bottom = area.bottom() - 2 * textLine - 8;
    const double resistanceBottom = top + (bottom - top) * 0.62;
    const double errorTop = resistanceBottom + 2 * textLine + 24;

    const Span temperatures = TemperatureSpan(chart);
    DrawResistancePlot(painter, QRectF(QPointF(left, top), QPointF(right, resistanceBottom)), chart,
                       temperatures);
    DrawErrorPlot(painter, QRectF(QPointF(left, errorTop), QPointF(right, bottom)), chart,
                  temperatures);

    painter.setPen(Qt::black);
    const QString axis = QString::fromUtf8("Temperature (\u00B0C)");
    painter.drawText(QRectF(left, bottom + textLine + 4, right - left, textLine + 4),
                     Qt::AlignHCenter | Qt::AlignVCenter, axis);
    painter.restore();
}

QImage ThermistorChartImage(const ThermistorChart &chart, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawThermistorChart(painter, QRectF(QPointF(0, 0), size), chart);
    return image;
}

QByteArray ThermistorChartSvg(const ThermistorChart &chart, QSize size)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle("Thermistor fit");
    {
        QPainter painter(&generator);
        DrawThermistorChart(painter, QRectF(QPointF(0, 0), size), chart);
    }
    return buffer.data();
}
