.pragma library
// Colour computations of the colour editors.

// The gradient strip runs black, red, yellow, green, cyan, blue, magenta, white, black with
// a stop every eighth. x is the pointer position, width the strip's length. Returns [r, g, b].
function gradientRgb(x, width) {
    var rate = x / (width - 1) / 0.125
    var level = Math.floor(rate)
    var k = Math.round((rate - level) * 255)
    switch (level) {
    case 0: return [k, 0, 0]
    case 1: return [255, k, 0]
    case 2: return [255 - k, 255, 0]
    case 3: return [0, 255, k]
    case 4: return [0, 255 - k, 255]
    case 5: return [k, 0, 255]
    case 6: return [255, k, 255]
    case 7: return [255 - k, 255 - k, 255 - k]
    default: return [0, 0, 0]
    }
}

// Text brightness: slider position 0..7 -> 45..255.
function brightnessValue(position) {
    return 45 + position * 210 / 7
}

// Text colour as [r, g, b, a] in 0..1, alpha from the brightness position.
function textRgba(rgb, position) {
    return [rgb[0] / 255, rgb[1] / 255, rgb[2] / 255, brightnessValue(position) / 255]
}

// A colour channel typed by the user: whole number clamped to 0..255, 0 when not a number.
function channel(text) {
    var v = parseInt(text, 10)
    if (isNaN(v))
        return 0
    return Math.max(0, Math.min(255, v))
}
