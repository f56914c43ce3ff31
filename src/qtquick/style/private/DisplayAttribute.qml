import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

// The attribute "display": how a button shows its icon and its text. Without
// a button its value is undefined, which leaves the attribute out. A value
// outside the enumeration shows both, as the content item does: the
// attribute stays, and with it the rules that place the button's parts.
Quilt.ElementAttribute {
    property T.AbstractButton control: null

    name: "display"
    value: {
        switch (control?.display) {
        case T.AbstractButton.IconOnly: return "icon-only"
        case T.AbstractButton.TextOnly: return "text-only"
        case T.AbstractButton.TextBesideIcon: return "text-beside-icon"
        case T.AbstractButton.TextUnderIcon: return "text-under-icon"
        default: return control ? "text-beside-icon" : undefined
        }
    }
}
