.pragma library
.import "mouse_tables.js" as MouseTables
// Lighting effects: which controls each effect uses and the bytes 0DH sends.

// Effect list positions 0..9; the code sent is position + 1, 0 switches the light off.
var effects = MouseTables.tables.effects

function effect(position) {
    return effects[position] || effects[0]
}

function clampPosition(position) {
    var p = Math.floor(Number(position))
    return isFinite(p) ? Math.max(0, Math.min(effects.length - 1, p)) : 0
}

function brightnessByte(position, enabled) {
    if (!enabled || position <= 0)
        return 0
    return 10 + 35 * Math.min(7, position)
}

// Speed byte per effect code: [base, span]; the right end of the slider (7) is the fastest,
// i.e. the smallest number.
var speedRange = MouseTables.tables.speedRanges

function speedByte(effectCode, position, enabled) {
    var r = speedRange[effectCode]
    if (!enabled || !r)
        return 0
    var s = Math.max(0, Math.min(7, position))
    return r[0] + Math.round((7 - s) * r[1] / 7)
}

// What apply sends and stores. The stored configs carry the on/off state as a fourth entry so
// that a profile brings the light back as it was left.
function applyCommand(powerOn, position, brightness, speed) {
    var p = clampPosition(position)
    var e = effect(p)
    var configs = [p, brightness, speed, powerOn ? 1 : 0]
    if (!powerOn)
        return { effect: 0, option1: 0, option2: 0, configs: configs }
    return {
        effect: p + 1,
        option1: brightnessByte(brightness, e.brightness),
        option2: speedByte(p + 1, speed, e.speed),
        configs: configs
    }
}

function slider(value, fallback) {
    var n = Math.floor(Number(value))
    return isFinite(n) && value !== "" ? Math.max(0, Math.min(7, n)) : fallback
}

// Stored configs (numbers or text) -> what the page shows, or null for a list of the wrong
// length. Three entries are the form without the on/off state: the light is shown on, since an
// effect position alone cannot say it was off.
function readConfigs(list) {
    if (!list || (list.length !== 3 && list.length !== 4))
        return null
    return {
        powerOn: list.length === 4 ? Number(list[3]) !== 0 : true,
        position: clampPosition(list[0]),
        brightness: slider(list[1], 7),
        speed: slider(list[2], 4)
    }
}

// The palette as 24 values, R, G, B of cell 0 first.
function flatten(cells) {
    var out = []
    for (var i = 0; i < cells.length; ++i)
        out.push(cells[i][0], cells[i][1], cells[i][2])
    return out
}
