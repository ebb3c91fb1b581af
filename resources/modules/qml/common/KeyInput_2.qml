import QtQuick

// Takes one key: a click arms it, the next key event is stored and reported.
Rectangle {
    id: root
    property bool isSelect: false
    property int tmpKeycodeUSB: 0
    property string tmpKeyString: ""
    property alias text: label.text
    signal inputComplete(int usbCode)

    function detectKeyboard(isDown, usbCode) {
        if (!isSelect)
            return
        setKeycodeUSB(usbCode)
        inputComplete(usbCode)
    }

    function setKeycodeUSB(keycode) {
        isSelect = false
        var name = keycode < 0 ? undefined : _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined) {
            tmpKeycodeUSB = 0
            tmpKeyString = ""
        } else {
            tmpKeycodeUSB = keycode
            tmpKeyString = name
        }
    }

    width: 151
    height: 23
    color: "black"

    Image {
        anchors.fill: parent
        source: mainIten.sourceSlider
        MouseArea {
            id: area
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                root.tmpKeycodeUSB = 0
                root.tmpKeyString = ""
                root.isSelect = !root.isSelect
            }
        }
    }
    Text {
        id: label
        anchors.centerIn: parent
        text: root.tmpKeycodeUSB === 0 ? "KEY【 PRESS ANY 】" : "KEY 【 " + root.tmpKeyString + " 】"
        color: root.isSelect || area.containsMouse ? mainIten.globalSetting_color
                                                   : mainIten.globalSetting_color_enable
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
}
