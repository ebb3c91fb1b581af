import QtQuick
import "../common"
import "../js/keyrecord.js" as KeyRecord
import "../js/typed_field.js" as TypedField

// Key assignment: pick a button, pick what it does. Edits stay in the model until Apply or
// ALL SAVE sends the whole matrix.
Image {
    id: root
    property var mapping_for_keyId: KeyRecord.builtInKeyIds.slice()
    property int playMode: 0
    property alias model: _model
    property alias keySelector: _menu_matrix
    property alias functionMenu: _menu1
    property alias scrollSwap: _ScrollSwap_CHK
    property alias keyboardInput: _kb_input
    property alias mouseList: _list_mouse
    property alias mediaList: _list_media
    property alias comboModifier: _combo_mod
    property alias comboKey1: _combo_key1
    property alias comboKey2: _combo_key2
    property alias macroList: macroGroup.list
    property alias playModeButtons: macroGroup.playModes
    property alias timesField: macroGroup.times
    property alias fireMouseRadio: fireGroup.mouseRadio
    property alias fireKeyRadio: fireGroup.keyRadio
    property alias fireMouseList: fireGroup.mouseList
    property alias fireKeyInput: fireGroup.keyInput
    property alias fireSlider: fireGroup.slider
    property alias shotsField: fireGroup.shots
    property alias resetButton: _btnReset
    property alias applyButton: _btnApply

    // The "times" and "shots" fields keep the focus after Return and after clicks on the
    // page, so a value typed there is committed explicitly: by Return, by a click on the
    // empty window and by Apply, each time only to the key and function it was typed for
    // and only when it changed. Whatever else takes the focus (the busy lock, a message box,
    // a file dialog, another key chosen) commits nothing.
    property int profileLoads: 0
    property var fieldsShownFor: null
    property string timesShown: ""
    property string shotsShown: ""

    function curKeyId() {
        var i = _menu_matrix.getCurIndex()
        return i >= 0 && i < mapping_for_keyId.length ? mapping_for_keyId[i] : -1
    }
    function curRecord() { return _model.record(curKeyId()) }
    function setCurRecord(r) {
        var id = curKeyId()
        if (id >= 0)
            _model.setRecord(id, r)
    }

    function initUI() {
        ++profileLoads
        initKeyMatrix()
        refreshMacroFiles()
        _ScrollSwap_CHK.isSelect = ui_View.getScrollPinSwap()
        // A profile that never stored a key (a first start) shows the key's default.
        for (var id = 0; id < 16; ++id) {
            var stored = ui_View.getKeydefine(id)
            _model.setRecord(id, stored.length >= 4 ? KeyRecord.storedRecord(stored)
                                                    : _model.defaultRecord(id))
        }
        showCurrentKey()
    }

    // Without a language that names the keys the built-in selector stays.
    function initKeyMatrix() {
        var defaults = KeyRecord.toNumbers(ui_View.loadDefaultProfile(0))
        if (defaults.length >= 64)
            _model.keyCode_Default = defaults.slice(0, 64)
        mapping_for_keyId = KeyRecord.selectorKeyIds(mainItem_R8._ProductLayoutStringList)
    }

    function translateStrings() {
        var s = mainIten.globalSetting_stringList
        var byIndex = function (i) { return KeyRecord.text(s, i) }
        fillTexts(_menu1.mdItems, KeyRecord.functionTexts.map(byIndex))
        fillTexts(_list_mouse.mdItems,
                  KeyRecord.mouseItems.map(function (m) { return KeyRecord.text(s, m.text) }))
        var media = []
        for (var m = 0; m < KeyRecord.mediaUsages.length; ++m)
            media.push(KeyRecord.text(s, KeyRecord.mediaFirstText + m))
        fillTexts(_list_media.mdItems, media)
        fillTexts(fireGroup.mouseList.mdItems, KeyRecord.fireMouseTexts.map(byIndex))

        var layout = mainItem_R8._ProductLayoutStringList
        var ids = KeyRecord.layoutKeyIds(layout)
        if (ids.length > 0) {
            mapping_for_keyId = ids
            fillTexts(_menu_matrix.mdItems, ids.map(function (id) { return String(layout[id]) }))
        }
        _menu_matrix.setCurIndex(Math.min(3, _menu_matrix.mdItems.count - 1))
        showCurrentKey()
    }

    // Entries are replaced in place so that current indexes survive a language change.
    function fillTexts(listModel, texts) {
        for (var i = 0; i < texts.length; ++i) {
            if (i < listModel.count)
                listModel.setProperty(i, "textX", texts[i])
            else
                listModel.append({ "textX": texts[i] })
        }
        while (listModel.count > texts.length)
            listModel.remove(listModel.count - 1)
    }

    function refreshMacroFiles() {
        var current = macroGroup.list.getCurIndex() >= 0
                ? macroGroup.list.mdItems.get(macroGroup.list.getCurIndex()).textX : undefined
        var names = ui_View.getMacroIniNames()
        macroGroup.list.mdItems.clear()
        var keep = -1
        for (var i = 0; i < names.length; ++i) {
            var name = String(names[i]).slice(0, -4)
            macroGroup.list.mdItems.append({ "textX": name })
            if (name === current)
                keep = i
        }
        macroGroup.list.setCurIndex(keep)
    }

    function macroName(i) {
        var files = macroGroup.list.mdItems
        return i >= 0 && i < files.count ? files.get(i).textX : ""
    }

    function getMacroIndexUsed() { return KeyRecord.usedMacroSlots(_model.records()) }

    // A macro file whose slot no key plays any more gives the slot back.
    function refreshMacroIndex() {
        var used = getMacroIndexUsed()
        for (var i = 0; i < macroGroup.list.mdItems.count; ++i) {
            var name = macroName(i)
            var config = ui_View.loadMacroIniConfig(name)
            if (config.length < 2)
                continue
            var index = KeyRecord.toNumber(config[0])
            if (index >= 0 && used.indexOf(index) < 0)
                ui_View.setMacroIniConfig(name, [-1, 1])
        }
    }

    function chkMacroKeyAndClear(tmpKey) {
        if (tmpKey < 0 || !KeyRecord.isMacro(_model.record(tmpKey)))
            return
        _model.setRecord(tmpKey, KeyRecord.emptyRecord())
        refreshMacroIndex()
    }

    function foolProofing() {
        if (KeyRecord.leftButtonAtRisk(_model.records(), mapping_for_keyId, curKeyId()))
            return ui_View.getMsgAns_FoolProofing()
        return true
    }

    function showCurrentKey() {
        var id = curKeyId()
        if (id >= 0) {
            var r = _model.record(id)
            keyCodeToUI(r[0], r[1], r[2], r[3])
        }
    }

    function clearSecondLevel() {
        _kb_input.setKeycodeUSB(0)
        _combo_key1.setKeycodeUSB(0)
        _combo_key2.setKeycodeUSB(0)
        fireGroup.keyInput.setKeycodeUSB(0)
        _list_mouse.setCurIndex(-1)
        _list_media.setCurIndex(-1)
        _combo_mod.setCurIndex(-1)
        macroGroup.list.setCurIndex(-1)
        fireGroup.mouseList.setCurIndex(-1)
        playMode = 0
        macroGroup.times.text = "1"
        fireGroup.shots.text = String(KeyRecord.defaultShots)
        fireGroup.slider.currentIndex = -1
        markFieldsShown()
    }

    function fieldContext() {
        return TypedField.context(curKeyId(), _menu1.getCurIndex(), profileLoads)
    }
    function markFieldsShown() {
        fieldsShownFor = fieldContext()
        timesShown = macroGroup.times.text
        shotsShown = fireGroup.shots.text
    }
    // The repeat count counts only in NORMAL PLAY; in the other modes it waits.
    function commitTimes() {
        if (playMode === 0 && TypedField.due(fieldsShownFor, fieldContext(), KeyRecord.FN_MACRO,
                                             timesShown, macroGroup.times.text))
            setMacro()
    }
    function commitShots() {
        if (TypedField.due(fieldsShownFor, fieldContext(), KeyRecord.FN_FIRE, shotsShown,
                           fireGroup.shots.text))
            writeFire()
    }

    function keyCodeToUI(byte0, byte1, byte2, byte3) {
        var d = KeyRecord.decode([byte0, byte1, byte2, byte3])
        if (d === null)
            return
        clearSecondLevel()
        _menu1.setCurIndex(d.func)
        switch (d.func) {
        case KeyRecord.FN_KEYBOARD:
            _kb_input.setKeycodeUSB(d.key)
            break
        case KeyRecord.FN_MOUSE:
            _list_mouse.setCurIndex(d.item)
            break
        case KeyRecord.FN_MEDIA:
            _list_media.setCurIndex(d.item)
            break
        case KeyRecord.FN_COMBO:
            _combo_mod.setCurIndex(d.modifierItem)
            _combo_key1.setKeycodeUSB(d.key1)
            _combo_key2.setKeycodeUSB(d.key2)
            break
        case KeyRecord.FN_MACRO:
            refreshMacroFiles()
            macroGroup.list.setCurIndex(-1)
            for (var i = 0; i < macroGroup.list.mdItems.count; ++i) {
                var config = ui_View.loadMacroIniConfig(macroName(i))
                if (config.length >= 2 && KeyRecord.toNumber(config[0]) === d.slot - 1) {
                    macroGroup.list.setCurIndex(i)
                    macroGroup.times.text = String(KeyRecord.toNumber(config[1]))
                    break
                }
            }
            playMode = d.playMode
            break
        case KeyRecord.FN_FIRE:
            fireGroup.fireByMouse = d.fireMouseItem >= 0
            fireGroup.mouseList.setCurIndex(d.fireMouseItem)
            fireGroup.keyInput.setKeycodeUSB(d.fireKey)
            fireGroup.slider.currentIndex = d.slider
            fireGroup.shots.text = String(d.shots)
            break
        }
        markFieldsShown()
    }

    function chooseFunction(index) {
        endTextInput(false)
        if (!foolProofing()) {
            _menu1.setCurIndex(KeyRecord.FN_MOUSE)
            _list_mouse.setCurIndex(0)
            return
        }
        clearSecondLevel()
        if (KeyRecord.isMacro(curRecord())) {
            setCurRecord(KeyRecord.emptyRecord())
            refreshMacroIndex()
        }
        if (index === KeyRecord.FN_LED)
            setCurRecord(KeyRecord.ledRecord())
    }

    function chooseMouseItem(index) {
        if (index < 0)
            return
        if (!foolProofing()) {
            _list_mouse.setCurIndex(0)
            return
        }
        setCurRecord(KeyRecord.mouseRecord(index))
    }

    function writeCombo() {
        setCurRecord(KeyRecord.comboRecord(_combo_mod.getCurIndex(), _combo_key1.tmpKeycodeUSB,
                                           _combo_key2.tmpKeycodeUSB))
    }

    function writeFire() {
        var item = fireGroup.mouseList.getCurIndex()
        var code = fireGroup.fireByMouse ? (item >= 0 ? 0xF0 + item : 0)
                                         : fireGroup.keyInput.tmpKeycodeUSB
        setCurRecord(KeyRecord.fireRecord(code, fireGroup.slider.currentIndex,
                                          KeyRecord.toNumber(fireGroup.shots.text)))
        shotsShown = fireGroup.shots.text
    }

    function setMacro() {
        timesShown = macroGroup.times.text
        setCurRecord(KeyRecord.emptyRecord())
        // Slots that no key plays any more are given back first, so that the file chosen
        // now cannot be handed a slot another file still claims.
        refreshMacroIndex()
        var name = macroName(macroGroup.list.getCurIndex())
        if (name === "")
            return
        var config = ui_View.loadMacroIniConfig(name)
        if (config.length < 2)
            return
        var times = KeyRecord.toNumber(macroGroup.times.text)
        var index = KeyRecord.toNumber(config[0])
        if (index < 0) {
            index = KeyRecord.lowestFreeSlot(getMacroIndexUsed())
            if (index < 0)
                return
        }
        ui_View.setMacroIniConfig(name, [index, times])
        ui_View.ui_13H_SetMacroKey(index + 1, name)
        setCurRecord(KeyRecord.macroRecord(playMode, index))
    }

    function choosePlayMode(index) {
        playMode = index
        setMacro()
    }

    // Ends typing in the fields; with `commit`, what was typed is kept first where it belongs.
    function endTextInput(commit) {
        if (commit) {
            commitTimes()
            commitShots()
        }
        macroGroup.times.focus = false
        fireGroup.shots.focus = false
    }

    function pageReset() {
        endTextInput(false)
        var id = curKeyId()
        if (id < 0 || !foolProofing())
            return
        chkMacroKeyAndClear(id)
        _model.setRecord(id, _model.defaultRecord(id))
        showCurrentKey()
    }

    function pageResetAll() {
        endTextInput(false)
        _model.resetAll()
        showCurrentKey()
    }

    function pageApply() {
        endTextInput(true)
        ui_View.setScrollPinSwap(_ScrollSwap_CHK.isSelect)
        ui_View.ui_12H_SetKeyMatrix(KeyRecord.matrix(_model.records()))
    }

    objectName: "_Page_Keydefine"
    width: 759
    height: 396
    source: mainIten.sourceFnKeydefineBackground

    Connections {
        target: mainItem_R8
        function onMsg_KB(isDown, usbCode) {
            _kb_input.detectKeyboard(isDown, usbCode)
            _combo_key1.detectKeyboard(isDown, usbCode)
            _combo_key2.detectKeyboard(isDown, usbCode)
            fireGroup.keyInput.detectKeyboard(isDown, usbCode)
        }
    }
    Connections {
        target: downItem
        function onBtnTotalResetClicked() { root.pageResetAll() }
        function onBtnTotalApplyClicked() { root.pageApply() }
    }
    Connections {
        target: mainIten
        function onEmptyAreaPressed() { root.endTextInput(true) }
    }

    Text {
        x: 24
        y: 14
        text: mainIten.globalSetting_stringList[74]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 3
        font.bold: true
    }

    Model_KeyDefine_R8 {
        id: _model
        x: 70
        y: 90
        curKeyMatrix: _menu_matrix.defaultIndex
        onResetDone: root.refreshMacroIndex()
    }

    DropdownList {
        id: _menu_matrix
        x: 210
        y: 65
        z: 30
        Component.onCompleted: {
            var digits = ["１", "２", "３", "４", "５", "６", "７", "８", "９"]
            for (var i = 0; i < digits.length; ++i)
                mdItems.append({ "textX": "KEY " + digits[i] })
            setCurIndex(3)
        }
        onListElementClicked: function (index) {
            root.endTextInput(true) // kept only when the same key was chosen again
            root.showCurrentKey()
        }
    }
    Checkbox {
        id: _ScrollSwap_CHK
        x: _menu_matrix.x + _menu_matrix.width + 20
        y: _menu_matrix.y + 4
        visible: false
        chkStr: mainIten.globalSetting_stringList[108]
    }

    Image {
        x: 210
        y: 110
        width: 480
        source: mainIten.sourceLine
    }

    Item {
        id: fnArea
        readonly property int secondX: _menu1.width + 60
        x: 210
        y: 135
        z: 20
        width: 480
        height: 240
        enabled: root.curKeyId() >= 0 && _model.curKeyMatrix >= 0
        opacity: enabled ? 1.0 : 0.2

        DropdownList {
            id: _menu1
            z: 10
            onListElementClicked: function (index) { root.chooseFunction(index) }
        }

        // KEYBOARD
        KeyInput_2 {
            id: _kb_input
            x: fnArea.secondX
            visible: _menu1.defaultIndex === KeyRecord.FN_KEYBOARD
            onInputComplete: function (usbCode) {
                root.setCurRecord(KeyRecord.keyboardRecord(usbCode))
            }
        }

        // MOUSE
        FileListButton {
            id: _list_mouse
            x: fnArea.secondX
            visible: _menu1.defaultIndex === KeyRecord.FN_MOUSE
            onListElementClicked: function (index) { root.chooseMouseItem(index) }
        }

        // MEDIA
        FileListButton {
            id: _list_media
            x: fnArea.secondX
            visible: _menu1.defaultIndex === KeyRecord.FN_MEDIA
            onListElementClicked: function (index) {
                if (index >= 0)
                    root.setCurRecord(KeyRecord.mediaRecord(index))
            }
        }

        // COMBO KEY
        Item {
            x: fnArea.secondX
            y: 20
            visible: _menu1.defaultIndex === KeyRecord.FN_COMBO
            KeyInput_2 {
                id: _combo_key1
                y: 33
                onInputComplete: root.writeCombo()
            }
            KeyInput_2 {
                id: _combo_key2
                y: 66
                onInputComplete: root.writeCombo()
            }
            DropdownList {
                id: _combo_mod
                z: 5
                Component.onCompleted: {
                    var texts = KeyRecord.modifierItemTexts()
                    for (var i = 0; i < texts.length; ++i)
                        mdItems.append({ "textX": texts[i] })
                }
                onListElementClicked: root.writeCombo()
            }
        }

        KeyMacroGroup {
            id: macroGroup
            x: fnArea.secondX
            visible: _menu1.defaultIndex === KeyRecord.FN_MACRO
            playMode: root.playMode
            onFileChosen: root.setMacro()
            onPlayModeChosen: function (mode) { root.choosePlayMode(mode) }
            onTimesConfirmed: root.commitTimes()
            onListRequested: root.refreshMacroFiles()
        }

        KeyFireGroup {
            id: fireGroup
            x: fnArea.secondX
            visible: _menu1.defaultIndex === KeyRecord.FN_FIRE
            onRecordChanged: root.writeFire()
            onShotsConfirmed: root.commitShots()
        }

        Row {
            x: 437
            spacing: 6
            Button_2state {
                id: _btnReset
                width: 30
                height: 30
                source0: mainIten.sourceReset0
                source1: mainIten.sourceReset1
                onClicked: root.pageReset()
                ToolTipText {
                    visible: _btnReset.mouse.containsMouse
                    text: mainIten.globalSetting_stringList[106]
                }
            }
            Button_2state {
                id: _btnApply
                width: 30
                height: 30
                source0: mainIten.sourceApply0
                source1: mainIten.sourceApply1
                onClicked: {
                    mainIten.setProtectUI(800)
                    root.pageApply()
                }
                ToolTipText {
                    visible: _btnApply.mouse.containsMouse
                    text: mainIten.globalSetting_stringList[107]
                }
            }
        }
    }
}
