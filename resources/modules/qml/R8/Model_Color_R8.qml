import QtQuick

// The mouse as the lighting page shows it. The three zones are kept for highlighting and are
// never drawn.
Item {
    width: 102
    height: 191
    Image {
        x: -10
        y: -20
        width: 102
        height: 191
        source: mainIten.sourceModel_R8_Color
    }
    Rectangle { x: 4; y: 30; width: 9; height: 77; visible: false }
    Rectangle { x: 64; y: 30; width: 9; height: 77; visible: false }
    Rectangle { x: 31; y: 14; width: 15; height: 32; visible: false }
}
