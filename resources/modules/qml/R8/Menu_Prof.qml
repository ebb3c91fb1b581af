import QtQuick
import "../js/profile_menu.js" as ProfileMenu

// Profile column: a left click makes a profile current, a right click offers load, save,
// reset and cancel for it.
Item {
    id: root
    property int currentIndex: 0
    property alias entries: entryRepeater
    property alias contextMenu: contextMenu
    property alias menuEntries: menuRepeater
    signal indexChanged_btn(int currentIndex)

    function translateStrings() {
        var strings = mainIten.globalSetting_stringList
        for (var i = 0; i < ProfileMenu.actions.length; ++i) {
            var text = strings[ProfileMenu.actions[i].string]
            menuTexts.setProperty(i, "textX",
                                  text !== undefined ? text : ProfileMenu.actions[i].text)
        }
    }

    function select(index) {
        if (index === currentIndex)
            return
        currentIndex = index
        indexChanged_btn(index)
    }

    function openMenu(index, x, y) {
        var at = ProfileMenu.menuPosition(index, x, y)
        contextMenu.profileIndex = index
        contextMenu.x = at.x
        contextMenu.y = at.y
        menuClosing.stop()
        contextMenu.opacity = 0
        contextMenu.visible = true
        menuOpening.restart()
    }

    function closeMenu() {
        menuOpening.stop()
        menuClosing.restart()
    }

    function runAction(action) {
        var index = contextMenu.profileIndex
        closeMenu()
        if (action === 0)
            ui_View.loadProfile(index)
        else if (action === 1)
            ui_View.saveProfile(index)
        else if (action === 2)
            ui_View.resetProfile(index)
        if (ProfileMenu.rereads(action, index, currentIndex))
            indexChanged_btn(index)
    }

    width: container.width
    height: container.height

    Image {
        id: container
        source: mainIten.sourceListPfContainer
    }

    // Centred when the skin's column is narrower than the entries' usual place allows.
    Column {
        x: Math.min(23, (container.width - 49) / 2)
        y: 97
        Repeater {
            id: entryRepeater
            model: ProfileMenu.kProfiles
            Image {
                width: 49
                height: 26
                source: area.containsMouse || root.currentIndex === index ? mainIten.sourceFW1
                                                                          : mainIten.sourceFW0
                Text {
                    anchors.centerIn: parent
                    text: ProfileMenu.label(index)
                    color: mainIten.globalSetting_color
                    font.family: "Arial"
                    font.pixelSize: mainIten.globalSetting_size
                    font.bold: true
                }
                MouseArea {
                    id: area
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function (mouse) {
                        if (mouse.button === Qt.RightButton)
                            root.openMenu(index, mouse.x, mouse.y)
                        else
                            root.select(index)
                    }
                }
            }
        }
    }

    Rectangle {
        id: contextMenu
        property int profileIndex: -1
        width: 45
        height: menuColumn.height
        visible: false
        opacity: 0
        z: 2
        color: Qt.rgba(0, 0, 0, 32 / 255)
        Column {
            id: menuColumn
            Repeater {
                id: menuRepeater
                model: ListModel {
                    id: menuTexts
                    ListElement { textX: "LOAD" }
                    ListElement { textX: "SAVE" }
                    ListElement { textX: "RESET" }
                    ListElement { textX: "CANCEL" }
                }
                Item {
                    width: 45
                    height: 20
                    Text {
                        anchors.centerIn: parent
                        text: model.textX
                        color: menuArea.containsMouse ? mainIten.globalSetting_color
                                                      : mainIten.globalSetting_color_enable
                        font.family: mainIten.globalSetting_fontFamily
                        font.pixelSize: mainIten.globalSetting_size
                        font.bold: true
                    }
                    MouseArea {
                        id: menuArea
                        anchors.fill: parent
                        hoverEnabled: true
                        onClicked: root.runAction(index)
                    }
                }
            }
        }
    }

    NumberAnimation {
        id: menuOpening
        target: contextMenu
        property: "opacity"
        to: 1
        easing.type: Easing.OutExpo
        duration: 1.5 * mainIten.animation_speed
    }
    NumberAnimation {
        id: menuClosing
        target: contextMenu
        property: "opacity"
        to: 0
        duration: mainIten.animation_speed
        onStopped: if (contextMenu.opacity === 0) contextMenu.visible = false
    }
}
