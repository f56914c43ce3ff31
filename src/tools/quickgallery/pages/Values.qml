import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

// Spin boxes, short of room too, and tumblers.
Flow {
    spacing: 8

    SpinBox { from: 0; to: 100; value: 42 }
    SpinBox { from: -1000; to: 1000; value: -5; editable: false }
    SpinBox { from: 0; to: 10; value: 10 }
    DoubleSpinBox { from: 0; to: 100; decimals: 2; value: 3.25 }
    RowLayout {
        SpinBox { from: 0; to: 100000; value: 99; Layout.preferredWidth: 80 }
    }
    Tumbler { model: 24 }
    Tumbler { model: ["Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"]; visibleItemCount: 3 }
}
