import QtQuick
import QtTest
import "../../resources/modules/qml/basic"

TestCase {
    name: "KeyCodeString"

    KeyCodeString { id: names }

    function test_keyboardNames_data() {
        return [
            { tag: "A", code: 0x04, name: "A" },
            { tag: "Z", code: 0x1d, name: "Z" },
            { tag: "digit 0 after 9", code: 0x27, name: "0" },
            { tag: "backslash under 0x32", code: 0x32, name: "\\ |" },
            { tag: "apostrophe", code: 0x34, name: "' \"" },
            { tag: "arrow right", code: 0x4f, name: "►" },
            { tag: "arrow up", code: 0x52, name: "▲" },
            { tag: "KP 7 keeps its blank", code: 0x5f, name: "KP 7 " },
            { tag: "F24", code: 0x73, name: "F24" },
            { tag: "Intl'2 spelling", code: 0x88, name: "Intl'2" },
            { tag: "R Win", code: 0xe7, name: "R Win" }
        ]
    }
    function test_keyboardNames(data) {
        compare(names.keycodeTostr(data.code), data.name)
        compare(names.strTokeycode(data.name), data.code)
    }

    function test_codesWithoutName_data() {
        return [{ tag: "0x00", code: 0 }, { tag: "0x31", code: 0x31 }, { tag: "0x74", code: 0x74 },
                { tag: "0x86", code: 0x86 }, { tag: "0xe8", code: 0xe8 },
                { tag: "mouse code on the keyboard side", code: 0xf0 }]
    }
    function test_codesWithoutName(data) {
        compare(names.keycodeTostr(data.code), undefined)
    }

    function test_tablesAreExactInverses() {
        var count = 0
        for (var name in names.str2keycode) {
            ++count
            compare(names.keycode2str[names.str2keycode[name]], name)
        }
        compare(count, 127)
        compare(names.strTokeycode("KP 7"), undefined)
    }

    function test_mouseNames() {
        var expected = ["MS-L", "MS-R", "MS-M", "MS-B4", "MS-B5"]
        for (var i = 0; i < 5; ++i) {
            compare(names.mousecodeTostr(0xf0 + i), expected[i])
            compare(names.strTomousecode(expected[i]), 0xf0 + i)
        }
        compare(names.mousecodeTostr(0xf5), undefined)
    }

    function test_logByte_data() {
        return [{ tag: "0", v: 0, pos: 0 }, { tag: "1", v: 1, pos: 1 }, { tag: "0x80", v: 0x80, pos: 8 },
                { tag: "0x100", v: 0x100, pos: 0 }, { tag: "6", v: 6, pos: 2 },
                { tag: "negative as unsigned", v: -1, pos: 1 }]
    }
    function test_logByte(data) {
        compare(names.logByte(data.v), data.pos)
    }
}
