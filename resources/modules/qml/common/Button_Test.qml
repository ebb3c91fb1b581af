import QtQuick

// A bare red square for trying things out in a layout.
Rectangle {
    property alias mouse: area
    width: 50
    height: 50
    color: "red"
    MouseArea {
        id: area
        anchors.fill: parent
        onClicked: console.log("onTestClicked")
    }
}
