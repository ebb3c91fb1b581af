import QtQuick

// Placeholder root scene: proves the wiring between the program and QML until the real
// shell documents arrive.
Rectangle {
    id: mainIten
    width: 1000
    height: 600
    color: "#1b1d22"
    radius: 12
    visible: false

    // Every call the program makes, in order; tests read it.
    property var calls: []
    property int protectTime: -1

    function record(name) {
        calls = calls.concat([name])
    }

    function initUI() {
        record("initUI")
    }

    function run() {
        record("run")
        visible = true
    }

    function setProtectUI(busyTime) {
        record("setProtectUI")
        protectTime = busyTime
    }

    function detectKeyboard(keyCode, isPressed) {
        record("detectKeyboard")
    }

    function detectMouse(mouseCode, isPressed) {
        record("detectMouse")
    }

    Text {
        anchors.centerIn: parent
        text: "R8"
        color: "#e8412c"
        font.pixelSize: 96
        font.bold: true
    }

    MouseArea {
        anchors.fill: parent
        property point pressPoint
        onPressed: function(mouse) { pressPoint = Qt.point(mouse.x, mouse.y) }
        onPositionChanged: function(mouse) {
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
        onDoubleClicked: ui_Ctl.onMinimize()
    }
}
