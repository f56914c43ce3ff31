import QtQuick
import QtQuick.Controls

// Scroll bars and indicators, sliders, range sliders, dials, progress and
// page indicators, tab bars and delay buttons.
Flow {
    property bool mirrored: false

    width: 880
    spacing: 10
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true

    ScrollBar { objectName: "scrollbar"; width: 160; orientation: Qt.Horizontal; size: 0.3; position: 0.2; policy: ScrollBar.AlwaysOn }
    ScrollBar { objectName: "scrollbar-vertical"; height: 120; size: 0.4; position: 0.5; policy: ScrollBar.AlwaysOn }
    ScrollIndicator { objectName: "scrollindicator"; width: 160; orientation: Qt.Horizontal; size: 0.3; position: 0.4; active: true }
    Slider { objectName: "slider"; width: 180; value: 0.4 }
    Slider { objectName: "slider-vertical"; height: 120; orientation: Qt.Vertical; value: 0.6 }
    RangeSlider { objectName: "rangeslider"; width: 180; first.value: 0.25; second.value: 0.75 }
    Dial { objectName: "dial"; width: 80; height: 80; value: 0.3 }
    ProgressBar { objectName: "progressbar"; width: 180; value: 0.6 }
    ProgressBar { objectName: "progressbar-indeterminate"; width: 180; indeterminate: true }
    PageIndicator { objectName: "pageindicator"; count: 5; currentIndex: 2 }
    TabBar {
        objectName: "tabbar"
        width: 260
        TabButton { text: "First" }
        TabButton { text: "Second" }
        TabButton { text: "Third" }
    }
    DelayButton { objectName: "delaybutton"; text: "Hold to confirm"; progress: 0.4 }
}
