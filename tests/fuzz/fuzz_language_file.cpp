// Language files: the reader, its checksum, the catalog the window and r8ctl use, and the
// stamp that makes a file valid.
#include "fuzz_support.h"
#include "language_catalog.h"
#include "language_checksum.h"
#include "language_file.h"
#include "language_stamp.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzz::ensureApp();
    const QString folder = fuzz::scratch() + QStringLiteral("/i18n");
    const QString path = folder + QStringLiteral("/lang_025044.ini");
    fuzz::writeFile(path, fuzz::bytes(data, size));

    const LanguageFile file = LanguageFile::read(path);
    if (file.strings.size() > LanguageFile::kMaxStrings)
        std::abort();
    (void)file.passesCheck();

    LanguageCatalog catalog(folder);
    QStringList messages;
    const QStringList strings = catalog.getGlobalStrings(QStringLiteral("025044"), &messages);
    (void)catalog.getProductLayoutStrings_R8(QStringLiteral("025044"));
    (void)catalog.chkLanguages();

    // Any length, negative ones included, has a checksum.
    qint64 length = 0;
    for (size_t i = 0; i < size && i < 8; ++i)
        length = (length << 8) | data[i];
    if (languageChecksum(length).isEmpty())
        std::abort();

    // A stamp that reports success leaves a file that passes its check.
    bool changed = false;
    QString error;
    if (stampLanguageFile(path, &changed, &error) && !LanguageFile::read(path).passesCheck())
        std::abort();
    return 0;
}
