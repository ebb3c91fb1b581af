import QtQuick
import QtTest
import "../../resources/modules/qml/js/slider.js" as SliderMath

TestCase {
    name: "SliderMath"

    function test_sevenSteps_data() {
        return [
            { tag: "left of the row", x: -30, index: 0 },
            { tag: "far left", x: 0, index: 0 },
            { tag: "first pixel", x: 1, index: 1 },
            { tag: "end of step 1", x: 20, index: 1 },
            { tag: "start of step 2", x: 21, index: 2 },
            { tag: "far right", x: 140, index: 7 },
            { tag: "right of the row", x: 400, index: 7 }
        ]
    }
    function test_sevenSteps(data) {
        compare(SliderMath.indexAt7(data.x), data.index)
    }

    function test_elevenSteps_data() {
        return [
            { tag: "left of the row", x: -5, index: 0 },
            { tag: "far left", x: 0, index: 0 },
            { tag: "end of step 0", x: 28, index: 0 },
            { tag: "start of step 1", x: 29, index: 1 },
            { tag: "far right", x: 308, index: 10 },
            { tag: "right of the row", x: 500, index: 10 }
        ]
    }
    function test_elevenSteps(data) {
        compare(SliderMath.indexAt11(data.x), data.index)
    }

    function test_litSegments_data() {
        return [
            { tag: "7: value 0 lights nothing", k: 0, value: 0, pressed: false, x: 0, lit: false, eleven: false },
            { tag: "7: value reaches segment", k: 2, value: 3, pressed: false, x: 0, lit: true, eleven: false },
            { tag: "7: pointer right of segment edge", k: 2, value: 0, pressed: true, x: 40, lit: true, eleven: false },
            { tag: "7: pointer left of segment edge", k: 2, value: 7, pressed: true, x: 39, lit: false, eleven: false },
            { tag: "11: segment 0 lit at value 0", k: 0, value: 0, pressed: false, x: 0, lit: true, eleven: true },
            { tag: "11: segment 0 lit while dragging far left", k: 0, value: 10, pressed: true, x: -10, lit: true, eleven: true },
            { tag: "11: segment 1 off at value 0", k: 1, value: 0, pressed: false, x: 0, lit: false, eleven: true },
            { tag: "11: segment 10 lit at value 10", k: 10, value: 10, pressed: false, x: 0, lit: true, eleven: true }
        ]
    }
    function test_litSegments(data) {
        var lit = data.eleven ? SliderMath.lit11(data.k, data.value, data.pressed, data.x)
                              : SliderMath.lit7(data.k, data.value, data.pressed, data.x)
        compare(lit, data.lit)
    }
}
