import QtQuick
import "../js/slider.js" as SliderMath

// Seven-step slider, values 0..7; the value is taken when the button is released.
Image {
    id: root
    property alias currentIndex: row.currentIndex
    signal sliderClicked(int index)

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    source: mainIten.sourceSlider

    Item {
        id: row
        property int currentIndex: 7
        x: 5
        y: 1
        width: 141
        height: 21

        Repeater {
            model: 7
            Image {
                x: index * SliderMath.kStepWidth
                source: SliderMath.lit7(index, row.currentIndex, area.pressed, area.mouseX)
                        ? mainIten.sourceSliderFiller1 : mainIten.sourceSliderFiller0
            }
        }
        MouseArea {
            id: area
            anchors.fill: parent
            onReleased: function (mouse) {
                row.currentIndex = SliderMath.indexAt7(mouse.x)
                root.sliderClicked(row.currentIndex)
            }
        }
    }
}
