import QtQuick

// Tick box with a label; a click toggles it.
Item {
    id: root
    property bool isSelect: false
    property string chkStr: ""
    signal clicked(bool select)

    width: box.width + label.width + 5
    height: box.height
    opacity: !enabled || area.pressed ? 0.2 : 1.0

    Image {
        id: box
        source: root.isSelect ? mainIten.sourceCHK1 : mainIten.sourceCHK0
    }
    Text {
        id: label
        x: box.width + 5
        anchors.verticalCenter: box.verticalCenter
        text: root.chkStr
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: {
            ui_View.playMedia_Index(0x04)
            root.isSelect = !root.isSelect
            root.clicked(root.isSelect)
        }
    }
}
