import QtQuick
import "../common"
import "../js/macro_edit.js" as MacroEdit

// The macro editor's input area: a mouse button, a key or a delay to insert.
Item {
    // The macro editor page the lines go into.
    property Item page

    property alias mouseButtonList: _mouseList
    property alias addMouseButton: _btnAddMouse
    property alias keyInput: _keyInput
    property alias addKeyButton: _btnAddKey
    property alias delayField: _delay
    property alias addDelayButton: _btnAddDelay

    Button_2state {
        id: _btnAddMouse
        x: _mouseList.width + 5
        width: 23
        height: 23
        enabled: page.hasMacro && _mouseList.defaultIndex >= 0
        source0: mainIten.sourceAdd0
        source1: mainIten.sourceAdd1
        onClicked: page.insertMouseButton()
    }
    KeyInput_2 {
        id: _keyInput
        y: 33
    }
    Button_2state {
        id: _btnAddKey
        x: _keyInput.width + 5
        y: 33
        width: 23
        height: 23
        enabled: page.hasMacro && _keyInput.tmpKeycodeUSB > 0
        source0: mainIten.sourceAdd0
        source1: mainIten.sourceAdd1
        onClicked: page.insertKey()
    }
    Image {
        y: 66
        source: mainIten.sourceSlider
        Row {
            anchors.centerIn: parent
            Text {
                text: "DELAY【 "
                color: mainIten.globalSetting_color_enable
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                font.bold: true
            }
            TextInput {
                id: _delay
                width: 45
                horizontalAlignment: TextInput.AlignHCenter
                text: String(MacroEdit.defaultDelay)
                maximumLength: 5
                validator: IntValidator { bottom: 0; top: 65535 }
                color: mainIten.globalSetting_color
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                font.bold: true
                onEditingFinished: page.confirmDelay()
            }
            Text {
                text: " 】ms"
                color: mainIten.globalSetting_color_enable
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                font.bold: true
            }
        }
    }
    Button_2state {
        id: _btnAddDelay
        x: _keyInput.width + 5
        y: 66
        width: 23
        height: 23
        enabled: page.hasMacro
        source0: mainIten.sourceAdd0
        source1: mainIten.sourceAdd1
        onClicked: page.addDelay()
    }
    DropdownList {
        id: _mouseList
        z: 5
        Component.onCompleted: {
            for (var i = 0; i < MacroEdit.mouseButtonTexts.length; ++i)
                mdItems.append({ "textX": MacroEdit.mouseButtonTexts[i] })
            setCurIndex(0)
        }
    }

}
