import QtQuick
import org.vyr.quilt.impl as Quilt

// The icon and the label of a button, with the label's mnemonic, laid out
// with the button's other parts (`parts`) by the alignments its style gives
// them; where the style places neither icon nor text, they sit at
// `alignment` in the content box. Both read the button's own style.
Quilt.ContentItem {
    required control
}
