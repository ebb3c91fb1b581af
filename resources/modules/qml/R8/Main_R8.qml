import QtQuick
import "../common"

// The mouse's document: function menu on the left, profile menu on the right and the page
// area between them, where one page at a time slides in.
Item {
    id: mainItem_R8
    property int lastPressKeyCode: 0
    property var _ProductLayoutStringList: []
    property alias pageArea: _fkPage
    property alias functionMenu: fnItem
    property alias profileMenu: pfItem
    property alias slideIn: slideIn
    property alias slideOut: slideOut
    property alias menusIn: menusIn
    signal msg_KB(bool isDown, int usbCode)

    function initUI() {
        var deviceApConfig = ui_View.loadDeviceApConfig()
        _Page_Keydefine.initUI()
        _Page_Macro.initUI()
        _Page_Color.initUI(deviceApConfig)
        _Page_Sensor.initUI()
    }

    function playOnPowerOn() {
        pfItem.visible = true
        fnItem.visible = true
        _fkPage.visible = true
        _fkPage.curID = fnItem.currentIndex
        menusIn.start()
    }

    function setSkin() {
        fnItem.setSkin()
    }

    function translateStrings(code) {
        _ProductLayoutStringList = ui_View.getProductLayoutStrings_R8(code)
        _Page_Keydefine.translateStrings()
        _Page_Macro.translateStrings()
        _Page_Color.translateStrings()
        fnItem.translateStrings()
        pfItem.translateStrings()
    }

    width: 1000
    height: 600

    Connections {
        target: mainIten
        function onMsg_KB(isDown, usbCode) {
            if (isDown)
                mainItem_R8.lastPressKeyCode = usbCode
            mainItem_R8.msg_KB(isDown, usbCode)
        }
    }

    Flickable {
        id: _fkPage
        property int curID: 0

        // index < 0 retracts the page area; a click during a slide finishes it at once
        // with the new choice.
        function show(index) {
            ui_View.playMedia_Index(0x02)
            if (slideOut.running) {
                slideOut.tmpIndex = index
                slideOut.complete()
            } else if (slideIn.running) {
                curID = index
                slideIn.complete()
            } else if (index < 0) {
                slideOut.tmpIndex = index
                slideOut.start()
            } else if (slideOut.tmpIndex < 0) {
                slideOut.tmpIndex = index
                curID = index
                slideIn.start()
            } else {
                slideOut.tmpIndex = index
                slideOut.start()
            }
        }

        x: 171
        y: 96
        width: 759
        height: 442
        interactive: false
        clip: true
        visible: false
        z: _Page_Sensor.z
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2

        // A page's background is decoded while the page shows, not for every page at start.
        Page_Keydefine {
            id: _Page_Keydefine; y: 46; visible: _fkPage.curID === 0
            source: visible ? mainIten.sourceFnKeydefineBackground : ""
        }
        Page_Macro {
            id: _Page_Macro; y: 46; visible: _fkPage.curID === 1
            source: visible ? mainIten.sourceFnMacroBackground : ""
        }
        Page_Color {
            id: _Page_Color; y: 46; visible: _fkPage.curID === 2
            source: visible ? mainIten.sourceFnColorBackground : ""
        }
        Page_Sensor {
            id: _Page_Sensor; y: 46; visible: _fkPage.curID === 3
            source: visible ? mainIten.sourceFnCommonBackground : ""
        }
    }

    Menu_Func {
        id: fnItem
        x: 8
        y: 180
        visible: false
        enabled: !upItem.isGlobalSettingSelect
        opacity: enabled ? 1.0 : 0.2
        onIndexChanged_btn: function (currentIndex) { _fkPage.show(currentIndex) }
    }

    Menu_Prof {
        id: pfItem
        x: 1000 - width - 8
        y: 95
        visible: false
        enabled: !upItem.isGlobalSettingSelect && _fkPage.curID !== 1
        opacity: enabled ? 1.0 : 0.2
        onIndexChanged_btn: function (currentIndex) {
            ui_View.ui_02H_SetCurrentProfile(currentIndex)
            _Page_Keydefine.initUI()
            _Page_Color.refreshUI()
            _Page_Sensor.initUI()
        }
    }

    NumberAnimation {
        id: slideIn
        target: _fkPage
        property: "contentX"
        from: -2 * 759
        to: 0
        easing.type: Easing.OutCubic
        duration: mainIten.animation_speed / 2
    }
    NumberAnimation {
        id: slideOut
        property int tmpIndex: -1
        target: _fkPage
        property: "contentX"
        from: 0
        to: -2 * 759
        easing.type: Easing.InCubic
        duration: mainIten.animation_speed / 2
        onStopped: {
            _fkPage.curID = tmpIndex
            if (tmpIndex >= 0)
                slideIn.start()
        }
    }

    ParallelAnimation {
        id: menusIn
        NumberAnimation {
            target: pfItem
            property: "x"
            from: 1000
            to: 1000 - pfItem.width - 8
            easing.type: Easing.OutElastic
            duration: mainIten.animation_speed
        }
        NumberAnimation {
            target: fnItem
            property: "x"
            from: -150
            to: 8
            easing.type: Easing.OutElastic
            duration: mainIten.animation_speed
        }
        onStopped: {
            _fkPage.visible = true
            _fkPage.curID = fnItem.currentIndex
            slideIn.start()
        }
    }
}
