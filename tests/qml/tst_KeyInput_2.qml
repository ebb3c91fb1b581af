import QtQuick
import QtTest
import "../../resources/modules/qml/basic"
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    KeyCodeString { id: _KeyCodeString }
    KeyInput_2 { id: field; x: 10; y: 10 }
    KeyInput { id: small; x: 10; y: 60 }
    SignalSpy { id: taken; target: field; signalName: "inputComplete" }

    TestCase {
        name: "KeyInput_2"
        when: windowShown

        function init() {
            field.setKeycodeUSB(-1)
            taken.clear()
        }

        function test_firstKeyAfterArmingIsTaken() {
            field.detectKeyboard(true, 0x04)
            compare(taken.count, 0, "not armed")
            mouseClick(field)
            verify(field.isSelect)
            field.detectKeyboard(true, 0x04)
            field.detectKeyboard(false, 0x05)
            compare(taken.count, 1)
            compare(taken.signalArguments[0][0], 0x04)
            compare(field.text, "KEY 【 A 】")
            verify(!field.isSelect)
        }

        function test_namelessCodeShowsPressAnyAndIsStillReported() {
            mouseClick(field)
            field.detectKeyboard(true, 0x31)
            compare(field.text, "KEY【 PRESS ANY 】")
            compare(field.tmpKeycodeUSB, 0)
            compare(taken.count, 1)
            compare(taken.signalArguments[0][0], 0x31)
        }

        function test_clickingArmedFieldDisarmsAndClears() {
            field.setKeycodeUSB(0x2c)
            compare(field.text, "KEY 【 Space 】")
            mouseClick(field)
            verify(field.isSelect)
            compare(field.text, "KEY【 PRESS ANY 】")
            mouseClick(field)
            verify(!field.isSelect)
        }

        function test_smallFieldNamesAndClears() {
            small.setKeycodeUSB(0xe0)
            compare(small.keycodeUSB, 0xe0)
            compare(small.keyname, "L Ctrl")
            small.setKeycodeUSB(0x31)
            compare(small.keycodeUSB, -1)
            compare(small.keyname, "")
        }
    }
}
