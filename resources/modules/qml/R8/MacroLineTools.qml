import QtQuick
import "../common"

// The macro editor's line tools: delete, cut, paste and copy the selected line.
Column {
    // The macro editor page whose lines the tools edit.
    property Item page

    property alias deleteLineButton: _btnDeleteLine
    property alias cutButton: _btnCut
    property alias pasteButton: _btnPaste
    property alias copyButton: _btnCopy

    spacing: 1
    Button_2state {
        id: _btnDeleteLine
        width: 20
        height: 20
        enabled: page.selectedLine >= 0
        source0: mainIten.sourceSolidDelete0
        source1: mainIten.sourceSolidDelete1
        onClicked: page.deleteLine()
        ToolTipText {
            visible: parent.mouse.containsMouse
            text: mainIten.globalSetting_stringList[80]
        }
    }
    Button_2state {
        id: _btnCut
        width: 20
        height: 20
        enabled: page.selectedLine >= 0
        source0: mainIten.sourceSolidCut0
        source1: mainIten.sourceSolidCut1
        onClicked: page.cutLine()
        ToolTipText {
            visible: parent.mouse.containsMouse
            text: mainIten.globalSetting_stringList[81]
        }
    }
    Button_2state {
        id: _btnPaste
        width: 20
        height: 20
        enabled: page.scrapbook !== "" && page.hasMacro
        source0: mainIten.sourceSolidPaste0
        source1: mainIten.sourceSolidPaste1
        onClicked: page.pasteLine()
        ToolTipText {
            visible: parent.enabled && parent.mouse.containsMouse
            text: mainIten.globalSetting_stringList[82]
        }
    }
    Button_2state {
        id: _btnCopy
        width: 20
        height: 20
        enabled: page.selectedLine >= 0
        source0: mainIten.sourceSolidCopy0
        source1: mainIten.sourceSolidCopy1
        onClicked: page.copyLine()
        ToolTipText {
            visible: parent.mouse.containsMouse
            text: mainIten.globalSetting_stringList[83]
        }
    }

}
