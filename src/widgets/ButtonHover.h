#pragma once

#include "ImageButtons.h"

// The hover of a window's picture buttons, the same in the main window, the options dialog
// and the chart window: moving onto a normal picture shows its highlight in place of the
// one shown before; moving over the window's bare surface, or tabbing out of the toolbar,
// hides it. Which highlight shows is shared by all the windows' toolbars and kept in their
// shared state (AppState, which this layer does not see): `SharedState` offers
// HighlightedButton() and setHighlightedButton(qint16).
template <typename SharedState>
class ButtonHover {
public:
    ButtonHover(ImageButtonArray &buttons, SharedState &state) : m_buttons(buttons), m_state(state)
    {
    }

    // Onto picture `index`; a highlight picture changes nothing.
    void moved(int index)
    {
        m_state.setHighlightedButton(qint16(m_buttons.hover(index, m_state.HighlightedButton())));
    }

    // Off the buttons.
    void left() { m_buttons.reset(m_state.HighlightedButton()); }

private:
    ImageButtonArray &m_buttons;
    SharedState &m_state;
};
