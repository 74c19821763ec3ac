#include "TemperatureWindow.h"

#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>

using PhaseAtTemperature::kCelsiusZero;
using PhaseAtTemperature::Phase;

namespace {

const QColor kDialogGrey(192, 192, 192);  // the options dialog's ground
constexpr int kDecimals = 2;
constexpr int kSliderPageKelvin = 100;
constexpr int kTickKelvin = 500;
constexpr int kSliderChars = 48;  // wide enough to set a temperature to about 10 K by mouse
// The unit list: °C first.
constexpr int kCelsiusItem = 0;
constexpr int kKelvinItem = 1;

double fromKelvin(double kelvin, TemperatureWindow::Unit unit)
{
    return unit == TemperatureWindow::Unit::Celsius ? kelvin - kCelsiusZero : kelvin;
}

double toKelvin(double value, TemperatureWindow::Unit unit)
{
    return unit == TemperatureWindow::Unit::Celsius ? value + kCelsiusZero : value;
}

QString suffixOf(TemperatureWindow::Unit unit)
{
    return unit == TemperatureWindow::Unit::Celsius ? QStringLiteral(" °C") : QStringLiteral(" K");
}

}  // namespace

TemperatureWindow::TemperatureWindow(QWidget *owner) : QWidget(owner->window())
{
    setObjectName(QStringLiteral("frm_Temperature"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("温度"));
    setFont(Fonts::sansSerif(9, false));
    Palette::paintGround(this, kDialogGrey);
    createControls();
    connectControls();
    setUnit(Unit::Celsius);
}

void TemperatureWindow::createControls()
{
    auto *label = new QLabel(QStringLiteral("温度(&T)："), this);
    m_box = new QDoubleSpinBox(this);
    m_box->setObjectName(QStringLiteral("temperatureBox"));
    m_box->setDecimals(kDecimals);
    m_box->setKeyboardTracking(false);  // a typed number counts on Enter, not per digit
    m_box->setAccessibleName(QStringLiteral("温度"));
    label->setBuddy(m_box);
    m_unit = new QComboBox(this);
    m_unit->addItems({QStringLiteral("°C"), QStringLiteral("K")});
    m_unit->setAccessibleName(QStringLiteral("温度单位"));
    m_slider = new QSlider(Qt::Horizontal, this);
    m_slider->setRange(int(kMinKelvin), int(kMaxKelvin));
    m_slider->setPageStep(kSliderPageKelvin);
    m_slider->setTickInterval(kTickKelvin);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setMinimumWidth(m_slider->fontMetrics().averageCharWidth() * kSliderChars);
    m_slider->setAccessibleName(QStringLiteral("温度（K），0 到 6000"));
    m_room = new QPushButton(QStringLiteral("25 °C"), this);
    m_room->setAccessibleDescription(QStringLiteral("设为室温 25 °C"));
    m_room->setAutoDefault(false);
    m_counts = new QLabel(this);
    m_counts->setAccessibleName(QStringLiteral("各物态的元素数"));

    auto *grid = new QGridLayout(this);
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_box, 0, 1);
    grid->addWidget(m_unit, 0, 2);
    grid->addWidget(m_room, 0, 3);
    grid->addWidget(m_slider, 1, 0, 1, 4);
    grid->addWidget(m_counts, 2, 0, 1, 4);
    setTabOrder(m_box, m_unit);
    setTabOrder(m_unit, m_room);
    setTabOrder(m_room, m_slider);
}

void TemperatureWindow::connectControls()
{
    connect(m_box, &QDoubleSpinBox::valueChanged, this,
            [this](double value) { setKelvin(toKelvin(value, unit())); });
    connect(m_slider, &QSlider::valueChanged, this, [this](int k) { setKelvin(k); });
    connect(m_room, &QPushButton::clicked, this, [this] { setKelvin(kRoomKelvin); });
    connect(m_unit, &QComboBox::currentIndexChanged, this, [this] { setUnit(unit()); });
}

TemperatureWindow::Unit TemperatureWindow::unit() const
{
    return m_unit->currentIndex() == kCelsiusItem ? Unit::Celsius : Unit::Kelvin;
}

void TemperatureWindow::setUnit(Unit unit)
{
    const QSignalBlocker blockList(m_unit);
    const QSignalBlocker blockBox(m_box);
    m_unit->setCurrentIndex(unit == Unit::Celsius ? kCelsiusItem : kKelvinItem);
    m_box->setSuffix(suffixOf(unit));
    m_box->setRange(fromKelvin(kMinKelvin, unit), fromKelvin(kMaxKelvin, unit));
    showInControls();
}

void TemperatureWindow::setKelvin(double kelvin)
{
    m_kelvin = qBound(kMinKelvin, kelvin, kMaxKelvin);
    showInControls();
    apply();
}

// Each control shows the one temperature; none of them answers the others' changes.
void TemperatureWindow::showInControls()
{
    const QSignalBlocker blockBox(m_box);
    const QSignalBlocker blockSlider(m_slider);
    m_box->setValue(fromKelvin(m_kelvin, unit()));
    m_slider->setValue(qRound(m_kelvin));
    m_slider->setAccessibleDescription(QStringLiteral("%1 K").arg(m_kelvin, 0, 'f', kDecimals));
}

void TemperatureWindow::apply()
{
    Dialogs::runHandler(this, [this] {
        const PhaseAtTemperature::Phases phases = PhaseAtTemperature::readPhases(m_kelvin);
        showCounts(phases);
        emit phasesRead(m_kelvin, phases);
    });
}

void TemperatureWindow::showCounts(const PhaseAtTemperature::Phases &phases)
{
    const std::array<int, PhaseAtTemperature::kPhaseCount> counts =
        PhaseAtTemperature::count(phases);
    QStringList parts;
    for (const Phase phase : {Phase::Solid, Phase::Liquid, Phase::Gas, Phase::Unknown})
        parts << QStringLiteral("%1 %2")
                     .arg(PhaseAtTemperature::name(phase))
                     .arg(counts[static_cast<int>(phase)]);
    const QString text = parts.join(QStringLiteral("，"));
    m_counts->setText(text);
    // Said with the temperature whenever the box takes the focus, and by screen readers
    // that follow description changes also as it changes.
    m_box->setAccessibleDescription(text);
}

void TemperatureWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Typing a number replaces the one shown.
    m_box->setFocus(Qt::OtherFocusReason);
    m_box->selectAll();
}

void TemperatureWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TemperatureWindow::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}
