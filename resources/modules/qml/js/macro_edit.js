.pragma library

// Macro lines: a value (key name or milliseconds) followed by a 10-character tag.

var TAG_DOWN = "    [Down]"
var TAG_UP = "      [Up]"
var TAG_DELAY = "   [Delay]"
var TAG_LENGTH = 10

var minDelay = 10
var maxDelay = 65535
var defaultDelay = 1000

var mouseButtonTexts = ["MOUSE【 LEFT 】", "MOUSE【 RIGHT 】", "MOUSE【 MIDDLE 】",
                        "MOUSE【 BACKWARD 】", "MOUSE【 FORWARD 】"]

// The value may hold blanks ("KP Enter", "KP 7 "), so only the tag's length separates them.
function splitLine(line) {
    var s = String(line)
    var cut = Math.max(0, s.length - TAG_LENGTH)
    return { textX: s.substring(0, cut), textR: s.substring(cut) }
}

function joinLine(item) {
    return String(item.textX) + String(item.textR)
}

function splitLines(lines) {
    var out = []
    for (var i = 0; i < lines.length; ++i)
        out.push(splitLine(lines[i]))
    return out
}

function recordedLine(name, isDown) {
    return { textX: name, textR: isDown ? TAG_DOWN : TAG_UP }
}

function pressAndRelease(name) {
    return [recordedLine(name, true), recordedLine(name, false)]
}

function delayLine(ms) {
    return { textX: String(ms), textR: TAG_DELAY }
}

// New lines go before the selected line, or at the end when none is selected.
function insertPosition(selected, count) {
    return selected >= 0 && selected < count ? selected : count
}

// What the delay field holds once confirmed: at least 10 ms, at most what a line may carry.
function confirmedDelay(typed) {
    var n = parseInt(typed, 10)
    if (isNaN(n))
        n = 0
    return Math.min(maxDelay, Math.max(n, minDelay))
}
