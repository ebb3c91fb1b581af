import QtQuick
import "../js/keyrecord.js" as KeyRecord

// The mouse's sixteen key assignment records, as edited on the page, over its picture.
Item {
    id: root
    property int curKeyMatrix: -1
    property var keyCode_Default: [1, 0, 240, 0, 1, 0, 241, 0, 1, 0, 242, 0, 1, 0, 0xF4, 0,
                                   1, 0, 0xF3, 0, 7, 0, 3, 0, 0x0B, 0, 0, 0, 7, 0, 3, 0,
                                   5, 0, 3, 0, 3, 0, 138, 1, 3, 0, 35, 2, 3, 0, 148, 1,
                                   0, 0, 0, 0, 0, 0, 0, 0, 4, 0, 1, 0, 4, 0, 2, 0]
    property alias keys: keyList
    signal resetDone

    function getKey(keyId) { return keyList.get(keyId) }

    function record(keyId) {
        var k = keyList.get(keyId)
        return [k.keyCode0, k.keyCode1, k.keyCode2, k.keyCode3]
    }

    function setRecord(keyId, r) {
        keyList.set(keyId, { keyCode0: r[0], keyCode1: r[1], keyCode2: r[2], keyCode3: r[3] })
    }

    function records() {
        var all = []
        for (var id = 0; id < keyList.count; ++id)
            all.push(record(id))
        return all
    }

    function defaultRecord(keyId) {
        return KeyRecord.storedRecord(keyCode_Default.slice(keyId * 4, keyId * 4 + 4))
    }

    function resetAll() {
        for (var id = 0; id < 16; ++id)
            setRecord(id, defaultRecord(id))
        resetDone()
    }

    width: picture.width
    height: picture.height

    ListModel {
        id: keyList
        Component.onCompleted: {
            for (var id = 0; id < 16; ++id)
                append({ keyCode0: 0, keyCode1: 0, keyCode2: 0, keyCode3: 0 })
        }
    }

    Image {
        id: picture
        x: -10
        y: -20
        width: 102
        height: 191
        source: mainIten.sourceModel_R8_KeyDefine
    }
}
