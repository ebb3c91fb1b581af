.pragma library
.import "keynames.js" as KeyNames
.import "mouse_tables.js" as MouseTables
// DPI stages, polling rate and indicator colours of the sensor page.

var kStages = MouseTables.tables.stages
var kStageOff = MouseTables.tables.stageOff

// Per sensor type: the value menu in order, the values shown before the profile is read and
// the DPI value -> DPI code table. Unknown sensor types have an empty menu and every stage off.
var sensors = MouseTables.tables.sensors.map(function (s) {
    var codes = {}
    for (var i = 0; i < s.codes.length; ++i)
        codes[s.codes[i][0]] = s.codes[i][1]
    return { menu: s.menu, start: s.start, codes: codes }
})

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

// The fixed colours of the logo LED and of the indicator's eight-colour mode, by colour id.
var palette8 = MouseTables.tables.fixedColours.map(function (c) { return c.rgb })
// The same as one list: R, G, B of id 0 first.
var palette8Rgb = palette8.reduce(function (all, rgb) { return all.concat(rgb) }, [])

// The id list as a user's choice sends it: orange (7) goes out as 8.
function colourIdsToSend(ids) {
    var out = []
    for (var i = 0; i < ids.length; ++i) {
        var id = number(ids[i])
        out.push(id === MouseTables.tables.orange ? MouseTables.tables.storedOrange : id)
    }
    return out
}
