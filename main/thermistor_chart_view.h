#pragma once
// The thermistor chart on screen, painted by the same drawing as its exports.
#include <QWidget>

#include "render/thermistor_chart.h"

class ThermistorChartView : public QWidget {
    Q_OBJECT

public:
    explicit ThermistorChartView(QWidget *parent = nullptr) : QWidget(parent) {}

    void SetChart(const ThermistorChart &chart);
    const ThermistorChart &Chart() const { return FChart; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ThermistorChart FChart;
};
