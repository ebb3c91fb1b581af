import QtQuick
import "../js/slider.js" as SliderMath

// Eleven-step slider, values 0..10; the first segment is always lit.
Image {
    id: root
    property alias currentIndex: row.currentIndex
    signal sliderClicked(int index)

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    source: mainIten.sourceSlider_11_BASE

    Item {
        id: row
        property int currentIndex: 5
        x: 3
        y: 7
        width: 309
        height: 10

        Repeater {
            model: 11
            Image {
                x: index * SliderMath.kStep11
                source: SliderMath.lit11(index, row.currentIndex, area.pressed, area.mouseX)
                        ? mainIten.sourceSlider_11_FILLER_1 : mainIten.sourceSlider_11_FILLER_0
            }
        }
        MouseArea {
            id: area
            anchors.fill: parent
            onReleased: function (mouse) {
                row.currentIndex = SliderMath.indexAt11(mouse.x)
                root.sliderClicked(row.currentIndex)
            }
        }
    }
}
