import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    RadioButton { id: radio; index: 3; chkStr: "MOUSE" }
    Checkbox { id: check; y: 40; chkStr: "LOOP" }
    Button_2state { id: button; y: 80; source0: mainIten.sourceApply0; source1: mainIten.sourceApply1 }
    SignalSpy { id: radioClicks; target: radio; signalName: "clicked" }
    SignalSpy { id: checkClicks; target: check; signalName: "clicked" }
    SignalSpy { id: buttonClicks; target: button; signalName: "clicked" }

    TestCase {
        name: "ClickButtons"
        when: windowShown

        function init() {
            ui_View.played = []
        }

        function test_radioClickReportsWithoutSelecting() {
            mouseClick(radio)
            compare(radio.isSelect, false)
            compare(radioClicks.count, 1)
            compare(radioClicks.signalArguments[0][0], 3)
            compare(ui_View.played, [4])
            radio.isSelect = true
            mouseClick(radio)
            compare(radio.isSelect, true, "only the owner changes the selection")
        }

        function test_checkboxToggles() {
            mouseClick(check)
            compare(check.isSelect, true)
            mouseClick(check)
            compare(check.isSelect, false)
            compare(checkClicks.count, 2)
            compare(checkClicks.signalArguments[0][0], true)
            compare(checkClicks.signalArguments[1][0], false)
            compare(ui_View.played, [4, 4])
        }

        function test_twoStateButtonHoverPressAndDisable() {
            mouseMove(button, 5, 5)
            tryCompare(button, "source", mainIten.sourceApply1)
            mousePress(button)
            compare(button.opacity, 0.2)
            mouseRelease(button)
            compare(button.opacity, 1.0)
            compare(buttonClicks.count, 1)
            compare(ui_View.played, [4])
            button.enabled = false
            compare(button.source, mainIten.sourceApply0)
            compare(button.opacity, 0.2)
            mouseClick(button)
            compare(buttonClicks.count, 1)
            button.enabled = true
        }
    }
}
