#pragma once

#include <QString>
#include <QStringList>

// One language file, `lang_<LLLCCC>.ini`: UTF-8 INI with the groups font, strings, msg and
// the product layout group. Reading never fails: a missing file or key reads as empty.
struct LanguageFile {
    // A file may claim any `font/total`; more interface strings than this are never read,
    // so a damaged or hostile count cannot hang the program or exhaust its memory. Far above
    // what any interface needs (the pages use fewer than 120).
    static constexpr int kMaxStrings = 4096;
    // A language file is a few KB; a larger one, or anything but a regular file, reads as a
    // missing file (and so fails its check). Longer texts are cut: no interface text needs
    // more, and the pages lay out every text they are given.
    static constexpr qint64 kMaxFileBytes = 1 << 20;
    static constexpr int kMaxTextLength = 4096;
    static constexpr int kMessageCount = 6;
    static constexpr int kLayoutCount = 16;

    QString fontFamily;
    QStringList strings; // strings/1 .. strings/N, N = font/total capped to kMaxStrings
    QString storedChecksum;
    QStringList messages;      // msg/0 .. msg/5
    QStringList layoutStrings; // R8_5D0E4B1/0 .. R8_5D0E4B1/15

    // Total length in characters of the interface strings: what the checksum covers.
    qint64 stringsLength() const;
    // The checksum the strings call for, and whether the stored one matches it.
    QString expectedChecksum() const;
    bool passesCheck() const { return storedChecksum == expectedChecksum(); }

    static LanguageFile read(const QString &path);
};
