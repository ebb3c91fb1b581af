import QtQuick
import QtTest
import "../../resources/modules/qml/js/macro_edit.js" as MacroEdit

TestCase {
    name: "MacroEdit"

    function test_splitLine_data() {
        return [
            { tag: "key down", line: "A    [Down]", value: "A", tagText: "    [Down]" },
            { tag: "value with blanks", line: "KP Enter      [Up]", value: "KP Enter", tagText: "      [Up]" },
            { tag: "trailing blank kept", line: "KP 7     [Down]", value: "KP 7 ", tagText: "    [Down]" },
            { tag: "delay", line: "1000   [Delay]", value: "1000", tagText: "   [Delay]" },
            { tag: "short line", line: "0", value: "", tagText: "0" }
        ]
    }
    function test_splitLine(data) {
        var item = MacroEdit.splitLine(data.line)
        compare(item.textX, data.value)
        compare(item.textR, data.tagText)
        compare(MacroEdit.joinLine(item), data.line)
    }

    function test_insertPosition_data() {
        return [
            { tag: "nothing selected appends", selected: -1, count: 4, at: 4 },
            { tag: "before the selected line", selected: 2, count: 4, at: 2 },
            { tag: "stale selection appends", selected: 9, count: 4, at: 4 },
            { tag: "empty list", selected: -1, count: 0, at: 0 }
        ]
    }
    function test_insertPosition(data) {
        compare(MacroEdit.insertPosition(data.selected, data.count), data.at)
    }

    function test_confirmedDelay_data() {
        return [
            { tag: "below the floor", typed: "5", ms: 10 },
            { tag: "zero", typed: "0", ms: 10 },
            { tag: "empty", typed: "", ms: 10 },
            { tag: "plain", typed: "1000", ms: 1000 },
            { tag: "largest", typed: "65535", ms: 65535 },
            { tag: "beyond a line", typed: "99999", ms: 65535 }
        ]
    }
    function test_confirmedDelay(data) {
        compare(MacroEdit.confirmedDelay(data.typed), data.ms)
    }

    function test_pressAndRelease() {
        var lines = MacroEdit.pressAndRelease("MS-L")
        compare(lines.map(MacroEdit.joinLine), ["MS-L    [Down]", "MS-L      [Up]"])
        compare(MacroEdit.joinLine(MacroEdit.delayLine(10)), "10   [Delay]")
    }
}
