import QtQuick

// The title bar over a list, 141 x 21; its buttons are placed inside it by the page.
Rectangle {
    property alias text: label.text
    width: 141
    height: 21
    color: "transparent"
    border.color: mainIten.globalSetting_color_disable
    Text {
        id: label
        x: 6
        anchors.verticalCenter: parent.verticalCenter
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
}
