import QtQuick
import "../common"

// The MACRO choices of the key assignment page: a macro file, its play mode and the repeat
// count. The page turns them into a record.
Item {
    id: group
    property int playMode: 0
    property alias list: _list_macro
    property alias times: _times
    property alias playModes: playModes
    signal fileChosen
    signal playModeChosen(int mode)
    signal timesConfirmed
    signal listRequested

    Column {
        id: playModes
        // Below the file list's header, which drops open over them.
        y: _list_macro.height + 10
        spacing: 8
        RadioButton {
            index: 0
            isSelect: group.playMode === 0
            chkStr: mainIten.globalSetting_stringList[96]
            onClicked: function (index) { group.playModeChosen(index) }
        }
        RadioButton {
            index: 1
            isSelect: group.playMode === 1
            chkStr: mainIten.globalSetting_stringList[98]
            onClicked: function (index) { group.playModeChosen(index) }
        }
        RadioButton {
            index: 2
            isSelect: group.playMode === 2
            chkStr: mainIten.globalSetting_stringList[99]
            onClicked: function (index) { group.playModeChosen(index) }
        }
    }
    Row {
        x: playModes.x + 20
        y: playModes.y + playModes.height + 8
        spacing: 5
        Rectangle {
            width: 50
            height: 19
            color: "transparent"
            border.color: mainIten.globalSetting_color_enable
            TextInput {
                id: _times
                anchors.fill: parent
                anchors.margins: 2
                horizontalAlignment: TextInput.AlignHCenter
                text: "1"
                maximumLength: 5
                validator: IntValidator { bottom: 0; top: 65535 }
                color: mainIten.globalSetting_color
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                // Not on editingFinished: that comes with every loss of the focus too.
                onAccepted: group.timesConfirmed()
            }
        }
        Text {
            text: mainIten.globalSetting_stringList[97]
            color: mainIten.globalSetting_color
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
    }
    FileListButton {
        id: _list_macro
        onRequestToUpdateList: group.listRequested()
        onListElementClicked: group.fileChosen()
    }
}
