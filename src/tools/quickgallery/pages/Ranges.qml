import QtQuick
import QtQuick.Controls
import org.vyr.quilt.impl as Quilt

// Sliders with and without tick marks, range sliders and dials, in both
// orientations.
Flow {
    spacing: 12

    Column {
        spacing: 8
        Slider { width: 200; value: 0.4 }
        Slider { width: 200; from: 0; to: 10; value: 6; Quilt.StyleHints.tickMarkStepSize: 1 }
        RangeSlider { width: 200; first.value: 0.2; second.value: 0.7 }
    }

    Slider { orientation: Qt.Vertical; height: 120; value: 0.7 }
    Slider { orientation: Qt.Vertical; height: 120; from: 0; to: 4; value: 1; Quilt.StyleHints.tickMarkStepSize: 1 }
    RangeSlider { orientation: Qt.Vertical; height: 120; first.value: 0.3; second.value: 0.8 }

    Dial { value: 0.3 }
    Dial { width: 90; height: 90; value: 0.8 }
}
