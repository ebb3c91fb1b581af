.pragma library
// The profile column: five profiles, a context menu per profile.

var kProfiles = 5
var kEntryHeight = 26
var kMenuWidth = 45

function label(index) {
    var n = index + 1
    return "P" + (n < 10 ? "0" + n : n)
}

// Where the context menu opens, in the column's coordinates, for a right click at (x, y)
// inside entry `index`.
function menuPosition(index, x, y) {
    return { x: x - kMenuWidth, y: index * kEntryHeight + y + 85 }
}

// Context menu actions by entry; `rereads` says whether the pages must read the profile
// again when the menu was opened on the current profile.
var actions = [
    { name: "load", string: 84, text: "LOAD", rereads: true },
    { name: "save", string: 85, text: "SAVE", rereads: false },
    { name: "reset", string: 77, text: "RESET", rereads: true },
    { name: "cancel", string: 78, text: "CANCEL", rereads: false }
]

function rereads(action, menuIndex, currentIndex) {
    return actions[action] !== undefined && actions[action].rereads && menuIndex === currentIndex
}
