import QtQuick

// A scrolling list of names with a right-aligned note each; names can be renamed in place.
Rectangle {
    id: root
    property ListModel mdItems: ListModel {}
    property alias lvItems: list
    signal listElementClicked(int index)
    signal listElementRightBtnClicked(int index)
    signal editFileName_start(int tarIndex)
    signal editFileName_completed(string oldName, string newName)

    function editFileName(index) {
        editFileName_start(index)
        var item = list.itemAtIndex(index)
        if (item)
            item.startEditing()
    }

    width: 151
    height: 200
    color: "black"

    Item {
        id: inner
        width: root.width - 10
        height: root.height - 1
        anchors.horizontalCenter: parent.horizontalCenter

        ListView {
            id: list
            width: inner.width - 8
            height: inner.height
            clip: true
            boundsBehavior: Flickable.StopAtBounds
            spacing: -1
            currentIndex: -1
            model: root.mdItems
            onCountChanged: if (count === 0) currentIndex = -1
            // The view counts lazily; the model's count falls at once.
            Connections {
                target: root.mdItems
                function onCountChanged() {
                    if (root.mdItems.count === 0)
                        list.currentIndex = -1
                }
            }

            delegate: Item {
                id: entry
                property alias editor: nameField
                readonly property bool lit: ListView.isCurrentItem || entryArea.containsMouse
                width: list.width
                height: 20

                function startEditing() {
                    root.mdItems.setProperty(index, "textX", nameField.text)
                    nameField.forceActiveFocus()
                    nameField.selectAll()
                    Qt.inputMethod.show()
                }

                function finishEditing() {
                    var oldName = root.mdItems.get(index).textX
                    var newName = nameField.text
                    root.mdItems.setProperty(index, "textX", newName)
                    Qt.inputMethod.hide()
                    root.editFileName_completed(oldName, newName)
                    nameField.focus = false
                }

                Image {
                    visible: index !== 0
                    source: mainIten.sourceLine
                    width: parent.width
                }
                Image {
                    visible: index !== list.count - 1
                    source: mainIten.sourceLine
                    width: parent.width
                    anchors.bottom: parent.bottom
                }
                TextInput {
                    id: nameField
                    x: 5
                    width: parent.width - 10
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.textX
                    color: entry.lit ? mainIten.globalSetting_color : mainIten.globalSetting_color_enable
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    font.bold: true
                    Keys.onReturnPressed: entry.finishEditing()
                    Keys.onEnterPressed: entry.finishEditing()
                    // Leaving the field without Return discards the edit.
                    onActiveFocusChanged: {
                        if (!activeFocus) {
                            deselect()
                            text = root.mdItems.get(index).textX
                        }
                    }
                }
                Text {
                    anchors.right: parent.right
                    anchors.rightMargin: 5
                    anchors.verticalCenter: parent.verticalCenter
                    text: model.textR !== undefined ? model.textR : ""
                    color: nameField.color
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: mainIten.globalSetting_size
                    font.bold: true
                }
                MouseArea {
                    id: entryArea
                    anchors.fill: parent
                    hoverEnabled: true
                    acceptedButtons: Qt.LeftButton | Qt.RightButton
                    onClicked: function (mouse) {
                        if (mouse.button === Qt.RightButton) {
                            root.listElementRightBtnClicked(index)
                            return
                        }
                        list.currentIndex = list.currentIndex === index ? -1 : index
                        root.listElementClicked(list.currentIndex)
                    }
                }
            }
        }

        Rectangle {
            id: scrollBar
            x: inner.width - width
            y: list.visibleArea.yPosition * list.height
            width: 5
            height: list.visibleArea.heightRatio * list.height
            radius: width / 2
            opacity: 0.5
            visible: height < list.height && root.mdItems.count > 0
            color: barArea.containsMouse ? mainIten.globalSetting_color
                                         : mainIten.globalSetting_color_enable
            MouseArea {
                id: barArea
                property real pressY: 0
                anchors.fill: parent
                hoverEnabled: true
                onPressed: function (mouse) { pressY = mouse.y }
                onPositionChanged: function (mouse) {
                    if (!pressed)
                        return
                    var dy = mouse.y - pressY
                    if ((dy < 0 && scrollBar.y >= 0)
                            || (dy > 0 && scrollBar.y + scrollBar.height <= list.height))
                        list.contentY = Math.max(0, Math.min(list.contentHeight - list.height,
                                                             list.contentY + dy))
                }
            }
        }
    }
}
