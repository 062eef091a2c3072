#include "main/thermistor_chart_view.h"

#include <QPainter>

void ThermistorChartView::SetChart(const ThermistorChart &chart)
{
    FChart = chart;
    update();
}

void ThermistorChartView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    DrawThermistorChart(painter, QRectF(rect()), FChart);
}
