import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    Button_2state { id: button; source0: mainIten.sourceApply0; source1: mainIten.sourceApply1 }
    SignalSpy { id: buttonClicks; target: button; signalName: "clicked" }

    TestCase {
        name: "Button_2state"
        when: windowShown

        function test_hoverPressAndDisable() {
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
        }
    }
}
