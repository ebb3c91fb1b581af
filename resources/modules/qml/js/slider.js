.pragma library
// Slider geometry: pointer x inside the segment row -> value, and which segments are lit.

// Seven-step slider: a row 141 px wide of segments every 20 px; values 0..7.
var kStepWidth = 20
var kRowSpan = 140

function clamp(v, lo, hi) {
    return Math.max(lo, Math.min(hi, v))
}

function indexAt7(x) {
    return Math.ceil(clamp(x, 0, kRowSpan) / kRowSpan * 7)
}

// Segment k is lit at rest when the value reaches k + 1, and while dragging when its left
// edge is at or left of the pointer.
function lit7(k, currentIndex, pressed, mouseX) {
    return pressed ? k * kStepWidth <= mouseX : currentIndex >= k + 1
}

// Eleven-step slider: a row 309 px wide of segments every 28 px; values 0..10.
var kStep11 = 28
var kRowSpan11 = 308

function indexAt11(x) {
    return Math.max(0, Math.ceil(11 * clamp(x, 0, kRowSpan11) / kRowSpan11) - 1)
}

// Segment 0 is always lit: value 0 is the first step, not "off".
function lit11(k, currentIndex, pressed, mouseX) {
    return pressed ? (k === 0 || k * kStep11 <= mouseX) : currentIndex >= k
}
