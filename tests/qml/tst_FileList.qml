import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    FileList {
        id: files
        x: 10
        y: 10
        mdItems: ListModel {
            ListElement { textX: "macro1"; textR: "12" }
            ListElement { textX: "macro2"; textR: "3" }
        }
    }
    TextInput { id: elsewhere; x: 300; y: 10; width: 50; height: 20 }
    SignalSpy { id: completed; target: files; signalName: "editFileName_completed" }
    SignalSpy { id: started; target: files; signalName: "editFileName_start" }
    SignalSpy { id: picks; target: files; signalName: "listElementClicked" }
    SignalSpy { id: rightPicks; target: files; signalName: "listElementRightBtnClicked" }

    function editor(i) {
        return files.lvItems.itemAtIndex(i).editor
    }

    TestCase {
        name: "FileList"
        when: windowShown

        function init() {
            files.mdItems.clear()
            files.mdItems.append({ textX: "macro1", textR: "12" })
            files.mdItems.append({ textX: "macro2", textR: "3" })
            files.lvItems.currentIndex = -1
            tryVerify(function () { return files.lvItems.itemAtIndex(1) !== null })
            completed.clear()
            started.clear()
            picks.clear()
            rightPicks.clear()
        }

        function test_renameEndedByReturnReportsBothNames() {
            files.editFileName(1)
            compare(started.signalArguments[0][0], 1)
            verify(editor(1).activeFocus)
            keyClick(Qt.Key_F)
            keyClick(Qt.Key_P)
            keyClick(Qt.Key_S)
            keyClick(Qt.Key_Return)
            compare(completed.count, 1)
            compare(completed.signalArguments[0][0], "macro2")
            compare(completed.signalArguments[0][1], "fps")
            compare(files.mdItems.get(1).textX, "fps")
            verify(!editor(1).activeFocus)
        }

        function test_renameEndedByLeavingRestoresTheName() {
            files.editFileName(0)
            keyClick(Qt.Key_X)
            compare(editor(0).text, "x")
            elsewhere.forceActiveFocus()
            compare(editor(0).text, "macro1")
            compare(editor(0).selectedText, "")
            compare(files.mdItems.get(0).textX, "macro1")
            compare(completed.count, 0)
        }

        function test_leftClickTogglesTheCurrentItem() {
            var item = files.lvItems.itemAtIndex(1)
            mouseClick(item)
            compare(files.lvItems.currentIndex, 1)
            mouseClick(item)
            compare(files.lvItems.currentIndex, -1)
            compare(picks.signalArguments[0][0], 1)
            compare(picks.signalArguments[1][0], -1)
            mouseClick(item, 10, 10, Qt.RightButton)
            compare(rightPicks.signalArguments[0][0], 1)
            compare(files.lvItems.currentIndex, -1)
        }

        function test_emptyingTheModelClearsTheCurrentIndex() {
            files.lvItems.currentIndex = 1
            files.mdItems.clear()
            compare(files.lvItems.currentIndex, -1)
            files.mdItems.append({ textX: "macro9", textR: "1" })
            compare(files.lvItems.currentIndex, -1)
        }
    }
}
