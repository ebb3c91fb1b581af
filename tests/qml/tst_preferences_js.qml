import QtQuick
import QtTest
import "../../resources/modules/qml/js/preferences.js" as Prefs

TestCase {
    name: "Preferences"

    function sample() {
        return { skin: 2, sound: 1, animation: 0, language: 3, customBackground: false,
                 customBackgroundUrl: "", size: 1,
                 swatches: [[1, 2, 3], [4, 5, 6], [7, 8, 9], [10, 11, 12], [13, 14, 15],
                            [16, 17, 18], [19, 20, 21]],
                 swatch: 4, brightness: 6, url: "https://r8.example.org/" }
    }

    function test_buildLaysOutThe32Entries() {
        var list = Prefs.build(sample())
        compare(list.length, 32)
        compare(list.slice(0, 8), [1, 2, 1, 0, 3, false, "", 1])
        compare(list[8], 1)
        compare(list[28], 21)
        compare(list.slice(29), [4, 6, "https://r8.example.org/"])
    }

    function test_swatchesReadBackFromText() {
        var texts = Prefs.build(sample()).map(function (v) { return String(v) })
        compare(Prefs.swatchesFrom(texts), sample().swatches)
    }

    function test_readingStoredText_data() {
        return [
            { tag: "number text", value: "1", whole: 1, flag: true },
            { tag: "number", value: 0, whole: 0, flag: false },
            { tag: "true text", value: "true", whole: -1, flag: true },
            { tag: "false text", value: "false", whole: -1, flag: false },
            { tag: "empty", value: "", whole: -1, flag: false }
        ]
    }
    function test_readingStoredText(data) {
        compare(Prefs.whole(data.value), data.whole)
        compare(Prefs.flag(data.value), data.flag)
    }
}
