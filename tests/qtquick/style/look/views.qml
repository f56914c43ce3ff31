import QtQuick
import QtQuick.Controls

// Split and stack views and the calendar views.
Flow {
    property bool mirrored: false

    width: 880
    spacing: 10
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true

    SplitView {
        objectName: "splitview"
        width: 200
        height: 80
        Rectangle { implicitWidth: 90; color: "#dfe6ec" }
        Rectangle { implicitWidth: 90; color: "#c9d6e0" }
    }
    StackView {
        objectName: "stackview"
        width: 120
        height: 80
        initialItem: Rectangle { color: "#dfe6ec" }
    }
    DayOfWeekRow { objectName: "dayofweekrow"; width: 240 }
    MonthGrid { objectName: "monthgrid"; width: 240; height: 160; month: Calendar.March; year: 2026 }
    WeekNumberColumn { objectName: "weeknumbercolumn"; height: 160; month: Calendar.March; year: 2026 }
}
