.pragma library
// Display names of key codes (USB HID keyboard usages) and mouse button codes.
// The backslash key is named under 0x32 only: 0x31 has no name on this side.

var keyboard = [
    ["A", 0x04],
    ["B", 0x05],
    ["C", 0x06],
    ["D", 0x07],
    ["E", 0x08],
    ["F", 0x09],
    ["G", 0x0a],
    ["H", 0x0b],
    ["I", 0x0c],
    ["J", 0x0d],
    ["K", 0x0e],
    ["L", 0x0f],
    ["M", 0x10],
    ["N", 0x11],
    ["O", 0x12],
    ["P", 0x13],
    ["Q", 0x14],
    ["R", 0x15],
    ["S", 0x16],
    ["T", 0x17],
    ["U", 0x18],
    ["V", 0x19],
    ["W", 0x1a],
    ["X", 0x1b],
    ["Y", 0x1c],
    ["Z", 0x1d],
    ["1", 0x1e],
    ["2", 0x1f],
    ["3", 0x20],
    ["4", 0x21],
    ["5", 0x22],
    ["6", 0x23],
    ["7", 0x24],
    ["8", 0x25],
    ["9", 0x26],
    ["0", 0x27],
    ["Enter", 0x28],
    ["Esc", 0x29],
    ["Back", 0x2a],
    ["Tab", 0x2b],
    ["Space", 0x2c],
    ["- _", 0x2d],
    ["= +", 0x2e],
    ["[ {", 0x2f],
    ["] }", 0x30],
    ["\\ |", 0x32],
    ["; :", 0x33],
    ["' \"", 0x34],
    ["` ~", 0x35],
    [", <", 0x36],
    [". >", 0x37],
    ["/ ?", 0x38],
    ["Caps", 0x39],
    ["F1", 0x3a],
    ["F2", 0x3b],
    ["F3", 0x3c],
    ["F4", 0x3d],
    ["F5", 0x3e],
    ["F6", 0x3f],
    ["F7", 0x40],
    ["F8", 0x41],
    ["F9", 0x42],
    ["F10", 0x43],
    ["F11", 0x44],
    ["F12", 0x45],
    ["Prt", 0x46],
    ["Scr", 0x47],
    ["Pau", 0x48],
    ["Ins", 0x49],
    ["Hom", 0x4a],
    ["PgU", 0x4b],
    ["Del", 0x4c],
    ["End", 0x4d],
    ["PgD", 0x4e],
    ["►", 0x4f],
    ["◄", 0x50],
    ["▼", 0x51],
    ["▲", 0x52],
    ["Num", 0x53],
    ["KP /", 0x54],
    ["KP *", 0x55],
    ["KP -", 0x56],
    ["KP +", 0x57],
    ["KP Enter", 0x58],
    ["KP 1", 0x59],
    ["KP 2", 0x5a],
    ["KP 3", 0x5b],
    ["KP 4", 0x5c],
    ["KP 5", 0x5d],
    ["KP 6", 0x5e],
    ["KP 7 ", 0x5f],
    ["KP 8", 0x60],
    ["KP 9", 0x61],
    ["KP 0", 0x62],
    ["KP .", 0x63],
    ["Eur 2", 0x64],
    ["App", 0x65],
    ["Power", 0x66],
    ["KP =", 0x67],
    ["F13", 0x68],
    ["F14", 0x69],
    ["F15", 0x6a],
    ["F16", 0x6b],
    ["F17", 0x6c],
    ["F18", 0x6d],
    ["F19", 0x6e],
    ["F20", 0x6f],
    ["F21", 0x70],
    ["F22", 0x71],
    ["F23", 0x72],
    ["F24", 0x73],
    ["Keypad", 0x85],
    ["Int'l 1", 0x87],
    ["Intl'2", 0x88],
    ["Int'l 2", 0x89],
    ["Int'l 4", 0x8a],
    ["Int'l 5", 0x8b],
    ["Lang 1", 0x90],
    ["Lang 2", 0x91],
    ["L Ctrl", 0xe0],
    ["L Shift", 0xe1],
    ["L Alt", 0xe2],
    ["L Win", 0xe3],
    ["R Ctrl", 0xe4],
    ["R Shift", 0xe5],
    ["R Alt", 0xe6],
    ["R Win", 0xe7]
]

var mouse = [
    ["MS-L", 0xf0], ["MS-R", 0xf1], ["MS-M", 0xf2], ["MS-B4", 0xf3], ["MS-B5", 0xf4]
]

function nameToCode(pairs) {
    var map = {}
    for (var i = 0; i < pairs.length; ++i)
        map[pairs[i][0]] = pairs[i][1]
    return map
}

function codeToName(pairs) {
    var map = {}
    for (var i = 0; i < pairs.length; ++i)
        map[pairs[i][1]] = pairs[i][0]
    return map
}

// 1-based position of the lowest set bit among bits 0..7, 0 when none is set.
function logByte(value) {
    var v = value >>> 0
    for (var bit = 0; bit < 8; ++bit) {
        if (v & (1 << bit))
            return bit + 1
    }
    return 0
}
