import QtQuick
import "../common"

// The FIRE KEY choices of the key assignment page: what is repeated (a mouse button or a
// key), how fast and how often. Every change but the radio buttons asks for a new record;
// a shot count typed and confirmed with Return asks the page, which knows what it is for.
Item {
    id: group
    property bool fireByMouse: true
    property alias mouseRadio: _fire_mouse_radio
    property alias keyRadio: _fire_key_radio
    property alias mouseList: _fire_mouse
    property alias keyInput: _fire_key
    property alias slider: _fire_slider
    property alias shots: _shots
    signal recordChanged
    signal shotsConfirmed

    RadioButton {
        id: _fire_mouse_radio
        y: 4
        index: 0
        isSelect: group.fireByMouse
        onClicked: group.fireByMouse = true
    }
    RadioButton {
        id: _fire_key_radio
        y: 37
        index: 1
        isSelect: !group.fireByMouse
        onClicked: group.fireByMouse = false
    }
    KeyInput_2 {
        id: _fire_key
        x: 25
        y: 33
        onInputComplete: {
            group.fireByMouse = false
            group.recordChanged()
        }
    }
    Text {
        y: 72
        text: mainIten.globalSetting_stringList[3]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
    Slider {
        id: _fire_slider
        x: 25
        y: 90
        onSliderClicked: group.recordChanged()
    }
    Row {
        x: 25
        y: 125
        Text {
            text: "FIRE【"
            color: mainIten.globalSetting_color
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
        TextInput {
            id: _shots
            width: 60
            horizontalAlignment: TextInput.AlignHCenter
            text: "10"
            maximumLength: 3
            validator: IntValidator { bottom: 0; top: 255 }
            color: mainIten.globalSetting_color
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            // Not on editingFinished: that comes with every loss of the focus too.
            onAccepted: group.shotsConfirmed()
        }
        Text {
            text: "】times"
            color: mainIten.globalSetting_color
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
    }
    DropdownList {
        id: _fire_mouse
        x: 25
        z: 5
        onListElementClicked: {
            group.fireByMouse = true
            group.recordChanged()
        }
    }
}
