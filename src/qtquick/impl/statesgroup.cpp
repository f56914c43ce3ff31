#include "statesgroup.h"

#include "quickelement.h"

namespace Quilt::Quick
{
using State = Element::State;

StatesGroup::StatesGroup(QuickElement* owner)
    : m_owner(owner)
{ }

StatesGroup::~StatesGroup() = default;

bool StatesGroup::hovered() const
{
    return m_states.testFlag(State::Hovered);
}

void StatesGroup::setHovered(bool on)
{
    setState(State::Hovered, on, &StatesGroup::hoveredChanged);
}

bool StatesGroup::activeFocus() const
{
    return m_states.testFlag(State::ActiveFocus);
}

void StatesGroup::setActiveFocus(bool on)
{
    setState(State::ActiveFocus, on, &StatesGroup::activeFocusChanged);
}

bool StatesGroup::visualFocus() const
{
    return m_states.testFlag(State::VisualFocus);
}

void StatesGroup::setVisualFocus(bool on)
{
    setState(State::VisualFocus, on, &StatesGroup::visualFocusChanged);
}

bool StatesGroup::pressed() const
{
    return m_states.testFlag(State::Pressed);
}

void StatesGroup::setPressed(bool on)
{
    setState(State::Pressed, on, &StatesGroup::pressedChanged);
}

bool StatesGroup::checked() const
{
    return m_states.testFlag(State::Checked);
}

void StatesGroup::setChecked(bool on)
{
    setState(State::Checked, on, &StatesGroup::checkedChanged);
}

bool StatesGroup::enabled() const
{
    return !m_states.testFlag(State::Disabled);
}

void StatesGroup::setEnabled(bool on)
{
    setState(State::Disabled, !on, &StatesGroup::enabledChanged);
}

bool StatesGroup::highlighted() const
{
    return m_states.testFlag(State::Highlighted);
}

void StatesGroup::setHighlighted(bool on)
{
    setState(State::Highlighted, on, &StatesGroup::highlightedChanged);
}

Element::States StatesGroup::activeStates() const
{
    return m_states;
}

void StatesGroup::setState(State state, bool on, void (StatesGroup::*changed)())
{
    Element::States states = m_states;
    states.setFlag(state, on);
    if (states == m_states) {
        return;
    }
    m_states = states;
    Q_EMIT(this->*changed)();
    Q_EMIT activeStatesChanged();
    // The element's change event comes back to the owner, which finds this
    // group equal already and re-queries.
    m_owner->setActiveStates(states);
}

void StatesGroup::followElement(Element::States states)
{
    if (states == m_states) {
        return;
    }
    const Element::States changed = states ^ m_states;
    m_states = states;
    const std::pair<State, void (StatesGroup::*)()> order[] = {
        { State::Hovered, &StatesGroup::hoveredChanged },
        { State::ActiveFocus, &StatesGroup::activeFocusChanged },
        { State::VisualFocus, &StatesGroup::visualFocusChanged },
        { State::Pressed, &StatesGroup::pressedChanged },
        { State::Checked, &StatesGroup::checkedChanged },
        { State::Highlighted, &StatesGroup::highlightedChanged },
        { State::Disabled, &StatesGroup::enabledChanged },
    };
    for (const auto& [state, signal] : order) {
        if (changed.testFlag(state)) {
            Q_EMIT(this->*signal)();
        }
    }
    Q_EMIT activeStatesChanged();
}
} // namespace Quilt::Quick
