import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    Checkbox { id: check; chkStr: "LOOP" }
    SignalSpy { id: checkClicks; target: check; signalName: "clicked" }

    TestCase {
        name: "Checkbox"
        when: windowShown

        function test_clickToggles() {
            mouseClick(check)
            compare(check.isSelect, true)
            compare(check.children[0].source, mainIten.sourceCHK1)
            mouseClick(check)
            compare(check.isSelect, false)
            compare(checkClicks.count, 2)
            compare(checkClicks.signalArguments[0][0], true)
            compare(checkClicks.signalArguments[1][0], false)
            compare(ui_View.played, [4, 4])
        }
    }
}
