import QtQuick

// A header showing the current entry; a click slides the list of entries open below it.
Rectangle {
    id: root
    property ListModel mdItems: ListModel {}
    property bool isSelect: false
    property alias defaultIndex: entries.currentIndex
    readonly property int listHeight: header.height * mdItems.count - (mdItems.count - 1) + 1
    readonly property bool opening: openAnimation.running
    readonly property bool closing: closeAnimation.running
    signal listElementClicked(int index)
    signal listOpened
    signal listClosed

    function setCurIndex(index) { entries.currentIndex = index }
    function getCurIndex() { return entries.currentIndex }

    function showList() {
        if (closeAnimation.running) {
            closeAnimation.complete()
            showList()
        } else if (openAnimation.running) {
            openAnimation.complete()
        } else {
            openAnimation.start()
        }
    }

    function closeList() {
        if (openAnimation.running) {
            openAnimation.complete()
            closeList()
        } else if (closeAnimation.running) {
            closeAnimation.complete()
        } else {
            closeAnimation.start()
        }
    }

    width: header.width
    height: header.height
    color: "black"

    Image {
        id: header
        source: mainIten.sourceSlider
        Text {
            x: 10
            anchors.verticalCenter: parent.verticalCenter
            text: entries.currentIndex >= 0 && entries.currentIndex < root.mdItems.count
                  ? root.mdItems.get(entries.currentIndex).textX
                  : "【 " + mainIten.globalSetting_stringList[1] + " 】"
            color: headerArea.containsMouse ? mainIten.globalSetting_color
                                            : mainIten.globalSetting_color_enable
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
        Text {
            anchors.right: parent.right
            anchors.rightMargin: 10
            anchors.verticalCenter: parent.verticalCenter
            text: "▼"
            color: headerArea.containsMouse ? mainIten.globalSetting_color
                                            : mainIten.globalSetting_color_enable
            font.family: "Arial"
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
        MouseArea {
            id: headerArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: root.isSelect ? root.closeList() : root.showList()
        }
    }

    Flickable {
        id: drawer
        y: header.height - 1
        width: header.width
        height: root.listHeight
        clip: true
        interactive: false
        visible: root.isSelect || openAnimation.running || closeAnimation.running
        contentWidth: width
        contentHeight: height

        Rectangle {
            width: drawer.width
            height: drawer.height
            color: "black"
            Column {
                id: entries
                property int currentIndex: -1
                spacing: -1
                Repeater {
                    id: entryRepeater
                    model: root.mdItems
                    Image {
                        source: mainIten.sourceSlider
                        Text {
                            x: 10
                            anchors.verticalCenter: parent.verticalCenter
                            text: model.textX
                            color: entryArea.containsMouse ? mainIten.globalSetting_color
                                                           : mainIten.globalSetting_color_enable
                            font.family: mainIten.globalSetting_fontFamily
                            font.pixelSize: mainIten.globalSetting_size
                            font.bold: true
                        }
                        MouseArea {
                            id: entryArea
                            anchors.fill: parent
                            hoverEnabled: true
                            onClicked: {
                                entries.currentIndex = index
                                root.closeList()
                                root.listElementClicked(index)
                            }
                        }
                    }
                }
            }
        }
    }

    // Sliding contentY moves the entries up out of sight (closed) or down into place (open).
    NumberAnimation {
        id: openAnimation
        target: drawer
        property: "contentY"
        from: root.listHeight
        to: 0
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed * (0.1 + 0.05 * root.mdItems.count)
        onStarted: root.listOpened()
        onStopped: root.isSelect = true
    }
    NumberAnimation {
        id: closeAnimation
        target: drawer
        property: "contentY"
        from: 0
        to: root.listHeight
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed * (0.1 + 0.05 * root.mdItems.count)
        onStopped: {
            root.isSelect = false
            root.listClosed()
        }
    }
}
