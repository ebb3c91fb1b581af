import QtQuick

// A header that drops a file list open below it.
Rectangle {
    id: root
    property alias mdItems: files.mdItems
    property bool isSelect: false
    property alias fileList: files
    signal listElementClicked(int index)
    signal requestToUpdateList
    signal listOpened
    signal listClosed

    function setCurIndex(index) { files.lvItems.currentIndex = index }
    function getCurIndex() { return files.lvItems.currentIndex }

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
            text: files.lvItems.currentIndex >= 0 && files.lvItems.currentIndex < files.mdItems.count
                  ? files.mdItems.get(files.lvItems.currentIndex).textX
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
            onClicked: {
                if (root.isSelect) {
                    root.closeList()
                } else {
                    root.requestToUpdateList()
                    root.showList()
                }
            }
        }
    }

    Flickable {
        id: drawer
        y: header.height - 1
        width: background.width + 1
        height: background.height + 1
        clip: true
        interactive: false
        visible: root.isSelect || openAnimation.running || closeAnimation.running

        // Kept above the visible area at rest; opening scrolls it down into place.
        Image {
            id: background
            y: -drawer.height
            source: mainIten.sourceFilelist
            FileList {
                id: files
                width: background.width + 1
                height: background.height + 1
                color: "transparent"
                onListElementClicked: function (index) {
                    root.closeList()
                    root.listElementClicked(index)
                }
            }
        }
    }

    NumberAnimation {
        id: openAnimation
        target: drawer
        property: "contentY"
        from: 0
        to: -drawer.height
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed / 2
        onStarted: root.listOpened()
        onStopped: root.isSelect = true
    }
    NumberAnimation {
        id: closeAnimation
        target: drawer
        property: "contentY"
        from: -drawer.height
        to: 0
        easing.type: Easing.OutQuad
        duration: mainIten.animation_speed / 2
        onStopped: {
            root.isSelect = false
            root.listClosed()
        }
    }
}
