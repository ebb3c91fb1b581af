import QtQuick

// One value of the stage value menu; "×" stands for a stage switched off.
Rectangle {
    id: root
    property int value: 0
    property int index: -1
    signal clicked

    width: 46
    height: 16
    color: "black"
    radius: 3
    border.width: 1
    border.color: area.containsMouse ? mainIten.globalSetting_color
                                     : mainIten.globalSetting_color_enable

    Text {
        anchors.centerIn: parent
        text: root.value > 0 ? root.value : "×"
        color: parent.border.color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: 11
    }
    MouseArea {
        id: area
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.clicked()
    }
}
