import QtQuick

// Profile column. Its profile buttons and import/export arrive with the profile menu work;
// until then it shows its frame and offers the calls the main document makes.
Item {
    id: root
    signal indexChanged_btn(int currentIndex)
    function translateStrings() {}

    width: container.width
    height: container.height
    Image {
        id: container
        source: mainIten.sourceListPfContainer
    }
}
