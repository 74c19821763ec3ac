#pragma once

#include "elements/ChartProperties.h"
#include "elements/PhaseAtTemperature.h"

#include <QWidget>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSlider;

// The tool window "温度": a temperature typed in °C or K, or set by a slider or the room
// temperature button. Every change reads the element data file and reports the state of
// each element; the window counts them. It knows nothing of the grid.
class TemperatureWindow : public QWidget {
    Q_OBJECT
public:
    using Unit = ChartProperties::TemperatureUnit;  // the charts' unit type

    static constexpr double kMinKelvin = 0;
    static constexpr double kMaxKelvin = 6000;
    static constexpr double kRoomKelvin = 25 + PhaseAtTemperature::kCelsiusZero;

    // A tool window above `owner`'s window, closed with it; nothing is read until setKelvin.
    explicit TemperatureWindow(QWidget *owner);

    double kelvin() const { return m_kelvin; }
    // Shows `kelvin` (clamped to the slider's range) in every control and applies it.
    void setKelvin(double kelvin);
    void setUnit(Unit unit);

    QDoubleSpinBox *temperatureBox() const { return m_box; }
    QComboBox *unitList() const { return m_unit; }
    QSlider *slider() const { return m_slider; }
    QPushButton *roomButton() const { return m_room; }
    QLabel *countsLabel() const { return m_counts; }

signals:
    // After each change of temperature, with the state of every element in the file.
    void phasesRead(double kelvin, const PhaseAtTemperature::Phases &phases);
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void connectControls();
    Unit unit() const;
    void showInControls();
    void apply();
    void showCounts(const PhaseAtTemperature::Phases &phases);

    double m_kelvin = kRoomKelvin;
    QDoubleSpinBox *m_box = nullptr;
    QComboBox *m_unit = nullptr;
    QSlider *m_slider = nullptr;
    QPushButton *m_room = nullptr;
    QLabel *m_counts = nullptr;
};
