import QtQuick

// Page frame. Its controls arrive with the page work; until then it shows its background and
// title and offers the calls the main document makes.
Image {
    function initUI() {}
    function pageApply() {}
    function pageReset() {}
    function translateStrings() {}

    width: 759
    height: 396
    source: mainIten.sourceFnCommonBackground
    Text {
        x: 24
        y: 14
        text: mainIten.globalSetting_stringList[86]
        color: mainIten.globalSetting_color
        font.family: mainIten.globalSetting_fontFamily
        font.pixelSize: mainIten.globalSetting_size + 3
        font.bold: true
    }
}
