import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    Slider_11 { id: slider }
    SignalSpy { id: released; target: slider; signalName: "sliderClicked" }

    function litSegments() {
        var row = slider.children[0], lit = []
        for (var i = 0; i < row.children.length; ++i) {
            var s = String(row.children[i].source || "")
            if (s.indexOf("slider_11_FILLER_1") >= 0)
                lit.push(Math.round(row.children[i].x / 28))
        }
        return lit.sort(function (a, b) { return a - b })
    }

    TestCase {
        name: "Slider_11"
        when: windowShown

        function init() {
            released.clear()
        }

        function test_releasePosition_data() {
            return [
                { tag: "far left", pressX: 10, releaseX: -40, index: 0 },
                { tag: "far right", pressX: 300, releaseX: 500, index: 10 },
                { tag: "second step", pressX: 40, releaseX: 3 + 40, index: 1 }
            ]
        }
        function test_releasePosition(data) {
            slider.setCurIndex(5)
            mousePress(slider, data.pressX, 12)
            mouseMove(slider, data.releaseX, 12)
            mouseRelease(slider, data.releaseX, 12)
            compare(slider.currentIndex, data.index)
            compare(released.signalArguments[0][0], data.index)
        }

        function test_firstSegmentAlwaysLit() {
            slider.setCurIndex(0)
            compare(litSegments(), [0])
            slider.setCurIndex(10)
            compare(litSegments().length, 11)
            // while dragging left of the row the first segment stays lit
            mousePress(slider, 100, 12)
            mouseMove(slider, -20, 12)
            compare(litSegments(), [0])
            mouseRelease(slider, -20, 12)
            compare(slider.currentIndex, 0)
        }
    }
}
