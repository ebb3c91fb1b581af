import QtQuick

// "LOADING ......", blinking while the interface is locked.
Item {
    id: root
    property bool isBusy: false
    function setBusy(_isBusy) { isBusy = _isBusy }

    width: label.width
    height: label.height

    Text {
        id: label
        visible: root.isBusy
        text: qsTr("LOADING ......")
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        SequentialAnimation on opacity {
            running: root.isBusy
            loops: Animation.Infinite
            NumberAnimation { from: 1.0; to: 0.2; duration: 400 }
            NumberAnimation { from: 0.2; to: 1.0; duration: 400 }
        }
    }
}
