import QtQuick
import QtQuick.Controls
import org.vyr.quilt.impl as Quilt

// Scroll bars and views, sliders, dials and progress indicators in their
// usual forms, mirrored, inside a list view, and with bad input.
Flow {
    id: root

    width: 800
    spacing: 4

    function drive() {
        slider.value = 0.7
        ticks.Quilt.StyleHints.tickMarkStepSize = 10
        ticks.value = 55
        huge.Quilt.StyleHints.tickMarkStepSize = 1
        range.first.value = 0.6
        range.second.value = 0.5
        dial.value = 0.8
        progress.indeterminate = false
        progress.value = 0.4
        pages.currentIndex = 4
        busy.running = false
        view.ScrollBar.vertical.active = true
        view.ScrollBar.horizontal.policy = ScrollBar.AlwaysOn
        list.positionViewAtEnd()
        bar.position = 0.5
        indicator.active = true
    }

    ScrollBar { id: bar; orientation: Qt.Horizontal; width: 100; size: 0.3; policy: ScrollBar.AlwaysOn }
    ScrollBar { orientation: Qt.Vertical; height: 100; size: 0.5; interactive: false }
    ScrollBar { orientation: Qt.Vertical; width: 0; height: 0; size: 0.5; policy: ScrollBar.AlwaysOn }
    ScrollIndicator { id: indicator; orientation: Qt.Vertical; height: 100; size: 0.5 }
    ScrollIndicator { orientation: Qt.Horizontal; width: 100; size: 1 }

    ScrollView {
        id: view
        width: 120
        height: 80
        Rectangle { implicitWidth: 400; implicitHeight: 400; color: "steelblue" }
    }

    ScrollView {
        width: 120
        height: 80
        LayoutMirroring.enabled: true
        ListView {
            id: list
            model: 30
            delegate: Text { required property int index; text: "Row " + index }
        }
    }

    Slider { id: slider }
    Slider { orientation: Qt.Vertical; height: 100; value: 0.3 }
    Slider { id: ticks; from: 0; to: 100; LayoutMirroring.enabled: true; LayoutMirroring.childrenInherit: true }
    Slider { orientation: Qt.Vertical; height: 100; from: 0; to: 10; Quilt.StyleHints.tickMarkStepSize: 3 }
    Slider { id: huge; from: 0; to: 1000000 }
    Slider { from: 10; to: 0; Quilt.StyleHints.tickMarkStepSize: -1 }
    Slider { from: 10; to: 0; Quilt.StyleHints.tickMarkStepSize: 3; locale: Qt.locale("ar_EG") }

    RangeSlider { id: range; first.value: 0.2; second.value: 0.8 }
    RangeSlider { orientation: Qt.Vertical; height: 100; LayoutMirroring.enabled: true }
    RangeSlider { from: 10; to: 0; width: 0; height: 0 }

    Dial { id: dial }
    Dial { width: 0; height: 0 }
    Dial { from: 1; to: 0; enabled: false }

    BusyIndicator { id: busy }
    BusyIndicator { running: false }

    PageIndicator { id: pages; count: 5; currentIndex: 2; interactive: true }
    PageIndicator { count: -3 }

    ProgressBar { id: progress; indeterminate: true }
    ProgressBar { value: 2; LayoutMirroring.enabled: true }
    ProgressBar { from: 1; to: 0; value: 0.5 }

    ListView {
        width: 200
        height: 100
        model: 3
        delegate: Slider { required property int index; value: index / 3 }
        ScrollBar.vertical: ScrollBar {}
        ScrollIndicator.horizontal: ScrollIndicator {}
    }
}
