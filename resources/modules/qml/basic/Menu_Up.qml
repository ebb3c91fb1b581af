import QtQuick
import "../common"

// Top bar: settings button on the left, close button on the right.
Item {
    id: root
    property bool isGlobalSettingSelect: false
    property alias settingsButton: settingsButton
    property alias closeButton: closeButton
    signal btnClicked(int btnIndex)

    width: container.width + 16
    height: container.height + 16

    Image {
        id: container
        anchors.centerIn: parent
        source: mainIten.sourceListUpContainer
    }
    Image {
        id: settingsButton
        anchors.left: parent.left
        anchors.leftMargin: 5
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -3
        source: root.isGlobalSettingSelect || settingsArea.containsMouse ? mainIten.sourceAS1
                                                                         : mainIten.sourceAS0
        MouseArea {
            id: settingsArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                ui_View.playMedia_Index(0x02)
                root.btnClicked(0)
            }
        }
    }
    Button_2state {
        id: closeButton
        anchors.right: parent.right
        anchors.rightMargin: 5
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: -3
        source0: mainIten.sourceAM0
        source1: mainIten.sourceAM1
        onClicked: root.btnClicked(1)
    }
}
