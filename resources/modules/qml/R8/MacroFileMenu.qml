import QtQuick

// The menu a right click opens beside a macro file: LOAD, SAVE, RENAME, CANCEL.
Column {
    id: root
    property var texts: ["LOAD", "SAVE", "RENAME", "CANCEL"]
    property int fileIndex: -1
    property real scrollOffset: 0
    readonly property bool fading: fadeIn.running || fadeOut.running
    signal chosen(int item, int fileIndex)

    function openFor(index) {
        fileIndex = index
        fadeOut.stop()
        visible = true
        fadeIn.restart()
    }

    function close() {
        fadeIn.stop()
        fadeOut.restart()
    }

    // Beside the file's row, in the page's coordinates.
    x: 119 - 45
    y: fileIndex * 20 - scrollOffset + 40
    visible: false
    opacity: 0

    Repeater {
        model: 4
        Rectangle {
            width: 45
            height: 20
            color: area.containsMouse ? mainIten.globalSetting_color_disable : "black"
            border.color: mainIten.globalSetting_color_enable
            Text {
                anchors.centerIn: parent
                text: root.texts[index]
                color: mainIten.globalSetting_color
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size - 2
                font.bold: true
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    root.close()
                    if (index < 3)
                        root.chosen(index, root.fileIndex)
                }
            }
        }
    }

    NumberAnimation {
        id: fadeIn
        target: root
        property: "opacity"
        to: 1
        duration: mainIten.animation_speed * 1.5
    }
    NumberAnimation {
        id: fadeOut
        target: root
        property: "opacity"
        to: 0
        duration: mainIten.animation_speed
        onStopped: root.visible = false
    }
}
