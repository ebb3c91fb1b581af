import QtQuick

// The function menu: key assignment, macros, lighting, sensor.
Item {
    id: root
    property alias currentIndex: list.currentIndex
    property int img_Width: 150
    property int img_Height: 37
    property int btn_spacing: 13
    property alias list: list
    signal indexChanged_btn(int currentIndex)

    readonly property var iconNames: ["fnKeydefine", "fnMacro", "fnColor", "fnSensor"]

    function iconUrl(index, state) {
        return mainIten.functionIcon(iconNames[index], state)
    }

    function setSkin() {
        for (var i = 0; i < 4; ++i) {
            functions.setProperty(i, "sourceICON0", iconUrl(i, 0))
            functions.setProperty(i, "sourceICON1", iconUrl(i, 1))
        }
    }

    function translateStrings() {
        var strings = [74, 75, 76, 86]
        for (var i = 0; i < 4; ++i)
            functions.setProperty(i, "name", mainIten.globalSetting_stringList[strings[i]])
    }

    width: img_Width
    height: 4 * img_Height + 3 * btn_spacing

    ListModel {
        id: functions
        ListElement { sourceICON0: "file:modules/img/skin1/list_fn/fnKeydefine_0.png"; sourceICON1: "file:modules/img/skin1/list_fn/fnKeydefine_1.png"; name: "KEY" }
        ListElement { sourceICON0: "file:modules/img/skin1/list_fn/fnMacro_0.png"; sourceICON1: "file:modules/img/skin1/list_fn/fnMacro_1.png"; name: "MACRO" }
        ListElement { sourceICON0: "file:modules/img/skin1/list_fn/fnColor_0.png"; sourceICON1: "file:modules/img/skin1/list_fn/fnColor_1.png"; name: "COLOR" }
        ListElement { sourceICON0: "file:modules/img/skin1/list_fn/fnSensor_0.png"; sourceICON1: "file:modules/img/skin1/list_fn/fnSensor_1.png"; name: "SENSOR" }
    }

    ListView {
        id: list
        anchors.fill: parent
        interactive: false
        spacing: root.btn_spacing
        currentIndex: -1
        model: functions
        delegate: Image {
            id: button
            property alias area: area
            property alias icon: icon
            width: root.img_Width
            height: root.img_Height
            source: area.containsMouse ? mainIten.sourceListFnBtn_1 : mainIten.sourceListFnBtn_0
            Image {
                id: icon
                x: root.img_Width / 15
                anchors.verticalCenter: parent.verticalCenter
                source: button.ListView.isCurrentItem ? model.sourceICON1 : model.sourceICON0
            }
            Text {
                x: icon.x + icon.width + 15
                anchors.verticalCenter: parent.verticalCenter
                anchors.verticalCenterOffset: 4
                text: model.name
                color: mainIten.globalSetting_color
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: mainIten.globalSetting_size
                font.bold: true
            }
            MouseArea {
                id: area
                anchors.fill: parent
                hoverEnabled: true
                onClicked: {
                    list.currentIndex = list.currentIndex === index ? -1 : index
                    root.indexChanged_btn(list.currentIndex)
                }
            }
        }
    }
}
