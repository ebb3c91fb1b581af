import QtQuick
import "./basic"
import "./common"
import "./R8"

// The root scene: backgrounds, the mouse's document, the top and bottom menus, the settings
// panel, the busy lock and the power-on and closing animations. Its properties carry the
// interface-wide look that every other document reads.
SkinImages {
    id: mainIten

    property int globalSetting_size: _Page_Globalsetting._Size
    property color globalSetting_color: _Page_Globalsetting._Color
    property color globalSetting_color_enable: _Page_Globalsetting._ColorEnable
    property color globalSetting_color_disable: _Page_Globalsetting._ColorDisable
    property int animation_speed: _Page_Globalsetting._AnimationSpeed
    property var globalSetting_stringList: _Page_Globalsetting._StringList
    property string globalSetting_fontFamily: _Page_Globalsetting._FontFamily
    property string globalSetting_url: _Page_Globalsetting._Url
    skin_No: _Page_Globalsetting.skin_No
    property bool isCustomBackground: _Page_Globalsetting.isCustomBackground
    property url sourceCustomBackground: ""

    property alias powerOnAnimation: powerOn
    property alias closingAnimation: closing
    property alias settingsPanelIn: panelIn
    property alias settingsPanelOut: panelOut

    signal emptyAreaPressed
    signal msg_KB(bool isDown, int usbCode)

    // The global settings page loads the strings the device pages use, so it goes first.
    function initUI() {
        _Page_Globalsetting.initUI()
        main_R8.initUI()
    }

    function run() {
        powerOn.restart()
    }

    function setProtectUI(interval) {
        protectUIItem.setBusy(true)
        ui_View.setEnabled(false)
        tmrProtectUI.interval = interval
        tmrProtectUI.restart()
    }

    function detectKeyboard(isDown, usbCode) {
        msg_KB(isDown, usbCode)
    }

    function detectMouse(isDown, buttonCode, x, y) {
    }

    function setSkin() {
        downItem.setSkin()
        main_R8.setSkin()
    }

    function translateStrings(code) {
        _Page_Globalsetting.translateStrings()
        main_R8.translateStrings(code)
    }

    function showSettingsPanel() {
        if (panelOut.running) {
            panelOut.complete()
            showSettingsPanel()
        } else if (panelIn.running) {
            panelIn.complete()
        } else {
            _fkGlobalsetting.visible = true
            panelIn.start()
        }
    }

    function closeSettingsPanel() {
        if (panelOut.running) {
            panelOut.complete()
        } else if (panelIn.running) {
            panelIn.complete()
            closeSettingsPanel()
        } else {
            panelOut.start()
        }
    }

    width: 1000
    height: 600
    visible: false

    // The window system moves the window where it can (Wayland allows nothing else); where
    // it refuses, the window follows the pointer's offset from the press.
    MouseArea {
        id: dragRegion
        property point pressPoint
        property bool movedBySystem: false
        anchors.fill: parent
        hoverEnabled: true
        onPressed: function (mouse) {
            pressPoint = Qt.point(mouse.x, mouse.y)
            movedBySystem = ui_Ctl.startSystemMove()
            mainIten.emptyAreaPressed()
        }
        onPositionChanged: function (mouse) {
            if (!pressed || movedBySystem)
                return
            ui_Ctl.onXChanged(mouse.x - pressPoint.x)
            ui_Ctl.onYChanged(mouse.y - pressPoint.y)
        }
    }

    BusyIndicator {
        id: protectUIItem
        z: 99
        anchors.centerIn: parent
    }

    // A new lock restarts the wait; the unlock comes with the timer's tick.
    Timer {
        id: tmrProtectUI
        interval: 1000
        onTriggered: {
            ui_View.setEnabled(true)
            protectUIItem.setBusy(false)
        }
    }

    Environment {
        id: envItem
        opacity: 0
    }

    Main_R8 {
        id: main_R8
    }

    Environment_Decoration {
        id: envDecorationItem
        opacity: 0
    }

    Menu_Down {
        id: downItem
        x: (mainIten.width - width) / 2
        y: 600
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2
    }

    Menu_Up {
        id: upItem
        x: (mainIten.width - width) / 2
        y: -600
        onBtnClicked: function (btnIndex) {
            if (btnIndex === 0)
                isGlobalSettingSelect = !isGlobalSettingSelect
            else if (btnIndex === 1)
                closing.start()
        }
        onIsGlobalSettingSelectChanged: {
            if (isGlobalSettingSelect)
                mainIten.showSettingsPanel()
            else
                mainIten.closeSettingsPanel()
        }
    }

    Image {
        id: logoWeb_img
        y: 270
        anchors.horizontalCenter: parent.horizontalCenter
        source: webArea.containsMouse ? mainIten.sourceWeb1 : mainIten.sourceWeb0
        MouseArea {
            id: webArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: {
                ui_View.playMedia_Index(0x03)
                Qt.openUrlExternally(mainIten.globalSetting_url)
            }
        }
    }

    Flickable {
        id: _fkGlobalsetting
        x: 5
        y: 27
        width: 340
        height: 420
        interactive: false
        clip: true
        visible: false
        Page_Globalsetting {
            id: _Page_Globalsetting
            // Decoded while the panel shows, not at start.
            source: _fkGlobalsetting.visible ? mainIten.sourceGlobalsettingBackground : ""
        }
    }

    KeyCodeString {
        id: _KeyCodeString
    }

    SequentialAnimation {
        id: powerOn
        ScriptAction {
            script: {
                ui_View.playMedia_Index(0x01)
                mainIten.visible = true
            }
        }
        NumberAnimation {
            target: logoWeb_img; property: "opacity"; from: 0; to: 1
            easing.type: Easing.InCirc; duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: logoWeb_img; property: "y"; from: 270; to: 4
            easing.type: Easing.OutExpo; duration: 1.5 * mainIten.animation_speed
        }
        ParallelAnimation {
            NumberAnimation {
                target: envItem; property: "opacity"; from: 0; to: 1
                easing.type: Easing.OutCirc; duration: mainIten.animation_speed
            }
            NumberAnimation {
                target: envDecorationItem; property: "opacity"; from: 0; to: 1
                easing.type: Easing.OutCirc; duration: mainIten.animation_speed
            }
        }
        ParallelAnimation {
            NumberAnimation {
                target: upItem; property: "y"; from: -600; to: 0
                easing.type: Easing.OutElastic; duration: mainIten.animation_speed
            }
            NumberAnimation {
                target: downItem; property: "y"; from: 600; to: 600 - downItem.height
                easing.type: Easing.OutElastic; duration: mainIten.animation_speed
            }
            ScriptAction { script: main_R8.playOnPowerOn() }
        }
    }

    NumberAnimation {
        id: panelIn
        target: _fkGlobalsetting; property: "contentX"; from: 340; to: 0
        easing.type: Easing.OutCubic; duration: 0.8 * mainIten.animation_speed
    }
    NumberAnimation {
        id: panelOut
        target: _fkGlobalsetting; property: "contentX"; from: 0; to: 340
        easing.type: Easing.OutCubic; duration: 0.8 * mainIten.animation_speed
        onStopped: _fkGlobalsetting.visible = false
    }

    SequentialAnimation {
        id: closing
        NumberAnimation {
            target: mainIten; property: "height"; from: 600; to: 0
            easing.type: Easing.InOutCubic; duration: mainIten.animation_speed
        }
        ScriptAction { script: ui_Ctl.onMinimize() }
    }
}
