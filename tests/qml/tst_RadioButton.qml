import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    RadioButton { id: radio; index: 3; chkStr: "MOUSE" }
    SignalSpy { id: radioClicks; target: radio; signalName: "clicked" }

    TestCase {
        name: "RadioButton"
        when: windowShown

        function test_clickReportsWithoutSelecting() {
            mouseClick(radio)
            compare(radio.isSelect, false)
            compare(radioClicks.count, 1)
            compare(radioClicks.signalArguments[0][0], 3)
            compare(ui_View.played, [4])
            radio.isSelect = true
            mouseClick(radio)
            compare(radio.isSelect, true, "only the owner changes the selection")
        }
    }
}
