import QtQuick

// A root scene that records what the program calls on it, with the arguments, so capture
// tests can see exactly what QML receives.
Rectangle {
    id: mainIten
    width: 1000
    height: 600
    color: "#1b1d22"
    radius: 12
    visible: false

    // Every call the program makes, in order; tests read it.
    property var calls: []
    // The arguments of each call, as JSON text, beside `calls`.
    property var args: []
    property int protectTime: -1

    function record(name, argList) {
        calls = calls.concat([name])
        args = args.concat([JSON.stringify(argList === undefined ? [] : argList)])
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

    function detectKeyboard(isDown, usbCode) {
        record("detectKeyboard", [isDown, usbCode])
    }

    function detectMouse(isDown, buttonCode, x, y) {
        record("detectMouse", [isDown, buttonCode, x, y])
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
