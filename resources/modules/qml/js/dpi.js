.pragma library
.import "keynames.js" as KeyNames
// DPI stages, polling rate and indicator colours of the sensor page.

var kStages = 8
var kStageOff = 0x80

// Per sensor type: the value menu in order, the values shown before the profile is read and
// the DPI value -> DPI code table. Unknown sensor types have an empty menu and every stage off.
var sensors = [
    {
        menu: [0, 250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 3000, 3500, 4000],
        start: [500, 1000, 1500, 2000, 0, 0, 0, 0],
        codes: { 250: 0x01, 500: 0x02, 750: 0x03, 1000: 0x04, 1250: 0x05, 1500: 0x06,
                 1750: 0x07, 2000: 0x08, 2500: 0x45, 3000: 0x46, 3500: 0x47, 4000: 0x48 }
    },
    {
        menu: [0, 500, 1000, 1750, 2000, 2500, 3000, 3500, 4000, 5000, 6000, 7000],
        start: [1000, 2500, 3500, 7000, 0, 0, 0, 0],
        codes: { 500: 0x02, 1000: 0x04, 1750: 0x07, 2000: 0x08, 2500: 0x0A, 3000: 0x0C,
                 3500: 0x0E, 4000: 0x48, 5000: 0x4A, 6000: 0x4C, 7000: 0x4E }
    },
    {
        menu: [0, 250, 500, 750, 1000, 1250, 1500, 1750, 2000, 2500, 2750],
        start: [500, 1000, 1500, 2500, 0, 0, 0, 0],
        codes: { 250: 0x02, 500: 0x04, 750: 0x06, 1000: 0x08, 1250: 0x0A, 1500: 0x46,
                 1750: 0x47, 2000: 0x48, 2500: 0x4A, 2750: 0x4B }
    },
    {
        menu: [200, 400, 600, 800, 1000, 1200, 1400, 1600, 1800, 2000, 2400, 2800, 3200, 4000,
               4800, 6000, 8000, 10000],
        start: [1000, 2000, 4000, 8000, 0, 0, 0, 0],
        codes: { 200: 1, 400: 3, 600: 5, 800: 7, 1000: 9, 1200: 11, 1400: 13, 1600: 15,
                 1800: 17, 2000: 19, 2400: 23, 2800: 27, 3200: 31, 4000: 39, 4800: 47,
                 6000: 0x5D, 8000: 0x67, 10000: 0x71 }
    }
]

function sensor(type) {
    return type >= 0 && type < sensors.length ? sensors[type] : null
}

function menuValues(type) {
    var s = sensor(type)
    return s ? s.menu.slice() : []
}

// The menu padded with "×" entries to the control's `slots` places; only the first
// menuValues(type).length are shown.
function menuSlots(type, slots) {
    var values = menuValues(type)
    while (values.length < slots)
        values.push(0)
    return values
}

function startValues(type) {
    var s = sensor(type)
    return s ? s.start.slice() : [0, 0, 0, 0, 0, 0, 0, 0]
}

// Profile entries are text; anything that is not a whole number counts as a stage without a
// value.
function number(value) {
    var n = Number(value)
    return isFinite(n) && value !== "" && value !== null ? n : 0
}

// Always eight numbers: a missing or short stored list leaves the missing stages off (0).
function stageValues(list) {
    var values = []
    for (var i = 0; i < kStages; ++i)
        values.push(list && i < list.length ? number(list[i]) : 0)
    return values
}

function code(type, value) {
    var s = sensor(type)
    var c = s ? s.codes[number(value)] : undefined
    return c === undefined ? kStageOff : c
}

function codes(type, values) {
    var full = stageValues(values)
    var out = []
    for (var i = 0; i < kStages; ++i)
        out.push(code(type, full[i]))
    return out
}

// The mouse needs at least one usable resolution: switching off the last stage with a value
// among the stages in use is refused.
function acceptsValue(values, stage, value, stageCount) {
    if (number(value) > 0)
        return true
    var full = stageValues(values)
    var count = Math.max(1, Math.min(kStages, stageCount))
    for (var i = 0; i < count; ++i) {
        if (i !== stage && full[i] > 0)
            return true
    }
    return false
}

function clamp(v, lo, hi) {
    return Math.max(lo, Math.min(hi, v))
}

// Polling-rate position 0..3 from the report-rate code (8, 4, 2, 1); 0 shows 1000 Hz.
function pollingPosition(rate) {
    return clamp(4 - KeyNames.logByte(number(rate)), 0, 3)
}

function reportRateCode(position) {
    return 1 << (3 - clamp(position, 0, 3))
}

// Stored stage 1..8 -> selected button 0..7.
function stagePosition(stage) {
    return clamp(number(stage) - 1, 0, kStages - 1)
}

// The stage (0-based) the selection rests on: `stage` when it is among the first
// `stageCount` and has a value; otherwise the nearest such stage, the lower one on a tie;
// `stage` itself (within the stages in use) when no stage has a value. A stage that is off
// is thus never the one applied. DpiTable::selectableStage keeps the same rule in C++.
function selectableStage(values, stage, stageCount) {
    var full = stageValues(values)
    var count = clamp(number(stageCount), 1, kStages)
    var start = clamp(number(stage), 0, count - 1)
    for (var d = 0; d < count; ++d) {
        if (start - d >= 0 && full[start - d] > 0)
            return start - d
        if (start + d < count && full[start + d] > 0)
            return start + d
    }
    return start
}

// The fixed colours of the logo LED and of the indicator's eight-colour mode, by colour id.
var palette8 = [
    [255, 0, 0], [0, 255, 0], [0, 0, 255], [255, 0, 255],
    [0, 255, 255], [255, 255, 0], [255, 255, 255], [255, 127, 0]
]

// The id list as a user's choice sends it: orange (7) goes out as 8.
function colourIdsToSend(ids) {
    var out = []
    for (var i = 0; i < ids.length; ++i)
        out.push(number(ids[i]) === 7 ? 8 : number(ids[i]))
    return out
}
