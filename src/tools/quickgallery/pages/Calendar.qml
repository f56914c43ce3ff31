import QtQuick
import QtQuick.Controls

// This month with today marked, its week-day names and week numbers.
Grid {
    columns: 2
    spacing: 0

    readonly property date today: new Date()

    Item { width: 1; height: 1 }
    DayOfWeekRow {
        locale: grid.locale
    }
    WeekNumberColumn {
        month: grid.month
        year: grid.year
        locale: grid.locale
    }
    MonthGrid {
        id: grid
        month: today.getMonth()
        year: today.getFullYear()
        locale: Qt.locale("en_GB")
    }
}
