import QtQuick
import "../common"
import "../js/dpi.js" as Dpi
import "../js/lighting.js" as Lighting

// Lighting: on/off, effect, brightness, speed and the eight palette colours. Palette colours
// go to the mouse as soon as they change, the effect on apply.
Image {
    id: root
    objectName: "pageColor"
    readonly property var effect: Lighting.effect(effectList.defaultIndex)
    property alias powerOn: powerOn
    property alias effectList: effectList
    property alias speed: speed
    property alias brightness: brightness
    property alias colorGroup: colorGroup
    property alias resetButton: resetButton
    property alias applyButton: applyButton

    function translateStrings() {
        var strings = mainIten.globalSetting_stringList
        for (var i = 0; i < Lighting.effects.length; ++i) {
            var text = strings[Lighting.effects[i].string]
            effectItems.setProperty(i, "textX", text !== undefined ? text : Lighting.effects[i].text)
        }
    }

    function initUI(deviceApConfig) {
        colorGroup.maxStage = Dpi.number(deviceApConfig[0])
        refreshUI()
    }

    function refreshUI() {
        var rgb = ui_View.ui_90H_GetLED8StageColor(0)
        if (rgb.length === 24) {
            for (var i = 0; i < 8; ++i)
                setCellRgb(i, rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2])
        }
        showConfigs(ui_View.ui_8DH_GetRGBLedEffect())
    }

    function pageApply() {
        colorGroup.setTextInputFocus(false)
        var c = Lighting.applyCommand(powerOn.isSelect, effectList.getCurIndex(),
                                      brightness.getCurIndex(), speed.getCurIndex())
        ui_View.ui_0DH_SetRGBLedEffect(c.effect, c.option1, c.option2, c.configs)
    }

    function pageReset() {
        colorGroup.setTextInputFocus(false)
        var configs = ui_View.loadDefaultProfile(2)
        for (var i = 0; i < 8; ++i)
            setCellRgb(i, configs[3 * i], configs[3 * i + 1], configs[3 * i + 2])
        colorGroup.setCurIndex(colorGroup.getCurIndex())
        sendPalette()
        showConfigs(configs.slice(24))
    }

    function detectKeyboard(isDown, usbCode) {}

    function setCellRgb(cell, r, g, b) {
        colorGroup.modColors.setProperty(cell, "clrR", Dpi.number(r))
        colorGroup.modColors.setProperty(cell, "clrG", Dpi.number(g))
        colorGroup.modColors.setProperty(cell, "clrB", Dpi.number(b))
    }
    function showConfigs(list) {
        var shown = Lighting.readConfigs(list)
        if (!shown)
            return
        powerOn.isSelect = shown.powerOn
        effectList.setCurIndex(shown.position)
        brightness.setCurIndex(shown.brightness)
        speed.setCurIndex(shown.speed)
    }
    function sendPalette() {
        ui_View.ui_10H_SetLED8StageColor(0, Lighting.flatten(colorGroup.rgbList()))
    }

    width: 759
    height: 396
    source: mainIten.sourceFnColorBackground

    Connections {
        target: downItem
        function onBtnTotalApplyClicked() {
            // ALL SAVE sends the palette too, not only what the page's own apply sends.
            root.sendPalette()
            root.pageApply()
        }
        function onBtnTotalResetClicked() { root.pageReset() }
    }
    Connections {
        target: mainIten
        function onEmptyAreaPressed() { colorGroup.setTextInputFocus(false) }
    }

    Text {
        x: 24
        y: 14
        text: mainIten.globalSetting_stringList[76]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 3
        font.bold: true
    }

    component Label: Text {
        property Item control
        x: control.x
        y: control.y - height - 3
        opacity: control.enabled ? 1.0 : 0.2
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }

    Model_Color_R8 {
        x: 70
        y: 90
    }

    Image {
        x: 210
        y: 110
        width: 480
        source: mainIten.sourceLine
    }

    Checkbox {
        id: powerOn
        x: 210
        y: 65
        chkStr: mainIten.globalSetting_stringList[87]
    }

    Slider {
        id: speed
        x: 210
        y: 135
        currentIndex: 4
        enabled: powerOn.isSelect && root.effect.speed
        opacity: enabled ? 1.0 : 0.2
    }
    Label { control: speed; text: mainIten.globalSetting_stringList[3] }

    Slider {
        id: brightness
        x: 210
        y: 200
        enabled: powerOn.isSelect && root.effect.brightness
        opacity: enabled ? 1.0 : 0.2
    }
    Label { control: brightness; text: mainIten.globalSetting_stringList[4] }

    ColorGroup_8 {
        id: colorGroup
        x: 378
        y: 135
        enabled: powerOn.isSelect && root.effect.palette
        opacity: enabled ? 1.0 : 0.2
        onClicked: root.sendPalette()
    }

    Image {
        x: 647
        y: 219
        source: mainIten.sourceFram2btn
        Button_2state {
            id: resetButton
            x: parent.width / 4 - width / 2
            anchors.verticalCenter: parent.verticalCenter
            source0: mainIten.sourceReset0
            source1: mainIten.sourceReset1
            onClicked: {
                mainIten.setProtectUI(800)
                root.pageReset()
            }
        }
        Button_2state {
            id: applyButton
            x: parent.width * 3 / 4 - width / 2
            anchors.verticalCenter: parent.verticalCenter
            source0: mainIten.sourceApply0
            source1: mainIten.sourceApply1
            onClicked: {
                mainIten.setProtectUI(800)
                root.pageApply()
            }
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            anchors.bottom: parent.top
            anchors.bottomMargin: 2
            visible: resetButton.mouse.containsMouse || applyButton.mouse.containsMouse
            text: mainIten.globalSetting_stringList[resetButton.mouse.containsMouse ? 106 : 107]
            color: mainIten.globalSetting_color
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
    }

    // Last, so that the open list lies over the controls below it.
    DropdownList {
        id: effectList
        x: 539
        y: 65
        z: 5
        enabled: powerOn.isSelect
        opacity: enabled ? 1.0 : 0.2
        defaultIndex: 0
        mdItems: ListModel {
            id: effectItems
            ListElement { textX: "STATIC" }
            ListElement { textX: "TWINKLING" }
            ListElement { textX: "BREATHING" }
            ListElement { textX: "NEON" }
            ListElement { textX: "WAVE" }
            ListElement { textX: "GLIDING" }
            ListElement { textX: "FINGER MOVING" }
            ListElement { textX: "VERTICAL FLIPPING" }
            ListElement { textX: "YO-YO" }
            ListElement { textX: "SPOTLIGHT" }
        }
    }
}
