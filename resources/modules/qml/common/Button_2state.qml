import QtQuick

// Two-state image button: source1 while hovered, source0 otherwise; dimmed while pressed.
Image {
    id: root
    property url source0: ""
    property url source1: ""
    property alias mouse: area
    signal clicked

    source: enabled && area.containsMouse ? source1 : source0
    opacity: !enabled || area.pressed ? 0.2 : 1.0

    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            ui_View.playMedia_Index(0x04)
            root.clicked()
        }
    }
}
