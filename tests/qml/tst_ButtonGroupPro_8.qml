import QtQuick
import QtTest
import "../../resources/modules/qml/common"
import "support"

TestRoot {
    id: mainIten

    FakeView { id: ui_View }
    ButtonGroupPro_8 {
        id: group
        x: 20
        y: 20
        valueForIndex: [400, 800, 1600, 3200, 6400, 0, 0, 0]
    }
    SignalSpy { id: clicks; target: group; signalName: "clicked" }
    SignalSpy { id: changes; target: group; signalName: "valueChanged" }

    function menuItem(k) {
        return group.menuItems.itemAt(k)
    }

    TestCase {
        name: "ButtonGroupPro_8"
        when: windowShown

        function init() {
            group.maxStage = 8
            group.valueForIndex = [400, 800, 1600, 3200, 6400, 0, 0, 0]
            group.valueForMenuIndex = [0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000,
                                       1100, 1200, 1300, 1400, 1500, 1600, 1700]
            group.setCurIndex(0)
            if (group.menu.visible)
                group.showMenu(false, 0, 0)
            tryCompare(group.menu, "visible", false)
            clicks.clear()
            changes.clear()
        }

        function test_stagesBeyondMaxStageAreHidden() {
            group.maxStage = 5
            for (var i = 0; i < 8; ++i) {
                var b = group.buttons.itemAt(i)
                compare(b.label.visible, i < 5, "label " + i)
                compare(b.arrow.visible, i < 5, "arrow " + i)
                compare(b.area.visible, i < 5, "mouse area " + i)
            }
            mouseClick(group.buttons.itemAt(6))
            compare(clicks.count, 0)
        }

        function test_stageSwitchedOffShowsCrossAndIgnoresClicks() {
            group.valueForIndex = [400, 800, 0, 3200, 6400, 0, 0, 0]
            var b = group.buttons.itemAt(2)
            compare(b.label.text, "×")
            mouseClick(b, 20, b.height / 2)
            compare(group.currentIndex, 0)
            compare(clicks.count, 0)
            mouseClick(group.buttons.itemAt(3), 20, 9)
            compare(group.currentIndex, 3)
            compare(clicks.signalArguments[0][0], 3)
        }

        function test_menuValueGoesToTheStageWhoseArrowOpenedIt() {
            var b = group.buttons.itemAt(1)
            mouseClick(b.arrow)
            compare(group.currentMenuIndex, 1)
            verify(group.menu.visible)
            compare(group.z, 1)
            compare(group.menu.y, b.y + b.height + 5)
            tryCompare(group.menu, "opacity", 1)
            var before = group.valueForIndex
            mouseClick(menuItem(12))
            compare(group.valueForIndex[1], 1200)
            compare(group.valueForIndex[0], 400)
            verify(before !== group.valueForIndex, "a new list is assigned")
            compare(changes.count, 1)
            compare(changes.signalArguments[0][0], 1)
            compare(changes.signalArguments[0][1], 1200)
            compare(group.currentMenuIndex, -1)
            tryCompare(group.menu, "visible", false)
            compare(group.z, 0)
        }

        function test_menuValueWithoutOpenStageChangesNothing() {
            mouseClick(group.buttons.itemAt(0).arrow)
            tryCompare(group.menu, "opacity", 1)
            group.currentMenuIndex = -1
            mouseClick(menuItem(3))
            compare(group.valueForIndex, [400, 800, 1600, 3200, 6400, 0, 0, 0])
            compare(changes.count, 0)
            tryCompare(group.menu, "visible", false)
        }

        function test_arrowOfOpenMenuClosesIt() {
            var b = group.buttons.itemAt(4)
            mouseClick(b.arrow)
            compare(group.currentMenuIndex, 4)
            mouseClick(b.arrow)
            compare(group.currentMenuIndex, -1)
            tryCompare(group.menu, "visible", false)
        }

        function test_menuCounterHidesItems() {
            mouseClick(group.buttons.itemAt(0).arrow)
            tryCompare(group.menu, "opacity", 1)
            group.menuCounter = 6
            compare(menuItem(5).visible, true)
            compare(menuItem(6).visible, false)
            group.menuCounter = 18
        }
    }
}
