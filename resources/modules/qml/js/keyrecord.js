.pragma library
.import "keynames.js" as KeyNames
.import "mouse_tables.js" as MouseTables

// Key assignment records (type, parameter 1..3) as the key assignment page shows and builds
// them. Records are plain arrays of four numbers.

var FN_NONE = -1
var FN_KEYBOARD = 0
var FN_MOUSE = 1
var FN_MEDIA = 2
var FN_COMBO = 3
var FN_MACRO = 4
var FN_FIRE = 5
var FN_LED = 6

// Function menu entries, by global string index.
var functionTexts = [46, 47, 48, 49, 50, 93, 111]

// MOUSE list: text index and the record the entry writes.
var mouseItems = MouseTables.tables.mouseFunctions.map(function (m) {
    return { text: m.string, record: m.record }
})

// MEDIA list: Consumer page usages; entry i is named by global string 56 + i.
var mediaUsages = MouseTables.tables.mediaKeys.map(function (m) { return m.usage })
var mediaFirstText = MouseTables.tables.mediaFirstString

// Fire-key mouse buttons: LEFT..FORWARD, codes F0..F4.
var fireMouseTexts = [51, 52, 53, 54, 55]

var modifierNames = MouseTables.tables.modifiers

// Language files older than the DPI +/- entries stop at 115 strings.
var fallbackTexts = { 115: "DPI +", 116: "DPI -" }

var defaultFireSlider = 7
var defaultShots = 10

function text(strings, index) {
    var s = strings !== undefined && strings !== null && index < strings.length ? strings[index]
                                                                              : undefined
    if (s === undefined || s === null || String(s) === "")
        return fallbackTexts[index] !== undefined ? fallbackTexts[index] : ""
    return String(s)
}

function modifierItemTexts() {
    var items = ["×"]
    for (var i = 0; i < modifierNames.length; ++i)
        items.push("KEY【 " + modifierNames[i] + " 】")
    return items
}

// Stored values come back as text; anything that is not a number counts as 0.
function toNumber(value) {
    var n = parseInt(value, 10)
    return isNaN(n) ? 0 : n
}

function toNumbers(list) {
    var out = []
    if (list === undefined || list === null)
        return out
    for (var i = 0; i < list.length; ++i)
        out.push(toNumber(list[i]))
    return out
}

// Four numbers of a stored key entry; a missing or short entry reads as zeros.
function storedRecord(list) {
    var n = toNumbers(list)
    while (n.length < 4)
        n.push(0)
    return n.slice(0, 4)
}

function same(a, b) {
    return a[0] === b[0] && a[1] === b[1] && a[2] === b[2] && a[3] === b[3]
}

function modifierByte(item) {
    return item > 0 && item <= 8 ? (1 << (item - 1)) : 0
}

function keyboardRecord(code) { return [0x00, 0, code & 0xFF, 0] }
function mouseRecord(item) { return mouseItems[item].record.slice() }
function mediaRecord(item) {
    var u = mediaUsages[item]
    return [0x03, 0, u & 0xFF, (u >> 8) & 0xFF]
}
function comboRecord(modifierItem, key1, key2) {
    return [0x00, modifierByte(modifierItem), (key1 || 0) & 0xFF, (key2 || 0) & 0xFF]
}
function macroRecord(playMode, slotIndex) { return [0x09, playMode, slotIndex + 1, 0] }
function ledRecord() { return [0x0B, 0, 0, 0] }
function emptyRecord() { return [0, 0, 0, 0] }

// Slider position 0 is the slowest (255), 7 the fastest (10). A slider without a position
// (after the function was chosen anew) fires at the default speed.
function fireSpeed(sliderPosition) {
    var p = sliderPosition >= 0 && sliderPosition <= 7 ? sliderPosition : defaultFireSlider
    return (7 - p) * 35 + 10
}
function fireSlider(speed) {
    return 7 - Math.round((Math.max(speed, 10) - 10) / 35)
}
function fireRecord(code, sliderPosition, shots) {
    return [0x0A, (code || 0) & 0xFF, fireSpeed(sliderPosition), shots & 0xFF]
}

function isLeftButton(r) { return same(r, [0x01, 0, 0xF0, 0]) }
function isMacro(r) { return r[0] === 0x09 }

// What the page shows for a record: the function and its second-level choice. null means
// the record is of a known type but not of a form the page writes: the menus stay as they
// are.
function decode(r) {
    var t = r[0], p1 = r[1], p2 = r[2], p3 = r[3]
    switch (t) {
    case 0x00:
        if (p1 === 0 && p2 !== 0 && p3 === 0)
            return { func: FN_KEYBOARD, key: p2 }
        return { func: FN_COMBO, modifierItem: KeyNames.logByte(p1), key1: p2, key2: p3 }
    case 0x01:
        if (p1 !== 0 || p3 !== 0 || p2 === 0)
            return null
        return { func: FN_MOUSE, item: p2 >= 0xF0 && p2 <= 0xF4 ? p2 - 0xF0 : -1 }
    case 0x03:
        if (p1 !== 0 || p2 === 0)
            return null
        return { func: FN_MEDIA, item: mediaUsages.indexOf(p3 * 256 + p2) }
    case 0x04:
        if (p1 === 0 && p3 === 0 && (p2 === 1 || p2 === 2))
            return { func: FN_MOUSE, item: 8 + p2 }
        return null
    case 0x07:
        if (p1 !== 0 || p3 !== 0)
            return null
        return { func: FN_MOUSE, item: p2 >= 1 && p2 <= 3 ? p2 + 5 : -1 }
    case 0x09:
        return { func: FN_MACRO, playMode: p1, slot: p2 }
    case 0x0A:
        if (p1 === 0xF0 && p2 === 0x21 && p3 === 3)
            return { func: FN_MOUSE, item: 5 }
        var mouse = p1 >= 0xF0 && p1 <= 0xF4
        return { func: FN_FIRE, fireMouseItem: mouse ? p1 - 0xF0 : -1, fireKey: mouse ? 0 : p1,
                 slider: fireSlider(p2), shots: p3 }
    case 0x0B:
        return p1 === 0 && p2 === 0 && p3 === 0 ? { func: FN_LED } : null
    default:
        return { func: FN_NONE }
    }
}

// The key selector's key IDs while no language file names them.
var builtInKeyIds = MouseTables.tables.selectorKeys

// Key IDs 0..15 that the product layout names, ascending.
function layoutKeyIds(layoutStrings) {
    var ids = []
    if (layoutStrings === undefined || layoutStrings === null)
        return ids
    for (var id = 0; id < 16 && id < layoutStrings.length; ++id) {
        var s = layoutStrings[id]
        if (s !== undefined && s !== null && String(s) !== "")
            ids.push(id)
    }
    return ids
}

// The key selector's key IDs: those the product layout names, else the built-in ones.
function selectorKeyIds(layoutStrings) {
    var ids = layoutKeyIds(layoutStrings)
    return ids.length > 0 ? ids : builtInKeyIds.slice()
}

// Asking is needed when the key is a left button and no other listed key is one.
function leftButtonAtRisk(records, listedIds, keyId) {
    if (keyId < 0 || !isLeftButton(records[keyId]))
        return false
    var lefts = 0
    for (var i = 0; i < listedIds.length; ++i)
        if (isLeftButton(records[listedIds[i]]))
            ++lefts
    return lefts <= 1
}

// Slot indexes 0..11 that macro records use.
function usedMacroSlots(records) {
    var used = []
    for (var id = 0; id < records.length; ++id) {
        var r = records[id]
        if (r[0] === 0x09 && r[3] === 0)
            used.push(r[2] - 1)
    }
    return used
}

function lowestFreeSlot(used) {
    for (var s = 0; s < 12; ++s)
        if (used.indexOf(s) < 0)
            return s
    return -1
}

// Flattened matrix of 16 records, four values per key in key ID order.
function matrix(records) {
    var out = []
    for (var id = 0; id < 16; ++id)
        for (var i = 0; i < 4; ++i)
            out.push(records[id] !== undefined ? records[id][i] : 0)
    return out
}
