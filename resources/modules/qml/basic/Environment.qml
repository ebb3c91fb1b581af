import QtQuick

// The background picture (the skin's or the user's) under the frame.
Item {
    width: 1000
    height: 600
    Image {
        anchors.fill: parent
        source: mainIten.isCustomBackground ? mainIten.sourceCustomBackground
                                            : mainIten.sourceBackground
    }
    Image {
        source: mainIten.sourceFrameBackground
    }
}
