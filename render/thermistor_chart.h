#pragma once
// The thermistor chart: a table's points with the fitted Steinhart-Hart and Beta curves
// (resistance on a logarithmic axis against temperature) over the error of each model at the
// points. One drawing on any painter, so the screen, the PNG and the SVG show the same picture.
#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSize>

#include <optional>
#include <vector>

#include "tools/thermistor_fit.h"

class QPainter;

struct ThermistorChart {
    std::vector<zolvik::ThermistorPoint> points;
    std::optional<zolvik::ThermistorFit> fit;  // none before a fit: the points alone
};

// Paints the chart over `area` with the painter's font; an empty chart is a blank frame.
void DrawThermistorChart(QPainter &painter, const QRectF &area, const ThermistorChart &chart);

// The chart as a picture of `size` pixels on white, and as the text of an SVG file.
QImage ThermistorChartImage(const ThermistorChart &chart, QSize size);
QByteArray ThermistorChartSvg(const ThermistorChart &chart, QSize size);
