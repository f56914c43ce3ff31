pragma Singleton

import QtQuick.Templates as T

T.Calendar {
    id: control
}
