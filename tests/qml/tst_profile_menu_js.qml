import QtQuick
import QtTest
import "../../resources/modules/qml/js/profile_menu.js" as ProfileMenu

TestCase {
    name: "ProfileMenu"

    function test_labels() {
        compare([0, 1, 4, 9].map(ProfileMenu.label), ["P01", "P02", "P05", "P10"])
    }

    function test_rereads_data() {
        return [
            { tag: "load on the current profile", action: 0, menu: 1, current: 1, rereads: true },
            { tag: "load on another profile", action: 0, menu: 2, current: 1, rereads: false },
            { tag: "save on the current profile", action: 1, menu: 1, current: 1, rereads: false },
            { tag: "reset on the current profile", action: 2, menu: 0, current: 0, rereads: true },
            { tag: "reset on another profile", action: 2, menu: 3, current: 0, rereads: false },
            { tag: "cancel", action: 3, menu: 0, current: 0, rereads: false }
        ]
    }
    function test_rereads(data) {
        compare(ProfileMenu.rereads(data.action, data.menu, data.current), data.rereads)
    }
}
