import QtQuick

// Four labelled buttons, one of them current.
Image {
    id: root
    property var valueForIndex: [0, 1, 2, 3]
    property int currentIndex: 0
    signal clicked(int index)

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    source: mainIten.sourceBtnGroup_4_BASE
    opacity: enabled ? 1.0 : 0.2

    Repeater {
        model: 4
        Image {
            x: [3, 80, 157, 234][index]
            y: 4
            source: area.containsMouse || root.currentIndex === index
                    ? mainIten.sourceBtnGroup_FILLER_1 : mainIten.sourceBtnGroup_FILLER_0
            Text {
                anchors.centerIn: parent
                text: root.valueForIndex[index]
                color: mainIten.globalSetting_color
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: 11
                font.bold: true
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    root.currentIndex = index
                    root.clicked(index)
                }
            }
        }
    }
}
