import QtQuick

// Records the sound requests the controls make through `ui_View`.
QtObject {
    property var played: []
    function playMedia_Index(index) {
        played = played.concat([index])
    }
}
