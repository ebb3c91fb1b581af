import QtQuick

// Five-way pad: centre and the four directions.
Item {
    id: root
    property int currentIndex: 1
    property int textSize: 12
    property color textColor: "black"
    signal wheelClicked(int index)

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    width: 61
    height: 61

    Repeater {
        // centre, right, left, top, bottom; neighbours overlap the centre by one pixel
        model: [{ x: 20, y: 20, t: "" }, { x: 40, y: 20, t: "►" }, { x: 0, y: 20, t: "◄" },
                { x: 20, y: 0, t: "▲" }, { x: 20, y: 40, t: "▼" }]
        Image {
            x: modelData.x
            y: modelData.y
            source: area.containsMouse || root.currentIndex === index
                    ? mainIten.sourceSliderFiller1 : mainIten.sourceSliderFiller0
            Text {
                anchors.centerIn: parent
                text: modelData.t
                color: root.textColor
                font.family: "Arial"
                font.pixelSize: root.textSize
                font.bold: true
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    root.currentIndex = index
                    root.wheelClicked(index)
                }
            }
        }
    }
}
