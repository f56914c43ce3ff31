#pragma once

#include <QtCore/QObject>
#include <QtQml/qqmlregistration.h>

#include "element.h"
#include "quickimplglobal.h"

namespace Quilt::Quick
{
class QuickElement;

// The grouped property `Element.states`: one boolean per state bit, so that
// controls bind each state to a property of their own.
class QUILT_QUICK_EXPORT StatesGroup : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool hovered READ hovered WRITE setHovered NOTIFY hoveredChanged FINAL)
    Q_PROPERTY(bool activeFocus READ activeFocus WRITE setActiveFocus NOTIFY activeFocusChanged FINAL)
    Q_PROPERTY(bool visualFocus READ visualFocus WRITE setVisualFocus NOTIFY visualFocusChanged FINAL)
    Q_PROPERTY(bool pressed READ pressed WRITE setPressed NOTIFY pressedChanged FINAL)
    Q_PROPERTY(bool checked READ checked WRITE setChecked NOTIFY checkedChanged FINAL)
    Q_PROPERTY(bool enabled READ enabled WRITE setEnabled NOTIFY enabledChanged FINAL)
    Q_PROPERTY(bool highlighted READ highlighted WRITE setHighlighted NOTIFY highlightedChanged FINAL)
    Q_PROPERTY(Quilt::Element::States activeStates READ activeStates NOTIFY activeStatesChanged FINAL)
    QML_NAMED_ELEMENT(States)
    QML_UNCREATABLE("Grouped property")

public:
    explicit StatesGroup(QuickElement* owner);
    ~StatesGroup() override;

    bool hovered() const;
    void setHovered(bool on);
    bool activeFocus() const;
    void setActiveFocus(bool on);
    bool visualFocus() const;
    void setVisualFocus(bool on);
    bool pressed() const;
    void setPressed(bool on);
    bool checked() const;
    void setChecked(bool on);
    // The inverse of Disabled, so that a fresh group reads enabled.
    bool enabled() const;
    void setEnabled(bool on);
    bool highlighted() const;
    void setHighlighted(bool on);

    Element::States activeStates() const;
    // Takes states that the element already holds and announces every
    // property whose value changed; used when the element changed first.
    void followElement(Element::States states);

Q_SIGNALS:
    void hoveredChanged();
    void activeFocusChanged();
    void visualFocusChanged();
    void pressedChanged();
    void checkedChanged();
    void enabledChanged();
    void highlightedChanged();
    void activeStatesChanged();

private:
    void setState(Element::State state, bool on, void (StatesGroup::*changed)());

    QuickElement* m_owner;
    Element::States m_states;
};
} // namespace Quilt::Quick
