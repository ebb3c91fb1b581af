#pragma once

#include <QString>

class Dialogs;

// What the global settings page needs from the file system.
namespace GlobalSettingSupport {

// True when `imageFolder` (./modules/img) holds more than one sub-folder, i.e. more than one
// skin is installed. Files and "."/".." do not count.
bool isSkinListShown(const QString &imageFolder);

// Lets the user pick a PNG picture for the custom background through `dialogs`, starting in
// `startFolder`. Returns the path of a readable file, or an empty text when the user
// cancelled or the file cannot be read; the latter is reported with a warning box titled
// `failureTitle` whose text is `failureText` followed directly by the path.
QString chooseBackgroundPicture(Dialogs &dialogs, const QString &startFolder,
                                const QString &failureTitle, const QString &failureText);

} // namespace GlobalSettingSupport
