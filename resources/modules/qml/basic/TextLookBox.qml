import QtQuick
import "../common"
import "../js/colors.js" as Colors

// The settings panel's TEXT box: size, colour swatches, gradient, R/G/B fields and brightness
// of the interface's text. The state and the rules stay with the page; this is the layout.
Item {

    // The global settings page whose preferences the box shows and edits.
    property Item page

    property alias swatchCells: swatchCells
    property alias gradient: gradient
    property alias brightness: brightness
    readonly property var fieldR: fields.count > 0 ? fields.itemAt(0).field : null
    readonly property var fieldG: fields.count > 1 ? fields.itemAt(1).field : null
    readonly property var fieldB: fields.count > 2 ? fields.itemAt(2).field : null

    width: 270
    height: 176

    Rectangle {
        anchors.fill: parent
        color: "#40000000"
        border.width: 1
        border.color: mainIten.globalSetting_color_enable
        radius: 3
    }
    Rectangle {
        x: 12
        y: -7
        width: title.width + 12
        height: 14
        color: "#0c0d10"
        Text {
            id: title
            anchors.centerIn: parent
            text: page._StringList[33]
            color: mainIten.globalSetting_color
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
    }
    Repeater {
        model: [{ s: 34, y: 25 }, { s: 35, y: 55 }, { s: 36, y: 140 }]
        Text {
            x: 12
            y: modelData.y + 2
            text: page._StringList[modelData.s]
            color: mainIten.globalSetting_color_enable
            font.family: mainIten.globalSetting_fontFamily
            font.pixelSize: mainIten.globalSetting_size
            font.bold: true
        }
    }

    Checkbox {
        id: sizeNormal
        x: 96
        y: 25
        chkStr: page._StringList[37]
        isSelect: page.sizePosition === 0
        onClicked: {
            page.sizePosition = 0
            page._Size = 11
            isSelect = Qt.binding(function () { return page.sizePosition === 0 })
        }
    }
    Checkbox {
        id: sizeLarger
        x: sizeNormal.x + sizeNormal.width + 15
        y: 25
        chkStr: page._StringList[38]
        isSelect: page.sizePosition === 1
        onClicked: {
            page.sizePosition = 1
            page._Size = 12
            isSelect = Qt.binding(function () { return page.sizePosition === 1 })
        }
    }

    Row {
        id: swatchRow
        x: 100
        y: 55
        spacing: 2
        Repeater {
            id: swatchCells
            model: 7
            Item {
                width: 19
                height: 31
                Image {
                    visible: page.currentSwatch === index
                    source: mainIten.sourcePaletteIndex
                    y: -6
                }
                Rectangle {
                    anchors.fill: parent
                    color: Qt.rgba(page.swatches[index][0] / 255, page.swatches[index][1] / 255,
                                   page.swatches[index][2] / 255, 1)
                    border.width: 1
                    border.color: page.currentSwatch === index ? "white" : "#60000000"
                }
                MouseArea {
                    anchors.fill: parent
                    onClicked: {
                        page.endTextInput() // keeps what was typed for the old swatch
                        page.currentSwatch = index
                        page.setRGB(3, page.swatches[index][0], page.swatches[index][1],
                                    page.swatches[index][2])
                    }
                }
            }
        }
    }

    Rectangle {
        id: gradient
        x: 100
        y: swatchRow.y + swatchRow.height + 5
        width: 96
        height: 14
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
            page.setRGB(1, rgb[0], rgb[1], rgb[2])
        }
        MouseArea {
            anchors.fill: parent
            onPressed: function (mouse) { gradient.pick(mouse.x) }
        }
    }

    Column {
        x: 206
        y: gradient.y - 4
        spacing: 1
        Repeater {
            model: ["R ", "G ", "B "]
            Text {
                height: 15
                text: modelData
                color: mainIten.globalSetting_color_enable
                font.family: mainIten.globalSetting_fontFamily
                font.pixelSize: 10
                font.bold: true
                verticalAlignment: Text.AlignVCenter
            }
        }
    }
    Column {
        x: 218
        y: gradient.y - 4
        spacing: 1
        Repeater {
            id: fields
            model: 3
            Image {
                property alias field: input
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
                    onAccepted: page.commitFields()
                    // Leaving the field keeps the value, as Return does; the window
                    // alone losing the focus commits nothing.
                    onActiveFocusChanged: if (!activeFocus && !focus) page.commitFields()
                }
            }
        }
    }

    Slider {
        id: brightness
        x: 97
        y: 140
        onSliderClicked: function (index) { page.applyTextColor(page.swatches[page.currentSwatch]) }
    }

}
