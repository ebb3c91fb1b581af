import QtQuick
import QtTest
import "../../resources/modules/qml/js/colors.js" as Colors

TestCase {
    name: "Colors"

    // A strip of 97 pixels puts the eighths on whole pixels (x = 12 per eighth).
    function test_gradient_data() {
        return [
            { tag: "left end is black", x: 0, rgb: [0, 0, 0] },
            { tag: "half way to red", x: 6, rgb: [128, 0, 0] },
            { tag: "red", x: 12, rgb: [255, 0, 0] },
            { tag: "yellow", x: 24, rgb: [255, 255, 0] },
            { tag: "green", x: 36, rgb: [0, 255, 0] },
            { tag: "midpoint is cyan", x: 48, rgb: [0, 255, 255] },
            { tag: "blue", x: 60, rgb: [0, 0, 255] },
            { tag: "magenta", x: 72, rgb: [255, 0, 255] },
            { tag: "white", x: 84, rgb: [255, 255, 255] },
            { tag: "right end is black", x: 96, rgb: [0, 0, 0] },
            { tag: "beyond the end is black", x: 120, rgb: [0, 0, 0] }
        ]
    }
    function test_gradient(data) {
        compare(Colors.gradientRgb(data.x, 97), data.rgb)
    }

    function test_brightness_data() {
        return [
            { tag: "position 0", position: 0, value: 45 },
            { tag: "position 1", position: 1, value: 75 },
            { tag: "position 7", position: 7, value: 255 }
        ]
    }
    function test_brightness(data) {
        compare(Colors.brightnessValue(data.position), data.value)
        compare(Colors.textRgba([0, 255, 255], data.position)[3], data.value / 255)
    }

    function test_channel_data() {
        return [
            { tag: "number", text: "128", value: 128 },
            { tag: "above range", text: "300", value: 255 },
            { tag: "below range", text: "-4", value: 0 },
            { tag: "empty", text: "", value: 0 },
            { tag: "not a number", text: "ab", value: 0 }
        ]
    }
    function test_channel(data) {
        compare(Colors.channel(data.text), data.value)
    }
}
