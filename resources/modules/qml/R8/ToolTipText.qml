import QtQuick

// A hover hint under its button.
Text {
    y: parent.height + 2
    anchors.horizontalCenter: parent.horizontalCenter
    color: mainIten.globalSetting_color
    font.family: mainIten.globalSetting_fontFamily
    font.pixelSize: mainIten.globalSetting_size
    font.bold: true
}
