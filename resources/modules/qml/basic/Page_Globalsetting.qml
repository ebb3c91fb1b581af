import QtQuick
import "../common"
import "../js/colors.js" as Colors
import "../js/preferences.js" as Prefs
import "../js/strings.js" as Strings

// The application's own preferences: language, skin, text look. Changes apply at once; only
// the apply button stores them in the application config.
Image {
    id: root

    property int _Size: 11
    property color _Color: "#FF00FFFF"
    property color _ColorEnable: "#FFAAAAAA"
    property color _ColorDisable: "#80FFFFFF"
    property int _AnimationSpeed: 800
    property int skin_No: 1
    property bool isCustomBackground: false
    property string _FontFamily: "Arial"
    property var _StringList: Strings.defaults()
    property string _Url: "https://r8.example.org/"

    // Live state of the TEXT box.
    property var swatches: [[0, 255, 255], [255, 200, 150], [255, 180, 0], [200, 200, 100],
                            [200, 170, 255], [255, 180, 180], [160, 190, 160]]
    property int currentSwatch: 0
    property int sizePosition: 0
    property int soundPosition: 0
    property int animationPosition: 0
    property string customBackgroundUrl: ""

    property alias skinList: skinList
    property alias soundList: soundList
    property alias animationList: animationList
    property alias languageList: languageList
    property alias brightnessSlider: textBox.brightness
    property alias gradientStrip: textBox.gradient
    property alias swatchCells: textBox.swatchCells
    property alias customBackgroundSwitch: customBackgroundSwitch
    property alias resetButton: resetButton
    property alias applyButton: applyButton

    function initUI() {
        var entries = ui_View.loadApConfig()
        if (entries.length > 0) {
            skin_No = Math.max(1, Prefs.whole(entries[1]))
            skinList.setCurIndex(skin_No - 1)
            mainIten.setSkin()

            soundPosition = Prefs.whole(entries[2])
            if (soundPosition === 0)
                ui_View.setEnableAudio(true)
            else if (soundPosition === 1)
                ui_View.setEnableAudio(false)
            soundList.setCurIndex(soundPosition)

            animationPosition = Prefs.whole(entries[3])
            if (animationPosition === 0 || animationPosition === 1)
                _AnimationSpeed = Prefs.animationMs(animationPosition)
            animationList.setCurIndex(animationPosition)

            initLanguage()
            languageList.setCurIndex(Prefs.whole(entries[4]))
            setLanguage(Prefs.whole(entries[4]))

            isCustomBackground = Prefs.flag(entries[5])
            customBackgroundUrl = entries[6] === undefined ? "" : String(entries[6])
            mainIten.sourceCustomBackground = customBackgroundUrl

            sizePosition = Prefs.whole(entries[7]) === 1 ? 1 : 0
            _Size = Prefs.sizePixels(sizePosition)

            swatches = Prefs.swatchesFrom(entries)
            currentSwatch = Math.max(0, Math.min(6, Prefs.whole(entries[29])))
            textBox.brightness.setCurIndex(Math.max(0, Math.min(7, Prefs.whole(entries[30]))))
            setRGB(3, swatches[currentSwatch][0], swatches[currentSwatch][1],
                   swatches[currentSwatch][2])

            _Url = entries[31] === undefined ? "" : String(entries[31])
        }
        skinList.visible = ui_View.getIsSkinShow()
    }

    function initLanguage() {
        var languages = ui_View.chkLanguages()
        languageList.mdItems.clear()
        for (var name in languages)
            languageList.mdItems.append({ "textX": name, "code": languages[name] })
    }

    function setLanguage(uiIndex) {
        if (uiIndex < 0 || uiIndex >= languageList.mdItems.count)
            return
        var code = languageList.mdItems.get(uiIndex).code
        _StringList = ui_View.getGlobalStrings(code)
        mainIten.translateStrings(code)
        _FontFamily = _StringList[0]
    }

    function translateStrings() {
        skinList.mdItems.setProperty(0, "textX", _StringList[39])
        skinList.mdItems.setProperty(1, "textX", _StringList[40])
        for (var i = 0; i < 2; ++i) {
            soundList.mdItems.setProperty(i, "textX", _StringList[31 + i])
            animationList.mdItems.setProperty(i, "textX", _StringList[31 + i])
        }
    }

    function resetApconfig() {
        ui_View.setEnableAudio(false)
        ui_View.clearAllMedia()
        ui_View.resetApconfig()
        initUI()
        ui_View.playMedia_Index(0)
    }

    function preferenceList() {
        return Prefs.build({
            skin: skin_No, sound: soundPosition, animation: animationPosition,
            language: languageList.getCurIndex(), customBackground: isCustomBackground,
            customBackgroundUrl: customBackgroundUrl, size: sizePosition, swatches: swatches,
            swatch: currentSwatch, brightness: textBox.brightness.getCurIndex(), url: _Url
        })
    }

    function applyTextColor(rgb) {
        var c = Colors.textRgba(rgb, textBox.brightness.getCurIndex())
        _Color = Qt.rgba(c[0], c[1], c[2], c[3])
    }

    // source 1: gradient, 2: R/G/B fields, 3: swatch selection; anything else edits the
    // swatch without touching the text colour.
    function setRGB(source, r, g, b) {
        var rgb = [r, g, b]
        if (source !== 2) {
            fieldR.text = r
            fieldG.text = g
            fieldB.text = b
        }
        if (source !== 3) {
            var copy = swatches.slice()
            copy[currentSwatch] = rgb
            swatches = copy
        }
        if (source >= 1 && source <= 3)
            applyTextColor(rgb)
    }

    // Commits what the fields hold to the current swatch, when it differs from the swatch.
    function commitFields() {
        var rgb = [Colors.channel(fieldR.text), Colors.channel(fieldG.text),
                   Colors.channel(fieldB.text)]
        var was = swatches[currentSwatch]
        if (rgb[0] !== Number(was[0]) || rgb[1] !== Number(was[1]) || rgb[2] !== Number(was[2]))
            setRGB(2, rgb[0], rgb[1], rgb[2])
    }
    function endTextInput() {
        fieldR.focus = false
        fieldG.focus = false
        fieldB.focus = false
    }

    width: 340
    height: 420
    source: mainIten.sourceGlobalsettingBackground

    Connections {
        target: mainIten
        function onEmptyAreaPressed() { root.endTextInput() }
    }

    DropdownList {
        id: skinList
        x: 139
        y: visible ? 22 : 11
        z: 4
        mdItems: ListModel {
            ListElement { textX: "SKIN 1" }
            ListElement { textX: "SKIN 2" }
        }
        onListElementClicked: function (index) {
            root.skin_No = index + 1
            mainIten.setSkin()
        }
    }
    DropdownList {
        id: soundList
        x: 139
        y: skinList.y + skinList.height + 10
        z: 3
        visible: false
        mdItems: ListModel {
            ListElement { textX: "ON" }
            ListElement { textX: "OFF" }
        }
        onListElementClicked: function (index) {
            root.soundPosition = index
            if (index === 0) {
                ui_View.setEnableAudio(true)
                ui_View.playMedia_Index(0)
            } else {
                ui_View.setEnableAudio(false)
                ui_View.clearAllMedia()
            }
        }
    }
    DropdownList {
        id: animationList
        x: 139
        y: soundList.y + soundList.height + 10
        z: 2
        visible: false
        mdItems: ListModel {
            ListElement { textX: "ON" }
            ListElement { textX: "OFF" }
        }
        onListElementClicked: function (index) {
            root.animationPosition = index
            root._AnimationSpeed = Prefs.animationMs(index)
        }
    }
    DropdownList {
        id: languageList
        x: 139
        y: animationList.y + animationList.height + 10
        z: 1
        onListElementClicked: function (index) { root.setLanguage(index) }
    }
    Text {
        anchors.right: languageList.left
        anchors.rightMargin: 20
        anchors.verticalCenter: languageList.verticalCenter
        text: root._StringList[29]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
    }
    Text {
        id: customBackgroundSwitch
        x: 139
        y: languageList.y + languageList.height + 10
        visible: false
        text: "【 " + (root.isCustomBackground ? root._StringList[31] : root._StringList[32]) + " 】"
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size
        font.bold: true
        function toggle() {
            if (root.isCustomBackground) {
                root.customBackgroundUrl = ""
                root.isCustomBackground = false
            } else {
                var path = ui_View.getCustomFilePath()
                root.customBackgroundUrl = path === "" ? "" : "file:" + path
                root.isCustomBackground = path !== ""
            }
            mainIten.sourceCustomBackground = root.customBackgroundUrl
        }
        MouseArea {
            anchors.fill: parent
            onClicked: customBackgroundSwitch.toggle()
        }
    }

    // TEXT box: size, colour and brightness of the interface's text.
    TextLookBox {
        id: textBox
        x: 27
        y: 190
        page: root
    }

    readonly property var fieldR: textBox.fieldR
    readonly property var fieldG: textBox.fieldG
    readonly property var fieldB: textBox.fieldB

    Image {
        id: twoButtonFrame
        x: textBox.x + textBox.width - width
        y: textBox.y + textBox.height + 8
        source: mainIten.sourceFram2btn
        Button_2state {
            id: resetButton
            x: parent.width / 4 - width / 2
            anchors.verticalCenter: parent.verticalCenter
            source0: mainIten.sourceReset0
            source1: mainIten.sourceReset1
            onClicked: root.resetApconfig()
        }
        Button_2state {
            id: applyButton
            x: parent.width * 3 / 4 - width / 2
            anchors.verticalCenter: parent.verticalCenter
            source0: mainIten.sourceApply0
            source1: mainIten.sourceApply1
            onClicked: {
                ui_View.saveApConfig(root.preferenceList())
                upItem.isGlobalSettingSelect = false
            }
        }
    }
}
