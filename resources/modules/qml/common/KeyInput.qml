import QtQuick

// A small key field; a click clears it.
Rectangle {
    id: root
    property int keycodeUSB: -1
    property string keyname: ""
    property string keynameDefault: "【 KEYS 】"
    property string keycancel: "╳"
    property bool isIn: false
    signal clearKey

    function setKeycodeUSB(keycode) {
        var name = _KeyCodeString.keycodeTostr(keycode)
        if (name === undefined) {
            keycodeUSB = -1
            keyname = ""
        } else {
            keycodeUSB = keycode
            keyname = name
        }
    }

    width: 65
    height: 23
    color: "black"
    border.width: 1
    border.color: area.containsMouse || isIn ? mainIten.globalSetting_color
                                             : mainIten.globalSetting_color_enable

    Text {
        anchors.centerIn: parent
        text: area.containsMouse ? root.keycancel
                                 : (root.keycodeUSB === -1 ? root.keynameDefault : root.keyname)
        color: mainIten.globalSetting_color_enable
        opacity: area.pressed ? 0.5 : 1.0
        font.family: "Arial"
        font.pixelSize: 10
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: {
            root.keycodeUSB = -1
            root.clearKey()
        }
    }
}
