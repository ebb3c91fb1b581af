import QtQuick
import "../../../resources/modules/qml/basic"
import "../../../resources/modules/qml/js/strings.js" as Strings

// Stands in for the root scene: the interface-wide properties and skin images the controls
// read from `mainIten` (the images are the root scene's own list). Short animations keep the
// tests fast.
SkinImages {
    width: 600
    height: 500

    property int globalSetting_size: 11
    property color globalSetting_color: "#FF00FFFF"
    property color globalSetting_color_enable: "#FFAAAAAA"
    property color globalSetting_color_disable: "#80FFFFFF"
    property int animation_speed: 10
    property var globalSetting_stringList: Strings.defaults()
    property string globalSetting_fontFamily: "Arial"
}
