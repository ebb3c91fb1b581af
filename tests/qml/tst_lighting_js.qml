import QtQuick
import QtTest
import "../../resources/modules/qml/js/lighting.js" as Lighting

TestCase {
    name: "Lighting"

    function test_brightness_byte() {
        compare([0, 1, 2, 3, 4, 5, 6, 7].map(function (b) {
            return Lighting.brightnessByte(b, true)
        }), [0, 45, 80, 115, 150, 185, 220, 255])
        compare(Lighting.brightnessByte(7, false), 0)
    }

    // The full speed table, slider position 0..7 per effect code.
    function test_speed_byte_data() {
        return [
            { tag: "breathing", code: 3, bytes: [10, 9, 7, 6, 5, 4, 2, 1] },
            { tag: "neon", code: 4, bytes: [10, 9, 7, 6, 5, 4, 2, 1] },
            { tag: "wave", code: 5, bytes: [10, 9, 7, 6, 5, 4, 2, 1] },
            { tag: "vertical flipping", code: 8, bytes: [20, 19, 17, 16, 14, 13, 11, 10] },
            { tag: "yo-yo", code: 9, bytes: [15, 14, 12, 11, 9, 8, 6, 5] },
            { tag: "spotlight", code: 10, bytes: [30, 29, 27, 26, 24, 23, 21, 20] },
            { tag: "static has no speed", code: 1, bytes: [0, 0, 0, 0, 0, 0, 0, 0] }
        ]
    }
    function test_speed_byte(data) {
        var bytes = []
        for (var s = 0; s <= 7; ++s)
            bytes.push(Lighting.speedByte(data.code, s, true))
        compare(bytes, data.bytes)
        compare(Lighting.speedByte(data.code, 0, false), 0)
    }

    function test_apply_data() {
        return [
            { tag: "wave", power: true, position: 4, brightness: 3, speed: 7,
              sent: [5, 115, 1], configs: [4, 3, 7, 1] },
            { tag: "spotlight at speed 0", power: true, position: 9, brightness: 7, speed: 0,
              sent: [10, 255, 30], configs: [9, 7, 0, 1] },
            { tag: "static ignores the speed slider", power: true, position: 0, brightness: 1,
              speed: 2, sent: [1, 45, 0], configs: [0, 1, 2, 1] },
            { tag: "breathing has no brightness", power: true, position: 2, brightness: 7,
              speed: 4, sent: [3, 0, 5], configs: [2, 7, 4, 1] },
            { tag: "brightness 0", power: true, position: 4, brightness: 0, speed: 7,
              sent: [5, 0, 1], configs: [4, 0, 7, 1] },
            { tag: "light off keeps the positions", power: false, position: 4, brightness: 3,
              speed: 7, sent: [0, 0, 0], configs: [4, 3, 7, 0] }
        ]
    }
    function test_apply(data) {
        var c = Lighting.applyCommand(data.power, data.position, data.brightness, data.speed)
        compare([c.effect, c.option1, c.option2], data.sent)
        compare(c.configs, data.configs)
    }

    function test_read_configs_data() {
        return [
            { tag: "stored static, light on", list: [0, 7, 4, 1],
              shown: { powerOn: true, position: 0, brightness: 7, speed: 4 } },
            { tag: "stored wave, light off", list: ["4", "3", "7", "0"],
              shown: { powerOn: false, position: 4, brightness: 3, speed: 7 } },
            { tag: "three entries show the light on", list: ["0", "7", "4"],
              shown: { powerOn: true, position: 0, brightness: 7, speed: 4 } },
            { tag: "out of range values are clamped", list: [12, 9, -1, 1],
              shown: { powerOn: true, position: 9, brightness: 7, speed: 0 } },
            { tag: "too short", list: [1, 2], shown: null },
            { tag: "too long", list: [1, 2, 3, 4, 5], shown: null },
            { tag: "missing", list: undefined, shown: null }
        ]
    }
    function test_read_configs(data) {
        compare(Lighting.readConfigs(data.list), data.shown)
    }

    // What apply stores is read back as it was shown.
    function test_round_trip() {
        var c = Lighting.applyCommand(false, 6, 2, 5)
        compare(Lighting.readConfigs(c.configs.map(String)),
                { powerOn: false, position: 6, brightness: 2, speed: 5 })
    }

    function test_flatten() {
        compare(Lighting.flatten([[1, 2, 3], [4, 5, 6]]), [1, 2, 3, 4, 5, 6])
    }
}
