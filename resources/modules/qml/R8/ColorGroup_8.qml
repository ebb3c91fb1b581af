import QtQuick
import "../js/colors.js" as Colors
import "../js/dpi.js" as Dpi

// Eight colour cells with a gradient strip and R/G/B fields for the current one. In
// eight-colour mode a cell shows the fixed colour of its colour id and only ids are edited.
Item {
    id: root
    property alias modColors: cells
    property int currentIndex: 0
    property bool isCompat8Color: false
    property var color8_RGB: Dpi.palette8Rgb
    property int maxStage: 8
    property alias cellRepeater: cellRepeater
    property alias gradient: gradient
    readonly property var fieldR: fields.count > 0 ? fields.itemAt(0).field : null
    readonly property var fieldG: fields.count > 1 ? fields.itemAt(1).field : null
    readonly property var fieldB: fields.count > 2 ? fields.itemAt(2).field : null
    signal clicked(int index)
    signal setTextInputFocus(bool isFocus)

    function setColor8_Id(index, id) {
        cells.setProperty(index, "color8_Id", Dpi.number(id))
    }
    function setCurIndex(index) {
        currentIndex = index
        var c = cells.get(index)
        setRGB(3, c.clrR, c.clrG, c.clrB)
    }
    function getCurIndex() { return currentIndex }

    // source 1: gradient, 2: R/G/B fields, 3: cell selection; anything else sets the field
    // texts and the cell without telling the owner.
    function setRGB(source, r, g, b) {
        if (source !== 2) {
            fieldR.text = r
            fieldG.text = g
            fieldB.text = b
        }
        if (source !== 3) {
            cells.setProperty(currentIndex, "clrR", Dpi.number(r))
            cells.setProperty(currentIndex, "clrG", Dpi.number(g))
            cells.setProperty(currentIndex, "clrB", Dpi.number(b))
        }
        if (source === 1 || source === 2)
            clicked(currentIndex)
    }
    // Commits what the fields hold to the current cell, when it differs from the cell.
    function commitFields() {
        var rgb = [Colors.channel(fieldR.text), Colors.channel(fieldG.text),
                   Colors.channel(fieldB.text)]
        var c = cells.get(currentIndex)
        if (rgb[0] !== c.clrR || rgb[1] !== c.clrG || rgb[2] !== c.clrB)
            setRGB(2, rgb[0], rgb[1], rgb[2])
    }
    // A cell chosen by the user: what was typed for the old one is kept first.
    function chooseCell(index) {
        setTextInputFocus(false)
        setCurIndex(index)
    }
    function cellColor(index) {
        var c = cells.get(index)
        if (!c)
            return "transparent"
        if (isCompat8Color) {
            var id = Math.max(0, Math.min(7, c.color8_Id))
            return Qt.rgba(color8_RGB[3 * id] / 255, color8_RGB[3 * id + 1] / 255,
                           color8_RGB[3 * id + 2] / 255, 1)
        }
        return Qt.rgba(c.clrR / 255, c.clrG / 255, c.clrB / 255, 1)
    }
    // [[r, g, b] x 8] and the eight colour ids, as the owners send them.
    function rgbList() {
        var out = []
        for (var i = 0; i < cells.count; ++i) {
            var c = cells.get(i)
            out.push([c.clrR, c.clrG, c.clrB])
        }
        return out
    }
    function idList() {
        var out = []
        for (var i = 0; i < cells.count; ++i)
            out.push(cells.get(i).color8_Id)
        return out
    }

    width: 4 * 77
    height: isCompat8Color ? grid.height : gradient.y + gradient.height

    onSetTextInputFocus: function (isFocus) {
        if (!isFocus) {
            fieldR.focus = false
            fieldG.focus = false
            fieldB.focus = false
        }
    }

    ListModel {
        id: cells
        ListElement { clrR: 255; clrG: 0; clrB: 0; color8_Id: 0 }
        ListElement { clrR: 0; clrG: 0; clrB: 255; color8_Id: 1 }
        ListElement { clrR: 0; clrG: 255; clrB: 0; color8_Id: 2 }
        ListElement { clrR: 255; clrG: 0; clrB: 255; color8_Id: 3 }
        ListElement { clrR: 255; clrG: 255; clrB: 0; color8_Id: 4 }
        ListElement { clrR: 0; clrG: 255; clrB: 255; color8_Id: 5 }
        ListElement { clrR: 255; clrG: 255; clrB: 255; color8_Id: 6 }
        ListElement { clrR: 255; clrG: 127; clrB: 0; color8_Id: 7 }
    }

    Grid {
        id: grid
        columns: 4
        Repeater {
            id: cellRepeater
            model: cells
            Item {
                id: cell
                width: 77
                height: 19
                enabled: index < root.maxStage
                // Not `enabled`: a disabled group dims its cells, it does not hide them.
                opacity: index < root.maxStage ? 1.0 : 0.0
                Image {
                    anchors.horizontalCenter: bar.horizontalCenter
                    anchors.bottom: bar.top
                    visible: root.currentIndex === index
                    source: mainIten.sourcePaletteIndex
                }
                Rectangle {
                    id: bar
                    anchors.centerIn: parent
                    width: 65
                    height: 6
                    // Touch the model roles so the binding follows edits of this cell.
                    color: (model.clrR + model.clrG + model.clrB + model.color8_Id) >= 0
                           ? root.cellColor(index) : "transparent"
                    border.width: root.currentIndex === index ? 1 : 0
                    border.color: "white"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: root.chooseCell(index)
                }
            }
        }
    }

    Rectangle {
        id: gradient
        y: grid.height + 16
        // One pixel over 200 puts every colour stop on a whole pixel, the midpoint included.
        width: 201
        height: 14
        visible: !root.isCompat8Color
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: "black" }
            GradientStop { position: 0.125; color: "red" }
            GradientStop { position: 0.25; color: "yellow" }
            GradientStop { position: 0.375; color: "lime" }
            GradientStop { position: 0.5; color: "cyan" }
            GradientStop { position: 0.625; color: "blue" }
            GradientStop { position: 0.75; color: "magenta" }
            GradientStop { position: 0.875; color: "white" }
            GradientStop { position: 1.0; color: "black" }
        }
        function pick(x) {
            var rgb = Colors.gradientRgb(x, width)
            root.setRGB(1, rgb[0], rgb[1], rgb[2])
        }
        MouseArea {
            anchors.fill: parent
            onPressed: function (mouse) { gradient.pick(mouse.x) }
        }
    }

    Row {
        x: gradient.x + gradient.width + 10
        y: gradient.y - 1
        spacing: 4
        visible: !root.isCompat8Color
        Repeater {
            id: fields
            model: ["R ", "G ", "B "]
            Row {
                property alias field: input
                Text {
                    height: 15
                    text: modelData
                    color: mainIten.globalSetting_color_enable
                    font.family: mainIten.globalSetting_fontFamily
                    font.pixelSize: 10
                    font.bold: true
                    verticalAlignment: Text.AlignVCenter
                }
                Image {
                    width: 39
                    height: 15
                    source: mainIten.sourceInputValue
                    TextInput {
                        id: input
                        anchors.fill: parent
                        anchors.leftMargin: 4
                        verticalAlignment: TextInput.AlignVCenter
                        text: "255"
                        maximumLength: 3
                        validator: IntValidator { bottom: 0; top: 255 }
                        color: mainIten.globalSetting_color
                        font.family: mainIten.globalSetting_fontFamily
                        font.pixelSize: 10
                        onAccepted: root.commitFields()
                        // Leaving the field keeps the value, as Return does. When only the
                        // window loses the focus (the busy lock, a box, a file dialog) the
                        // field keeps its own and nothing is committed.
                        onActiveFocusChanged: if (!activeFocus && !focus) root.commitFields()
                    }
                }
            }
        }
    }
}
