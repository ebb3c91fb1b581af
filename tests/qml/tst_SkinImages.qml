import QtQuick
import QtTest
import "../../resources/modules/qml/basic"

// Every picture the skin list names is one the skin generator draws, in both skins.
SkinImages {
    id: skin

    Image { id: probe; asynchronous: false }

    TestCase {
        name: "SkinImages"

        function urlsOf(images) {
            var urls = []
            for (var p in images) {
                if (p.indexOf("source") === 0 && typeof images[p] !== "function")
                    urls.push(images[p].toString())
            }
            var names = ["fnKeydefine", "fnMacro", "fnColor", "fnSensor"]
            for (var i = 0; i < names.length; ++i)
                urls.push(images.functionIcon(names[i], 0), images.functionIcon(names[i], 1))
            return urls
        }

        function test_everyImageIsDrawn_data() {
            return [{tag: "skin1", skin: 1}, {tag: "skin2", skin: 2}]
        }

        function test_everyImageIsDrawn(data) {
            skin.skin_No = data.skin
            var urls = urlsOf(skin)
            verify(urls.length > 60, "found " + urls.length + " images")
            var missing = []
            for (var i = 0; i < urls.length; ++i) {
                verify(urls[i].indexOf("file:modules/img/skin" + data.skin + "/") === 0, urls[i])
                probe.source = urls[i]
                if (probe.status !== Image.Ready)
                    missing.push(urls[i])
            }
            compare(missing, [])
        }
    }
}
