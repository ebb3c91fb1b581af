import QtQuick
import "../common"
import "../js/macro_edit.js" as MacroEdit

// Macro editor: macro files on the left, the current macro's lines on the right. Every edit
// is saved to the file at once.
Image {
    id: root
    property bool isRecordStart: false
    property string scrapbook: ""
    property bool isUnlimitedCopy: false
    readonly property bool hasMacro: files.lvItems.currentIndex >= 0
    readonly property int selectedLine: actions.lvItems.currentIndex
    property alias fileList: files
    property alias actionList: actions
    property alias addFileButton: _btnAddFile
    property alias deleteFileButton: _btnDeleteFile
    property alias recordButton: _btnRecord
    property alias stopButton: _btnStop
    property alias deleteLineButton: lineTools.deleteLineButton
    property alias cutButton: lineTools.cutButton
    property alias pasteButton: lineTools.pasteButton
    property alias copyButton: lineTools.copyButton
    property alias mouseButtonList: inputArea.mouseButtonList
    property alias addMouseButton: inputArea.addMouseButton
    property alias keyInput: inputArea.keyInput
    property alias addKeyButton: inputArea.addKeyButton
    property alias delayField: inputArea.delayField
    property alias addDelayButton: inputArea.addDelayButton
    property alias contextMenu: _menu

    function initUI() { refreshMacroFiles() }

    function translateStrings() {
        var s = mainIten.globalSetting_stringList
        _menu.texts = [s[84], s[85], s[112], s[78]]
    }

    function getCurrentMacroName() {
        var i = files.lvItems.currentIndex
        return i >= 0 && i < files.mdItems.count ? files.mdItems.get(i).textX : ""
    }

    function getAllMacroActions() {
        var lines = []
        for (var i = 0; i < actions.mdItems.count; ++i)
            lines.push(MacroEdit.joinLine(actions.mdItems.get(i)))
        return lines
    }

    function getCurrentMacroActions() {
        var i = selectedLine
        return i >= 0 && i < actions.mdItems.count ? MacroEdit.joinLine(actions.mdItems.get(i)) : ""
    }

    // Keeps the current file when it is still there (or `prefer`, after a rename).
    function refreshMacroFiles(prefer) {
        var current = prefer !== undefined ? prefer : getCurrentMacroName()
        var names = ui_View.getMacroIniNames()
        files.mdItems.clear()
        var keep = -1
        for (var i = 0; i < names.length; ++i) {
            var name = String(names[i]).slice(0, -4)
            files.mdItems.append({ "textX": name })
            if (name === current)
                keep = i
        }
        files.lvItems.currentIndex = keep
        refreshMacroActions()
    }

    function refreshMacroActions() {
        actions.mdItems.clear()
        var name = getCurrentMacroName()
        if (name === "")
            return
        var lines = MacroEdit.splitLines(ui_View.loadMacroIni(name))
        for (var i = 0; i < lines.length; ++i)
            actions.mdItems.append(lines[i])
    }

    function save() {
        if (!ui_View.saveMacroIni(getCurrentMacroName(), getAllMacroActions()))
            actions.mdItems.clear()
    }

    function insertLines(lines) {
        var at = MacroEdit.insertPosition(selectedLine, actions.mdItems.count)
        for (var i = 0; i < lines.length; ++i)
            actions.mdItems.insert(at + i, lines[i])
        save()
    }

    function detectKeyboard(isDown, usbCode) {
        keyInput.detectKeyboard(isDown, usbCode)
        if (!isRecordStart)
            return
        var name = _KeyCodeString.keycodeTostr(usbCode)
        if (name !== undefined)
            actions.mdItems.append(MacroEdit.recordedLine(name, isDown))
    }

    function addFile() {
        var name = String(ui_View.createMacroIni())
        if (name === "")
            return
        files.mdItems.append({ "textX": name })
        files.lvItems.currentIndex = files.mdItems.count - 1
        refreshMacroActions()
    }

    function deleteFile() {
        var i = files.lvItems.currentIndex
        if (i < 0 || !ui_View.deleteMacroIni(getCurrentMacroName()))
            return
        files.lvItems.currentIndex = -1
        files.mdItems.remove(i)
        files.lvItems.currentIndex = -1
        refreshMacroActions()
    }

    function startRecording() {
        actions.mdItems.clear()
        actions.lvItems.currentIndex = -1
        if (getCurrentMacroName() !== "")
            isRecordStart = true
    }

    function stopRecording() {
        isRecordStart = false
        save()
    }

    function deleteLine() {
        if (selectedLine < 0)
            return
        actions.mdItems.remove(selectedLine)
        save()
    }

    function cutLine() {
        if (selectedLine < 0)
            return
        isUnlimitedCopy = false
        scrapbook = getCurrentMacroActions()
        actions.mdItems.remove(selectedLine)
        save()
    }

    function copyLine() {
        if (selectedLine < 0)
            return
        isUnlimitedCopy = true
        scrapbook = getCurrentMacroActions()
    }

    function pasteLine() {
        if (scrapbook === "" || !hasMacro)
            return
        var line = MacroEdit.splitLine(scrapbook)
        if (!isUnlimitedCopy)
            scrapbook = ""
        insertLines([line])
    }

    function insertKey() {
        var name = _KeyCodeString.keycodeTostr(keyInput.tmpKeycodeUSB)
        if (name !== undefined)
            insertLines(MacroEdit.pressAndRelease(name))
    }

    function insertMouseButton() {
        var index = mouseButtonList.getCurIndex()
        if (index >= 0)
            insertLines(MacroEdit.pressAndRelease(_KeyCodeString.mousecodeTostr(index + 0xF0)))
    }

    function confirmDelay() {
        delayField.text = String(MacroEdit.confirmedDelay(delayField.text))
    }

    function addDelay() {
        if (delayField.activeFocus)
            delayField.focus = false // confirms through editingFinished
        confirmDelay()
        insertLines([MacroEdit.delayLine(delayField.text)])
    }

    objectName: "_Page_Macro"
    width: 759
    height: 396
    source: mainIten.sourceFnMacroBackground

    Connections {
        target: mainItem_R8
        function onMsg_KB(isDown, usbCode) { root.detectKeyboard(isDown, usbCode) }
    }

    Text {
        x: 24
        y: 14
        text: mainIten.globalSetting_stringList[75]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 3
        font.bold: true
    }

    // Macro files
    ListHeading {
        x: 119
        y: 55
        text: mainIten.globalSetting_stringList[44]
        Row {
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            Button_2state {
                id: _btnAddFile
                width: 20
                height: 20
                enabled: !root.isRecordStart
                source0: mainIten.sourceAdd0
                source1: mainIten.sourceAdd1
                onClicked: root.addFile()
            }
            Button_2state {
                id: _btnDeleteFile
                width: 20
                height: 20
                enabled: root.hasMacro && !root.isRecordStart
                source0: mainIten.sourceDelete0
                source1: mainIten.sourceDelete1
                onClicked: root.deleteFile()
            }
        }
    }
    FileList {
        id: files
        x: 119
        y: 76
        width: 141
        height: 198
        enabled: !root.isRecordStart
        onListElementClicked: {
            actions.lvItems.currentIndex = -1
            root.refreshMacroActions()
        }
        onListElementRightBtnClicked: function (index) { _menu.openFor(index) }
        onEditFileName_completed: function (oldName, newName) {
            var wasCurrent = root.getCurrentMacroName() === newName
            ui_View.renameMacroIniFile(oldName, newName)
            var names = ui_View.getMacroIniNames()
            var renamed = false
            for (var i = 0; i < names.length; ++i)
                renamed = renamed || String(names[i]).slice(0, -4) === newName
            // The list's editor still holds the row; reload once it has let go.
            var keep = wasCurrent ? (renamed ? newName : oldName) : undefined
            Qt.callLater(root.refreshMacroFiles, keep)
        }
    }

    // Lines of the current macro
    ListHeading {
        x: 468
        y: 55
        text: mainIten.globalSetting_stringList[45]
        Row {
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            Button_2state {
                id: _btnRecord
                width: 20
                height: 20
                enabled: root.hasMacro && !root.isRecordStart
                source0: mainIten.sourceRecord0
                source1: mainIten.sourceRecord1
                onClicked: root.startRecording()
            }
            Button_2state {
                id: _btnStop
                width: 20
                height: 20
                enabled: root.isRecordStart
                source0: mainIten.sourceStop0
                source1: mainIten.sourceStop1
                onClicked: root.stopRecording()
            }
        }
    }
    FileList {
        id: actions
        x: 468
        y: 76
        width: 141
        height: 198
    }

    MacroLineTools {
        id: lineTools
        x: 446
        y: 77
        page: root
    }

    // Input area: mouse button, key, delay
    MacroInputArea {
        id: inputArea
        x: 290
        y: 205
        z: 10
        page: root
    }

    MacroFileMenu {
        id: _menu
        z: 20
        scrollOffset: files.lvItems.contentY
        onChosen: function (item, fileIndex) {
            var name = files.mdItems.get(fileIndex).textX
            if (item === 0) {
                ui_View.loadMacroIniFromFile(name)
                if (name === root.getCurrentMacroName())
                    root.refreshMacroActions()
            } else if (item === 1) {
                ui_View.saveMacroIniToFile(name)
            } else if (item === 2) {
                files.editFileName(fileIndex)
            }
        }
    }
}
