import QtQuick

// Eight DPI stages in two rows, each with a value menu behind its "▼".
Image {
    id: root
    property var valueForIndex: [0, 1, 2, 3, 4, 5, 6, 7]
    property int currentIndex: 0
    property int maxStage: 8
    property var valueForMenuIndex: [0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
    property int currentMenuIndex: -1
    property int menuCounter: 18
    property alias buttons: buttonRepeater
    property alias menu: menuGrid
    property alias menuItems: menuRepeater
    signal clicked(int index)
    signal valueChanged(int index, int value)

    function setCurIndex(index) { currentIndex = index }
    function getCurIndex() { return currentIndex }

    function showMenu(isOpen, _X, _Y) {
        if (menuOpening.running || menuClosing.running) {
            menuOpening.complete()
            menuClosing.complete()
            showMenu(isOpen, _X, _Y)
            return
        }
        if (isOpen) {
            menuGrid.x = _X
            menuGrid.y = _Y
            menuGrid.opacity = 0
            menuGrid.visible = true
            menuOpening.start()
        } else {
            menuClosing.start()
            currentMenuIndex = -1
        }
    }

    function chooseMenuValue(value) {
        if (currentMenuIndex >= 0) {
            var values = []
            for (var i = 0; i < valueForIndex.length; ++i)
                values.push(valueForIndex[i])
            values[currentMenuIndex] = value
            var stage = currentMenuIndex
            valueForIndex = values
            valueChanged(stage, value)
        }
        showMenu(false, 0, 0)
    }

    source: mainIten.sourceBtnGroup_8_BASE
    z: menuGrid.visible ? 1 : 0

    Repeater {
        id: buttonRepeater
        model: 8
        Image {
            id: button
            property alias label: label
            property alias arrow: arrow
            property alias area: area
            readonly property bool shown: index < root.maxStage
            readonly property bool menuOpen: menuGrid.visible && root.currentMenuIndex === index

            x: [3, 80, 157, 234][index % 4]
            y: index < 4 ? 8 : 27
            source: area.containsMouse || root.currentIndex === index
                    ? mainIten.sourceBtnGroup2_FILLER_1 : mainIten.sourceBtnGroup2_FILLER_0

            Text {
                id: label
                anchors.centerIn: parent
                visible: button.shown
                text: root.valueForIndex[index] > 0 ? root.valueForIndex[index] : "×"
                color: mainIten.globalSetting_color
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                font.bold: true
            }
            MouseArea {
                id: area
                anchors.fill: parent
                visible: button.shown
                enabled: root.valueForIndex[index] > 0
                hoverEnabled: true
                onClicked: {
                    root.currentIndex = index
                    root.clicked(index)
                }
            }
            Text {
                id: arrow
                anchors.right: parent.right
                anchors.rightMargin: 5
                anchors.verticalCenter: parent.verticalCenter
                visible: button.shown
                text: "▼"
                color: arrowArea.containsMouse || button.menuOpen
                       ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                font.family: "Arial"
                font.pixelSize: 8
                font.bold: true
                MouseArea {
                    id: arrowArea
                    anchors.fill: parent
                    anchors.margins: -3
                    hoverEnabled: true
                    onClicked: function (mouse) {
                        if (button.menuOpen) {
                            root.currentMenuIndex = -1
                            root.showMenu(false, 0, 0)
                        } else {
                            root.currentMenuIndex = index
                            root.showMenu(true,
                                          button.x + arrow.x + mouse.x - menuGrid.width / 2,
                                          button.y + button.height + 5)
                        }
                    }
                }
            }
        }
    }

    Grid {
        id: menuGrid
        columns: 3
        spacing: 2
        visible: false
        opacity: 0
        Repeater {
            id: menuRepeater
            model: 18
            ButtonGroupPro_8_Menu {
                index: model.index
                value: root.valueForMenuIndex[model.index]
                visible: root.menuCounter > model.index
                onClicked: root.chooseMenuValue(value)
            }
        }
    }

    NumberAnimation {
        id: menuOpening
        target: menuGrid
        property: "opacity"
        from: 0
        to: 1
        easing.type: Easing.OutExpo
        duration: 1.5 * mainIten.animation_speed
    }
    NumberAnimation {
        id: menuClosing
        target: menuGrid
        property: "opacity"
        from: 1
        to: 0
        easing.type: Easing.OutExpo
        duration: mainIten.animation_speed
        alwaysRunToEnd: true
        onStopped: menuGrid.visible = false
    }
}
