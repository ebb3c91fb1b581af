import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten
    animation_speed: 800

    FakeView { id: ui_View }
    DropdownList {
        id: list
        x: 20
        y: 20
        mdItems: ListModel {
            ListElement { textX: "ENGLISH" }
            ListElement { textX: "DEUTSCH" }
            ListElement { textX: "FRANCAIS" }
        }
        property var events: []
        onListOpened: events = events.concat(["opened"])
        onIsSelectChanged: events = events.concat(["isSelect " + isSelect])
        onListClosed: events = events.concat(["closed"])
    }
    SignalSpy { id: picks; target: list; signalName: "listElementClicked" }

    function headerText() {
        return list.children[0].children[0].text
    }

    function entry(i) {
        // header, drawer > contentItem > background > column
        var column = list.children[1].contentItem.children[0].children[0]
        return column.children[i]
    }

    TestCase {
        name: "DropdownList"
        when: windowShown

        function init() {
            if (list.isSelect || list.opening || list.closing)
                list.closeList()
            tryCompare(list, "isSelect", false)
            tryCompare(list, "closing", false)
            list.events = []
            picks.clear()
        }

        function test_headerWithoutCurrentEntryShowsTheOptionsText() {
            list.setCurIndex(-1)
            compare(headerText(), "【 OPTIONS 】")
            list.setCurIndex(1)
            compare(headerText(), "DEUTSCH")
            list.setCurIndex(7)
            compare(headerText(), "【 OPTIONS 】")
        }

        function test_openAndClose() {
            mouseClick(list)
            verify(list.opening)
            tryCompare(list, "isSelect", true)
            compare(list.events, ["opened", "isSelect true"])
            mouseClick(list)
            tryCompare(list, "isSelect", false)
            compare(list.events, ["opened", "isSelect true", "isSelect false", "closed"])
        }

        function test_entryClickedWhileOpeningFinishesOpeningThenCloses() {
            mainIten.animation_speed = 3000
            list.setCurIndex(1)
            list.showList()
            verify(list.opening)
            // The list slides down from above: the last entry comes into view first.
            var drawer = list.children[1]
            tryVerify(function () { return drawer.contentY <= entry(2).y - 1 })
            verify(list.opening)
            mouseClick(entry(2))
            mainIten.animation_speed = 800
            compare(list.opening, false)
            compare(list.events.slice(0, 2), ["opened", "isSelect true"])
            verify(list.closing)
            compare(picks.count, 1)
            compare(picks.signalArguments[0][0], 2)
            compare(list.getCurIndex(), 2)
            tryCompare(list, "isSelect", false)
            compare(list.events, ["opened", "isSelect true", "isSelect false", "closed"])
        }

        function test_showWhileClosingReopens() {
            list.showList()
            tryCompare(list, "isSelect", true)
            list.closeList()
            verify(list.closing)
            list.showList()
            verify(list.opening)
            tryCompare(list, "isSelect", true)
        }
    }
}
