import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    FileListButton {
        id: button
        x: 20
        y: 20
        property var events: []
        onRequestToUpdateList: events = events.concat(["update"])
        onListOpened: events = events.concat(["opened"])
        onListClosed: events = events.concat(["closed"])
    }
    SignalSpy { id: picks; target: button; signalName: "listElementClicked" }

    TestCase {
        name: "FileListButton"
        when: windowShown

        function init() {
            button.mdItems.clear()
            button.mdItems.append({ textX: "m1", textR: "" })
            button.mdItems.append({ textX: "m2", textR: "" })
            button.setCurIndex(-1)
            if (button.isSelect)
                button.closeList()
            tryCompare(button, "isSelect", false)
            button.events = []
            picks.clear()
        }

        function test_headerAsksForAFreshListBeforeOpening() {
            compare(button.children[0].children[0].text, "【 OPTIONS 】")
            mouseClick(button, 20, 10)
            compare(button.events, ["update", "opened"])
            tryCompare(button, "isSelect", true)
            mouseClick(button, 20, 10)
            tryCompare(button, "isSelect", false)
            compare(button.events, ["update", "opened", "closed"])
        }

        function test_pickingAFileClosesAndReportsIt() {
            button.showList()
            tryCompare(button, "isSelect", true)
            var item = button.fileList.lvItems.itemAtIndex(1)
            mouseClick(item)
            compare(picks.count, 1)
            compare(picks.signalArguments[0][0], 1)
            compare(button.getCurIndex(), 1)
            tryCompare(button, "isSelect", false)
            compare(button.children[0].children[0].text, "m2")
        }
    }
}
