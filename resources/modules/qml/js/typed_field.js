.pragma library

// A value typed into a field of the key page belongs to what the field was last shown for:
// a key, its function and one load of the profile. It may be committed only there, and only
// when it differs from what was shown.

function context(keyId, func, profileLoad) {
    return { keyId: keyId, func: func, profileLoad: profileLoad }
}

// True when `text`, typed into a field shown as `shownText` for `shownFor`, is to be
// committed now that `now` is current and the field serves function `fieldFunc`.
function due(shownFor, now, fieldFunc, shownText, text) {
    return shownFor !== null && shownFor !== undefined && shownFor.keyId === now.keyId
            && shownFor.func === now.func && shownFor.profileLoad === now.profileLoad
            && now.keyId >= 0 && now.func === fieldFunc && String(text) !== String(shownText)
}
