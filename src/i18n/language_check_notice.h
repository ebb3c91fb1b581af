#pragma once

#include <QString>

// While the chosen language fails its check every device transfer is refused, and nothing
// else shows it: settings seem to apply and never reach the mouse. This decides when to tell
// the user: once for each failing file, and again only after a language has passed since.
class LanguageCheckNotice {
public:
    // What to say after the language file `path` was loaded and its check came out as
    // `passed`; empty when there is nothing (new) to say.
    QString afterLoad(const QString &path, bool passed);

private:
    QString m_toldAbout; // the failing file last told about; empty after a pass
};
