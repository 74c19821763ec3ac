#include "AppState.h"

namespace {

// Stores `value` and announces it, only when it changes.
template <typename T, typename Signal>
void update(AppState *state, T &member, const T &value, Signal signal)
{
    if (member == value) return;
    member = value;
    emit(state->*signal)(value);
}

}  // namespace

AppState::AppState(QObject *parent) : QObject(parent) {}

void AppState::setSettings(const Settings::Values &values)
{
    update(this, m_settings, values, &AppState::settingsChanged);
}

void AppState::setOptionsWindowOpen(qint16 open)
{
    update(this, m_optionsWindowOpen, open, &AppState::optionsWindowOpenChanged);
}

void AppState::setChartWindowOpen(qint16 open)
{
    update(this, m_chartWindowOpen, open, &AppState::chartWindowOpenChanged);
}

void AppState::setNormalGridShown(qint16 shown)
{
    update(this, m_normalGridShown, shown, &AppState::normalGridShownChanged);
}

void AppState::setHighlightedButton(qint16 command)
{
    update(this, m_highlightedButton, command, &AppState::highlightedButtonChanged);
}

void AppState::setChartProperty(qint16 property)
{
    update(this, m_chartProperty, property, &AppState::chartPropertyChanged);
}

void AppState::setLastButton(qint16 command)
{
    update(this, m_lastButton, command, &AppState::lastButtonChanged);
}
