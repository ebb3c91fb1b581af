import QtQuick
import QtTest
import "../../resources/modules/qml/js/keyrecord.js" as KeyRecord

TestCase {
    name: "KeyRecord"

    function test_decode_data() {
        return [
            { tag: "single key", r: [0, 0, 4, 0], want: { func: 0, key: 4 } },
            { tag: "nameless single key keeps its code", r: [0, 0, 0x31, 0], want: { func: 0, key: 0x31 } },
            { tag: "modifier makes a combo", r: [0, 2, 4, 0], want: { func: 3, modifierItem: 2, key1: 4, key2: 0 } },
            { tag: "lowest modifier bit wins", r: [0, 0x82, 4, 5], want: { func: 3, modifierItem: 2, key1: 4, key2: 5 } },
            { tag: "all zero is an empty combo", r: [0, 0, 0, 0], want: { func: 3, modifierItem: 0, key1: 0, key2: 0 } },
            { tag: "forward button", r: [1, 0, 0xF4, 0], want: { func: 1, item: 4 } },
            { tag: "unknown button code", r: [1, 0, 0xF7, 0], want: { func: 1, item: -1 } },
            { tag: "media WWW home", r: [3, 0, 0x23, 2], want: { func: 2, item: 12 } },
            { tag: "media not listed", r: [3, 0, 0x99, 0], want: { func: 2, item: -1 } },
            { tag: "scroll down", r: [4, 0, 2, 0], want: { func: 1, item: 10 } },
            { tag: "DPI +", r: [7, 0, 1, 0], want: { func: 1, item: 6 } },
            { tag: "DPI switch", r: [7, 0, 3, 0], want: { func: 1, item: 8 } },
            { tag: "macro", r: [9, 2, 5, 0], want: { func: 4, playMode: 2, slot: 5 } },
            { tag: "triple click", r: [0x0A, 0xF0, 0x21, 3], want: { func: 1, item: 5 } },
            { tag: "fire left", r: [0x0A, 0xF0, 0x2D, 3], want: { func: 5, fireMouseItem: 0, fireKey: 0, slider: 6, shots: 3 } },
            { tag: "fire key slowest", r: [0x0A, 0x04, 255, 10], want: { func: 5, fireMouseItem: -1, fireKey: 4, slider: 0, shots: 10 } },
            { tag: "fire speed below 10", r: [0x0A, 0xF2, 0, 1], want: { func: 5, fireMouseItem: 2, fireKey: 0, slider: 7, shots: 1 } },
            { tag: "LED control", r: [0x0B, 0, 0, 0], want: { func: 6 } },
            { tag: "type without a choice", r: [5, 0, 3, 0], want: { func: -1 } }
        ]
    }
    function test_decode(data) {
        var got = KeyRecord.decode(data.r)
        verify(got !== null)
        for (var k in data.want)
            compare(got[k], data.want[k], k)
    }

    function test_malformedLeavesMenus_data() {
        return [
            { tag: "mouse with parameter 1", r: [1, 1, 0xF0, 0] },
            { tag: "mouse without code", r: [1, 0, 0, 0] },
            { tag: "media without low byte", r: [3, 0, 0, 1] },
            { tag: "wheel 3", r: [4, 0, 3, 0] },
            { tag: "DPI with parameter 3", r: [7, 0, 1, 1] },
            { tag: "LED with a parameter", r: [0x0B, 0, 1, 0] }
        ]
    }
    function test_malformedLeavesMenus(data) {
        compare(KeyRecord.decode(data.r), null)
    }

    function test_builders_data() {
        return [
            { tag: "keyboard A", r: KeyRecord.keyboardRecord(4), want: [0, 0, 4, 0] },
            { tag: "combo L Shift + A", r: KeyRecord.comboRecord(2, 4, 0), want: [0, 2, 4, 0] },
            { tag: "combo R Win", r: KeyRecord.comboRecord(8, 4, 5), want: [0, 0x80, 4, 5] },
            { tag: "combo without modifier choice", r: KeyRecord.comboRecord(-1, 4, undefined), want: [0, 0, 4, 0] },
            { tag: "mouse triple click", r: KeyRecord.mouseRecord(5), want: [0x0A, 0xF0, 0x21, 3] },
            { tag: "mouse scroll up", r: KeyRecord.mouseRecord(9), want: [4, 0, 1, 0] },
            { tag: "media next track", r: KeyRecord.mediaRecord(0), want: [3, 0, 0xB5, 0] },
            { tag: "media favourites", r: KeyRecord.mediaRecord(17), want: [3, 0, 0x2A, 2] },
            { tag: "macro slot index 11", r: KeyRecord.macroRecord(1, 11), want: [9, 1, 12, 0] },
            { tag: "fire slowest", r: KeyRecord.fireRecord(0xF0, 0, 3), want: [0x0A, 0xF0, 255, 3] },
            { tag: "fire fastest", r: KeyRecord.fireRecord(4, 7, 255), want: [0x0A, 4, 10, 255] },
            { tag: "fire without slider position", r: KeyRecord.fireRecord(0xF1, -1, 10), want: [0x0A, 0xF1, 10, 10] }
        ]
    }
    function test_builders(data) {
        compare(data.r, data.want)
    }

    function test_fireSliderRoundTrips() {
        for (var p = 0; p <= 7; ++p)
            compare(KeyRecord.fireSlider(KeyRecord.fireSpeed(p)), p, "position " + p)
    }

    function test_storedRecordReadsText() {
        compare(KeyRecord.storedRecord(["10", " 240", "x", "3"]), [10, 240, 0, 3])
        compare(KeyRecord.storedRecord([]), [0, 0, 0, 0])
    }

    function test_layoutKeyIds() {
        var layout = ["L", "R", "M", "F", "B", "", "", "", "", "", "", "", "", "", "", ""]
        compare(KeyRecord.layoutKeyIds(layout), [0, 1, 2, 3, 4])
        layout[14] = "UP"
        compare(KeyRecord.layoutKeyIds(layout), [0, 1, 2, 3, 4, 14])
        compare(KeyRecord.layoutKeyIds([]), [])
    }

    function test_leftButtonAtRisk() {
        var left = [1, 0, 0xF0, 0], right = [1, 0, 0xF1, 0]
        var records = [left, right, right, right]
        verify(KeyRecord.leftButtonAtRisk(records, [0, 1, 2, 3], 0), "the only left button")
        verify(!KeyRecord.leftButtonAtRisk(records, [0, 1, 2, 3], 1), "not a left button")
        records[2] = left
        verify(!KeyRecord.leftButtonAtRisk(records, [0, 1, 2, 3], 0), "two left buttons")
        verify(KeyRecord.leftButtonAtRisk(records, [0, 1, 3], 0), "the other one is not listed")
    }

    function test_macroSlots() {
        var records = [[9, 0, 1, 0], [9, 0, 3, 0], [9, 0, 4, 1], [0, 0, 4, 0]]
        compare(KeyRecord.usedMacroSlots(records), [0, 2])
        compare(KeyRecord.lowestFreeSlot([0, 2]), 1)
        compare(KeyRecord.lowestFreeSlot([0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11]), -1)
    }

    function test_texts() {
        var few = ["Arial", "OPTIONS"]
        compare(KeyRecord.text(few, 115), "DPI +")
        compare(KeyRecord.text(few, 116), "DPI -")
        compare(KeyRecord.text(few, 1), "OPTIONS")
        var full = []
        for (var i = 0; i < 117; ++i)
            full.push("s" + i)
        compare(KeyRecord.text(full, 115), "s115")
        compare(KeyRecord.modifierItemTexts()[2], "KEY【 L Shift 】")
    }

    function test_matrixFlattensInKeyOrder() {
        var records = []
        for (var id = 0; id < 16; ++id)
            records.push([id, 0, 0, id])
        var m = KeyRecord.matrix(records)
        compare(m.length, 64)
        compare(m.slice(8, 12), [2, 0, 0, 2])
        compare(m[63], 15)
    }
}
