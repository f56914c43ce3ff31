import QtQuick
import QtQuick.Controls

// This month with today marked, its week-day names and week numbers, and a
// month named through the calendar's own constants.
Row {
    spacing: 24

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
            month: parent.today.getMonth()
            year: parent.today.getFullYear()
            locale: Qt.locale("en_GB")
        }
    }

    Column {
        spacing: 4
        Label { text: leap.title }
        DayOfWeekRow { locale: leap.locale; width: leap.width }
        MonthGrid {
            id: leap
            month: Calendar.February
            year: 2028
            locale: Qt.locale("en_GB")
        }
    }
}
