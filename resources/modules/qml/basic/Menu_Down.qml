import QtQuick
import "../common"

// Bottom bar: reset and save every page at once.
Item {
    id: root
    property alias resetButton: resetButton
    property alias applyButton: applyButton
    signal btnTotalResetClicked
    signal btnTotalApplyClicked

    function setSkin() {}

    width: container.width + 18
    height: container.height + 18

    Image {
        id: container
        anchors.centerIn: parent
        source: mainIten.sourceListDnContainer
    }
    Button_2state {
        id: resetButton
        x: 350
        y: 13
        source0: mainIten.sourceReset0
        source1: mainIten.sourceReset1
        onClicked: {
            mainIten.setProtectUI(800)
            root.btnTotalResetClicked()
        }
    }
    Text {
        id: resetLabel
        x: resetButton.x + resetButton.width + 5
        anchors.verticalCenter: resetButton.verticalCenter
        text: mainIten.globalSetting_stringList[113]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
    Button_2state {
        id: applyButton
        x: 350 + resetButton.width + resetLabel.width + 35
        y: 13
        source0: mainIten.sourceApply0
        source1: mainIten.sourceApply1
        onClicked: {
            mainIten.setProtectUI(2000)
            root.btnTotalApplyClicked()
        }
    }
    Text {
        x: applyButton.x + applyButton.width + 5
        anchors.verticalCenter: applyButton.verticalCenter
        text: mainIten.globalSetting_stringList[114]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
}
