.pragma library
// The preference list of the application config: 32 entries, see the global settings page.

var kCount = 32
var kFormatVersion = 1

// Entries come back from the config file as text; numbers are read as whole numbers.
function whole(value) {
    var v = parseInt(value, 10)
    return isNaN(v) ? -1 : v
}

// Booleans come back as the text "true" or "false"; "false" must not read as true.
function flag(value) {
    return value === true || value === "true" || value === 1 || value === "1"
}

// s: {skin, sound, animation, language, customBackground, customBackgroundUrl, size,
//     swatches: 7 x [r, g, b], swatch, brightness, url}
function build(s) {
    var list = [kFormatVersion, s.skin, s.sound, s.animation, s.language, s.customBackground,
                s.customBackgroundUrl, s.size]
    for (var i = 0; i < 7; ++i)
        list.push(s.swatches[i][0], s.swatches[i][1], s.swatches[i][2])
    list.push(s.swatch, s.brightness, s.url)
    return list
}

function channel(value) {
    return Math.max(0, Math.min(255, whole(value)))
}

function swatchesFrom(entries) {
    var swatches = []
    for (var i = 0; i < 7; ++i)
        swatches.push([channel(entries[8 + 3 * i]), channel(entries[9 + 3 * i]),
                       channel(entries[10 + 3 * i])])
    return swatches
}

function sizePixels(position) {
    return position === 1 ? 12 : 11
}

function animationMs(position) {
    return position === 1 ? 10 : 800
}
