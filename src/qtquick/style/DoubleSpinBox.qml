import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import org.vyr.quilt.impl as Quilt

T.DoubleSpinBox {
    id: control

    Quilt.Style.applied: "padding insets font"
    Quilt.Element.type: "SpinBox"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"
    Quilt.Element.hintFlags: ({
        "editable": control.editable,
        "constrained": d.constrained,
        "doublespinbox": true
    })

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, Quilt.Positioner.implicitWidth)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, Quilt.Positioner.implicitHeight)

    editable: true
    wheelEnabled: true

    Quilt.Positioner.positionItems: [contentItem, up.indicator, down.indicator]

    validator: DoubleValidator {
        locale: control.locale.name
        decimals: control.decimals
        bottom: Math.min(control.from, control.to)
        top: Math.max(control.from, control.to)
    }

    QtObject {
        id: d

        // The range end with the longer text, in the default locale: the
        // field is sized for it whatever value it shows. An application's
        // textFromValue may return null or a number.
        property TextMetrics metrics: TextMetrics {
            font: control.font
            text: {
                const upper = String(control.textFromValue(control.to, control.decimals, Qt.locale()) ?? "")
                const lower = String(control.textFromValue(control.from, control.decimals, Qt.locale()) ?? "")
                return lower.length > upper.length ? lower : upper
            }
        }

        // A bare spin box with a bare indicator, outside the item tree: the
        // space test reads the width the style gives an indicator whatever
        // hints this control carries, so "constrained" cannot flip its own
        // input.
        property Item unconstrained: Item {
            Quilt.Element.type: "SpinBox"

            Item {
                id: measuringIndicator
                Quilt.Element.type: "Indicator"
                width: Quilt.Style.properties.layout.width ?? 0
            }
        }

        // A positive preferred width counts even beside a smaller maximum.
        readonly property bool constrained: {
            const available = control.Layout.preferredWidth > 0 ? control.Layout.preferredWidth
                                                                : control.Layout.maximumWidth
            return metrics.width + 2 * measuringIndicator.width + 2 * control.spacing > available
        }
    }

    contentItem: T.TextField {
        implicitWidth: Math.ceil(d.metrics.width)
        implicitHeight: d.metrics.height
        clip: true
        text: control.displayText
        font: control.font
        // A text input's colour cannot be unset: without a style colour the
        // field keeps its own.
        Binding on color {
            when: control.Quilt.Style.properties.text.color !== undefined
            value: control.Quilt.Style.properties.text.color ?? "transparent"
        }
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)
        readOnly: !control.editable
        validator: control.validator
        inputMethodHints: control.inputMethodHints
        selectByMouse: true
        hoverEnabled: false
    }

    up.indicator: Quilt.StyledRectangle {
        Quilt.Element.type: "Indicator"
        Quilt.Element.states.hovered: control.up.hovered
        Quilt.Element.states.pressed: control.up.pressed
        Quilt.Element.states.enabled: enabled
        Quilt.Element.hintFlags: ({
            "increase": true
        })

        Quilt.Icon {
            anchors.centerIn: parent
            width: Quilt.Style.properties.icon.width
            height: Quilt.Style.properties.icon.height
            name: Quilt.Style.properties.icon.name
            color: Quilt.Style.properties.icon.color
        }
    }

    down.indicator: Quilt.StyledRectangle {
        Quilt.Element.type: "Indicator"
        Quilt.Element.states.hovered: control.down.hovered
        Quilt.Element.states.pressed: control.down.pressed
        Quilt.Element.states.enabled: enabled
        Quilt.Element.hintFlags: ({
            "decrease": true
        })

        Quilt.Icon {
            anchors.centerIn: parent
            width: Quilt.Style.properties.icon.width
            height: Quilt.Style.properties.icon.height
            name: Quilt.Style.properties.icon.name
            color: Quilt.Style.properties.icon.color
        }
    }

    background: Quilt.StyledRectangle {}
}
