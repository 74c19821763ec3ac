#pragma once

#include <QWidget>
#include <optional>

#include "colouring/Legend.h"

// The legend of the colouring chosen in the tool window, drawn as it is on paper; a screen
// reader reads it as one text. Empty while nothing colours the table.
class LegendView : public QWidget {
    Q_OBJECT
public:
    explicit LegendView(QWidget *parent);

    void setLegend(const std::optional<LegendData> &legend);
    const std::optional<LegendData> &legend() const { return m_legend; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<LegendData> m_legend;
};
