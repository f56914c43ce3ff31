import QtQuick
import QtQuick.Controls

// Progress bars, busy and page indicators, delay buttons.
Flow {
    spacing: 12

    Column {
        spacing: 8
        ProgressBar { width: 200; value: 0.3 }
        ProgressBar { width: 200; value: 1 }
        ProgressBar { width: 200; indeterminate: true }
    }

    BusyIndicator {}
    BusyIndicator { running: false }

    PageIndicator { count: 5; currentIndex: 2 }

    DelayButton { text: qsTr("Hold to delete"); progress: 0.4 }
    DelayButton { text: qsTr("Done"); checked: true; progress: 1 }
}
