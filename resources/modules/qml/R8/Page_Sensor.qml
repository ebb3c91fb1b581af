import QtQuick
import "../common"
import "../js/dpi.js" as Dpi
import "../js/lighting.js" as Lighting

// Polling rate, pointer settings, the eight DPI stages and the DPI indicator colours. DPI
// values and colours go to the mouse as soon as they change, the rest on apply.
Image {
    id: root
    objectName: "pageSensor"
    property int sensorType: 0
    property bool isLogoLedWork: false
    property int dpiMAXStage: 8
    // The DPI values last shown as accepted; a refused menu choice returns to them.
    property var acceptedValues: Dpi.startValues(sensorType)
    property alias pollingRate: pollingRate
    property alias cursorSpeed: cursorSpeed
    property alias scrollSpeed: scrollSpeed
    property alias doubleClickSpeed: doubleClickSpeed
    property alias dpiLevel: dpiLevel
    property alias indicator: indicator
    property alias logoStrip: logoStrip
    property alias resetButton: resetButton
    property alias applyButton: applyButton

    function initUI() {
        sensorType = ui_View.getSensorType()
        isLogoLedWork = ui_View.chkIsLogoLedWork()
        dpiMAXStage = ui_View.ui_91H_SyncDPI()
        var rate = ui_View.ui_81H_GetReportRate()
        var cursor = ui_View.getCursorSpeed()
        var scroll = ui_View.getVerticalScrollLines()
        var doubleClick = ui_View.getDoubleClickSpeed()
        var stage = ui_View.ui_8BH_GetCurrentDPIStage()
        var values = ui_View.ui_91H_GetDPISet()

        pollingRate.setCurIndex(Dpi.pollingPosition(rate))
        cursorSpeed.setCurIndex(cursor)
        scrollSpeed.setCurIndex(scroll)
        doubleClickSpeed.setCurIndex(doubleClick)
        setDpiValues(values)
        selectStage(Dpi.stagePosition(stage))

        var rgb = ui_View.ui_90H_GetLED8StageColor(1)
        if (rgb.length === 24) {
            for (var i = 0; i < 8; ++i)
                setStageRgb(i, rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2])
        }
        var ids = ui_View.ui_90H_GetLED8StageColor(2)
        if (ids.length === 8) {
            for (var j = 0; j < 8; ++j)
                indicator.setColor8_Id(j, ids[j])
        }
        indicator.setCurIndex(dpiLevel.getCurIndex())
    }

    function pageApply() {
        indicator.setTextInputFocus(false)
        ui_View.ui_01H_SetReportRate(Dpi.reportRateCode(pollingRate.getCurIndex()))
        ui_View.setCursorSpeed(cursorSpeed.getCurIndex())
        ui_View.setVerticalScrollLines(scrollSpeed.getCurIndex())
        ui_View.setDoubleClickSpeed(doubleClickSpeed.getCurIndex())
        ui_View.ui_0BH_SetCurrentDPIStage(dpiLevel.getCurIndex() + 1)
    }

    function pageReset() {
        indicator.setTextInputFocus(false)
        var configs = ui_View.loadDefaultProfile(3)
        pollingRate.setCurIndex(Dpi.pollingPosition(configs[0]))
        cursorSpeed.setCurIndex(Dpi.number(configs[1]))
        scrollSpeed.setCurIndex(Dpi.number(configs[2]))
        doubleClickSpeed.setCurIndex(Dpi.number(configs[3]))
        setDpiValues(configs.slice(4, 12))
        selectStage(Dpi.stagePosition(configs[12]))
        sendDpi()
        for (var i = 0; i < 8; ++i) {
            setStageRgb(i, configs[13 + 3 * i], configs[14 + 3 * i], configs[15 + 3 * i])
            indicator.setColor8_Id(i, configs[37 + i])
        }
        indicator.setCurIndex(indicator.getCurIndex())
        // The default file's ids go out as they are written there.
        if (isLogoLedWork)
            ui_View.ui_10H_SetLED8StageColor(2, configs.slice(37, 45).map(Dpi.number))
        else
            ui_View.ui_10H_SetLED8StageColor(1, flatRgb())
    }

    // ALL SAVE: what the page shows goes to the mouse, the DPI values and colours included.
    function totalApply() {
        indicator.setTextInputFocus(false)
        sendDpi()
        sendColours()
        pageApply()
    }

    function translateStrings() {}

    // A stage without a value is never the selected one.
    function selectStage(position) {
        dpiLevel.setCurIndex(Dpi.selectableStage(acceptedValues, position, dpiMAXStage))
    }

    function setStageRgb(stage, r, g, b) {
        indicator.modColors.setProperty(stage, "clrR", Dpi.number(r))
        indicator.modColors.setProperty(stage, "clrG", Dpi.number(g))
        indicator.modColors.setProperty(stage, "clrB", Dpi.number(b))
    }
    function flatRgb() { return Lighting.flatten(indicator.rgbList()) }
    function setDpiValues(values) {
        acceptedValues = Dpi.stageValues(values)
        dpiLevel.valueForIndex = acceptedValues
    }
    function sendDpi() {
        var values = Dpi.stageValues(dpiLevel.valueForIndex)
        ui_View.ui_11H_SetDPISet(dpiMAXStage, Dpi.codes(sensorType, values), values)
    }
    function sendColours() {
        if (isLogoLedWork)
            ui_View.ui_10H_SetLED8StageColor(2, Dpi.colourIdsToSend(indicator.idList()))
        else
            ui_View.ui_10H_SetLED8StageColor(1, flatRgb())
    }

    width: 759
    height: 396
    source: mainIten.sourceFnCommonBackground

    Connections {
        target: downItem
        function onBtnTotalApplyClicked() { root.totalApply() }
        function onBtnTotalResetClicked() { root.pageReset() }
    }
    Connections {
        target: mainIten
        function onEmptyAreaPressed() { indicator.setTextInputFocus(false) }
    }

    Text {
        x: 24
        y: 14
        text: mainIten.globalSetting_stringList[86]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 3
        font.bold: true
    }

    component Label: Text {
        property Item control
        x: control.x
        y: control.y - height - 3
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }

    ButtonGroup_4 {
        id: pollingRate
        x: 45
        y: 50
        valueForIndex: ["125 Hz", "250 Hz", "500 Hz", "1000 Hz"]
        currentIndex: 2
    }
    Label { control: pollingRate; text: mainIten.globalSetting_stringList[100] }

    Slider_11 {
        id: cursorSpeed
        x: 45
        y: 105
        currentIndex: 5
    }
    Label { control: cursorSpeed; text: mainIten.globalSetting_stringList[101] }

    Slider_11 {
        id: scrollSpeed
        x: 45
        y: 160
        currentIndex: 2
    }
    Label { control: scrollSpeed; text: mainIten.globalSetting_stringList[102] }

    Slider_11 {
        id: doubleClickSpeed
        x: 45
        y: 215
    }
    Label { control: doubleClickSpeed; text: mainIten.globalSetting_stringList[103] }

    ButtonGroupPro_8 {
        id: dpiLevel
        x: 385
        y: 50
        z: 2
        currentIndex: 1
        maxStage: root.dpiMAXStage
        menuCounter: Dpi.menuValues(root.sensorType).length
        valueForMenuIndex: Dpi.menuSlots(root.sensorType, 18)
        valueForIndex: Dpi.startValues(root.sensorType)
        onValueChanged: function (stage, value) {
            // The menu has already taken the value; a refused one is put back unsent.
            if (!Dpi.acceptsValue(root.acceptedValues, stage, value, root.dpiMAXStage)) {
                valueForIndex = root.acceptedValues
                return
            }
            root.acceptedValues = Dpi.stageValues(valueForIndex)
            root.selectStage(currentIndex)
            root.sendDpi()
        }
    }
    Label { control: dpiLevel; text: mainIten.globalSetting_stringList[104] }

    ColorGroup_8 {
        id: indicator
        x: 385
        y: 132
        isCompat8Color: root.isLogoLedWork
        maxStage: root.dpiMAXStage
        onClicked: root.sendColours()
    }
    Label { control: indicator; text: mainIten.globalSetting_stringList[105] }

    Row {
        id: logoStrip
        x: 385
        y: 215
        visible: root.isLogoLedWork
        Repeater {
            model: Dpi.palette8
            Item {
                width: 30
                height: 30
                Rectangle {
                    anchors.centerIn: parent
                    width: 20
                    height: 20
                    color: Qt.rgba(modelData[0] / 255, modelData[1] / 255, modelData[2] / 255, 1)
                    border.width: 1
                    border.color: mainIten.globalSetting_color_enable
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        indicator.setColor8_Id(indicator.getCurIndex(), index)
                        indicator.clicked(indicator.getCurIndex())
                    }
                }
            }
        }
    }

    Image {
        id: twoButtonFrame
        x: 654
        y: 230
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
                mainIten.setProtectUI(1600)
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
}
