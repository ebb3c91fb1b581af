import QtQuick
import "../js/keynames.js" as KeyNames

// Key and mouse-button names in both directions, for every document (id _KeyCodeString).
Item {
    property var str2keycode: KeyNames.nameToCode(KeyNames.keyboard)
    property var keycode2str: KeyNames.codeToName(KeyNames.keyboard)
    property var str2mousecode: KeyNames.nameToCode(KeyNames.mouse)
    property var mousecode2str: KeyNames.codeToName(KeyNames.mouse)

    function strTokeycode(str) { return str2keycode[str] }
    function keycodeTostr(keycode) { return keycode2str[keycode] }
    function strTomousecode(str) { return str2mousecode[str] }
    function mousecodeTostr(mousecode) { return mousecode2str[mousecode] }
    function logByte(intByte) { return KeyNames.logByte(intByte) }
}
