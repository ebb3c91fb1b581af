import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    Slider { id: slider }
    SignalSpy { id: released; target: slider; signalName: "sliderClicked" }

    function litCount() {
        var row = slider.children[0], lit = 0
        for (var i = 0; i < row.children.length; ++i) {
            var s = String(row.children[i].source || "")
            if (s.indexOf("slider_FILLER_1") >= 0)
                ++lit
        }
        return lit
    }

    TestCase {
        name: "Slider"
        when: windowShown

        function init() {
            slider.setCurIndex(3)
            released.clear()
        }

        // The row starts 5 px into the base picture; the value follows the release point.
        function test_releasePosition_data() {
            return [
                { tag: "far left", pressX: 10, releaseX: -40, index: 0 },
                { tag: "row start", pressX: 5, releaseX: 5, index: 0 },
                { tag: "far right", pressX: 140, releaseX: 300, index: 7 },
                { tag: "middle", pressX: 70, releaseX: 75, index: 4 }
            ]
        }
        function test_releasePosition(data) {
            mousePress(slider, data.pressX, 10)
            mouseMove(slider, data.releaseX, 10)
            mouseRelease(slider, data.releaseX, 10)
            compare(slider.currentIndex, data.index)
            compare(slider.getCurIndex(), data.index)
            compare(released.count, 1)
            compare(released.signalArguments[0][0], data.index)
        }

        // The row of 7 x 20 + 1 pixels must sit inside the skin's base picture.
        function test_basePictureHoldsTheRow() {
            tryCompare(slider, "status", Image.Ready)
            compare(slider.width, 151)
            compare(slider.height, 23)
        }

        function test_litSegmentsFollowTheValue() {
            slider.setCurIndex(0)
            compare(litCount(), 0)
            slider.setCurIndex(5)
            compare(litCount(), 5)
            slider.setCurIndex(7)
            compare(litCount(), 7)
        }
    }
}
