import QtQuick
import QtQuick.Controls
import org.vyr.quilt.impl as Quilt
import "absurd.js" as Absurd

// Sliders, dials, indicators, scroll bars and scroll views with absurd
// values: NaN, infinite and reversed ranges, zero and negative steps.
Flow {
    id: root

    width: 800
    spacing: 2

    component Cell: Item { width: 110; height: 60 }

    Cell { Slider { from: NaN; to: NaN; value: NaN; stepSize: NaN } }
    Cell { Slider { from: -Infinity; to: Infinity; value: 0; stepSize: 0 } }
    Cell { Slider { from: Absurd.huge; to: -Absurd.huge; value: 1; stepSize: -1 } }
    Cell { Slider { from: 10; to: 0; value: 20; stepSize: Infinity; snapMode: Absurd.badEnum } }
    Cell { Slider { from: 0; to: 1; value: 0.5; orientation: Absurd.badEnum } }
    Cell { Slider { from: 0; to: 100; Quilt.StyleHints.tickMarkStepSize: NaN } }
    Cell { Slider { from: 0; to: Infinity; Quilt.StyleHints.tickMarkStepSize: 1 } }
    Cell { Slider { from: NaN; to: 10; Quilt.StyleHints.tickMarkStepSize: 1 } }
    Cell { Slider { from: 0; to: Absurd.huge; Quilt.StyleHints.tickMarkStepSize: 0 } }
    Cell { Slider { from: 0; to: 1e9; Quilt.StyleHints.tickMarkStepSize: 3; orientation: Qt.Vertical } }
    Cell { Slider { width: Infinity; height: NaN; padding: NaN; value: 0.5 } }
    Cell { Slider { width: -100; height: -100; orientation: Qt.Vertical; value: 0.5 } }
    Cell { Slider { padding: Absurd.huge; leftInset: -Infinity; Quilt.StyleHints.tickMarkStepSize: -5 } }

    Cell { RangeSlider { from: NaN; to: NaN; first.value: NaN; second.value: NaN; stepSize: NaN } }
    Cell { RangeSlider { from: Infinity; to: -Infinity; first.value: Infinity; second.value: -Infinity; stepSize: 0 } }
    Cell { RangeSlider { from: 10; to: 0; first.value: 20; second.value: -20; snapMode: Absurd.badEnum } }
    Cell { RangeSlider { from: 0; to: 1; first.value: 0.9; second.value: 0.1; orientation: Absurd.badEnum } }
    Cell { RangeSlider { width: Infinity; height: -5; padding: NaN; orientation: Qt.Vertical } }

    Cell { Dial { from: NaN; to: NaN; value: NaN; stepSize: NaN } }
    Cell { Dial { from: -Infinity; to: Infinity; value: 1; stepSize: 0; inputMode: Absurd.badEnum } }
    Cell { Dial { from: 1; to: 0; value: Absurd.huge; wrap: true; snapMode: Absurd.badEnum } }
    Cell { Dial { width: Infinity; height: Infinity; value: 0.5 } }
    Cell { Dial { width: -10; height: NaN; startAngle: NaN; endAngle: Infinity } }
    Cell { Dial { startAngle: 1e6; endAngle: -1e6; value: 0.5 } }

    Cell { ProgressBar { from: NaN; to: NaN; value: NaN } }
    Cell { ProgressBar { from: Infinity; to: -Infinity; value: 0 } }
    Cell { ProgressBar { from: 1; to: 0; value: Absurd.huge; width: Infinity } }
    Cell { ProgressBar { indeterminate: true; width: NaN; height: -1; padding: NaN } }
    Cell { ProgressBar { indeterminate: true; width: Infinity } }

    Cell { BusyIndicator { width: Infinity; height: NaN } }
    Cell { BusyIndicator { width: -5; height: -5; padding: NaN; running: true } }

    Cell { PageIndicator { count: 5000; currentIndex: Absurd.huge; spacing: NaN; interactive: true } }
    Cell { PageIndicator { count: Absurd.negativeEnum; currentIndex: -5; width: Infinity } }
    Cell { PageIndicator { count: 3; currentIndex: 1; padding: NaN; spacing: -Infinity } }

    Cell { ScrollBar { size: NaN; position: NaN; stepSize: NaN; width: 100; policy: ScrollBar.AlwaysOn } }
    Cell { ScrollBar { size: Infinity; position: -Infinity; minimumSize: 2; orientation: Qt.Horizontal; width: 100 } }
    Cell { ScrollBar { size: -1; position: Absurd.huge; stepSize: 0; policy: Absurd.badEnum; height: 50 } }
    Cell { ScrollBar { orientation: Absurd.badEnum; snapMode: Absurd.badEnum; width: Infinity; height: NaN } }
    Cell { ScrollBar { width: 0; height: 0; size: 0.5; policy: ScrollBar.AlwaysOn; minimumSize: NaN } }

    Cell { ScrollIndicator { size: NaN; position: NaN; height: 50; active: true } }
    Cell { ScrollIndicator { size: -Infinity; position: Infinity; orientation: Absurd.badEnum; active: true } }
    Cell { ScrollIndicator { width: 0; height: 0; size: 0.2; minimumSize: -1; active: true } }

    Cell {
        ScrollView {
            anchors.fill: parent
            contentWidth: Absurd.huge
            contentHeight: NaN
            Rectangle { width: 50; height: 50 }
        }
    }
    Cell {
        ScrollView {
            anchors.fill: parent
            contentWidth: -Infinity
            contentHeight: Infinity
            padding: NaN
            ScrollBar.vertical.policy: Absurd.badEnum
            ScrollBar.horizontal.policy: ScrollBar.AlwaysOn
        }
    }
    Cell {
        ScrollView {
            width: Infinity
            height: -10
            ListView { model: Absurd.hugeCount; delegate: Text { required property int index; text: index } }
        }
    }
}
