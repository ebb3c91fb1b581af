#include "device_flags.h"
#include "language_catalog.h"
#include "language_checksum.h"
#include "language_file.h"
#include "language_stamp.h"
#include "program_folder.h"

#include <QFileInfo>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

TEST(LanguageChecksum, IsTheFourBytesInDecimal) {
    const std::pair<qint64, const char *> cases[] = {
        {0, "7418700"},   {7, "811942340"}, {1000, "5016311214"},
        {69, "14302220"}, {70, "1441361"},  {17920, "7418700"}, // L / 70 wraps at 256
    };
    for (const auto &[length, text] : cases)
        EXPECT_EQ(languageChecksum(length), text) << length;
}

TEST(LanguageNames, UseQt4NumbersAndTheChineseSuffixes) {
    const std::pair<const char *, const char *> cases[] = {
        {"031000", "ENGLISH"},
        {"025044", "CHINESE (Simp)"},
        {"025208", "CHINESE (Trad)"},
        {"042014", "GERMAN (AUSTRIA)"},
        {"111225", "SPANISH (UNITED STATES)"},
        {"167000", "SWISS GERMAN"},
        {"031246", "ENGLISH (LATIN AMERICA AND THE CARIBBEAN)"},
        {"abc000", "DEFAULT"}, // non-digits read as 0, Qt 4's "any language"
        {"031", "ENGLISH"},    // a short code has country 0
        {"999000", "UNKNOWN"},
        {"031999", "ENGLISH (UNKNOWN)"},
        {"999999", "UNKNOWN (UNKNOWN)"},
    };
    for (const auto &[code, name] : cases)
        EXPECT_EQ(LanguageCatalog::displayName(code), name) << code;
}

class Languages : public ::testing::Test {
protected:
    Languages() { DeviceFlags::languageCheck = true; }
    ~Languages() override { DeviceFlags::languageCheck = true; }

    void write(const QString &code, const QByteArray &ini) {
        folder.write("modules/i18n/lang_" + code + ".ini", ini);
    }

    ProgramFolder folder;
    LanguageCatalog catalog; // ./modules/i18n
};

TEST_F(Languages, ListsEveryLanguageFileByDisplayName) {
    write("031000", "");
    write("025044", "");
    write("025208", "");
    folder.write("modules/i18n/readme.txt", "");
    folder.write("modules/i18n/strings_031000.ini", "");
    const QVariantMap languages = catalog.chkLanguages();
    EXPECT_EQ(languages.keys(), (QStringList{"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH"}));
    EXPECT_EQ(languages.value("CHINESE (Trad)").toString(), "025208");
    EXPECT_EQ(languages.value("ENGLISH").toString(), "031000");

    EXPECT_TRUE(LanguageCatalog("./modules/none").chkLanguages().isEmpty());
}

// Only files that loading their code opens are listed, and numbers without a name still
// list as entries of their own.
TEST_F(Languages, ListsOnlyFilesItCanLoadUnderNamesThatStayApart) {
    const std::pair<const char *, const char *> cases[] = {
        {"lang_031000.ini", "ENGLISH"},
        {"Lang_042000.ini", nullptr}, // loading "042000" opens lang_042000.ini
        {"lang_043000.INI", nullptr},
        {"lang_000000.ini", "DEFAULT"},
        {"lang_998000.ini", "UNKNOWN"},
        {"lang_031997.ini", "ENGLISH (UNKNOWN)"},
    };
    QStringList expected;
    for (const auto &[file, name] : cases) {
        folder.write(QStringLiteral("modules/i18n/") + file, "");
        if (name)
            expected << name;
    }
    const QVariantMap languages = catalog.chkLanguages();
    expected.sort();
    EXPECT_EQ(languages.keys(), expected);
    for (const QVariant &code : languages)
        EXPECT_TRUE(QFileInfo::exists(catalog.filePath(code.toString())))
            << code.toString().toStdString();
}

TEST_F(Languages, LoadsStringsMessagesAndChecksTheChecksum) {
    write("031000", "[font]\nfamily=Arial\ntotal=2\ncs=811942340\n"
                    "[strings]\n0=never read\n1=abc\n2=defg\n"
                    "[msg]\n0=T0\n1=\"Line one,\\nline two\"\n2=T2\n3=T3\n4=T4\n5=T5\n6=never\n");
    QStringList messages = {"stale"};
    DeviceFlags::languageCheck = false;
    EXPECT_EQ(catalog.getGlobalStrings("031000", &messages), (QStringList{"Arial", "abc", "defg"}));
    EXPECT_EQ(messages, (QStringList{"T0", "Line one,\nline two", "T2", "T3", "T4", "T5"}));
    EXPECT_TRUE(DeviceFlags::languageCheck);
}

TEST_F(Languages, AWrongChecksumStopsTransfersUntilAGoodLanguageIsLoaded) {
    write("031000", "[font]\nfamily=Arial\ntotal=2\ncs=811942340\n[strings]\n1=abc\n2=defg\n");
    write("042000", "[font]\nfamily=Arial\ntotal=2\ncs=811942340\n[strings]\n1=abc\n2=defgh\n");
    QStringList messages;
    catalog.getGlobalStrings("042000", &messages);
    EXPECT_FALSE(DeviceFlags::languageCheck);
    catalog.getGlobalStrings("042000", &messages);
    EXPECT_FALSE(DeviceFlags::languageCheck);
    catalog.getGlobalStrings("031000", &messages);
    EXPECT_TRUE(DeviceFlags::languageCheck);
}

TEST_F(Languages, AFileWithNoStringsNeedsTheChecksumOfNothing) {
    write("031000", "[font]\nfamily=Arial\ncs=7418700\n");
    QStringList messages;
    EXPECT_EQ(catalog.getGlobalStrings("031000", &messages), QStringList{"Arial"});
    EXPECT_TRUE(DeviceFlags::languageCheck);
    EXPECT_EQ(messages, QStringList(6, QString()));
}

TEST_F(Languages, AMissingFileLoadsEmptyAndFailsTheCheck) {
    QStringList messages = {"old"};
    const QString codes[] = {"031000", "../i18n/lang_031000", "../../etc/x"};
    for (const QString &code : codes) {
        DeviceFlags::languageCheck = true;
        EXPECT_EQ(catalog.getGlobalStrings(code, &messages), QStringList{""});
        EXPECT_EQ(messages, QStringList(6, QString()));
        EXPECT_FALSE(DeviceFlags::languageCheck);
    }
}

TEST_F(Languages, ReadsStringsAsWrittenAndCountsCharacters) {
    // A gap reads empty, an unquoted comma is part of the text, UTF-8 counts per character.
    write("025044", QString("[font]\nfamily=Noto Sans CJK SC\ntotal=4\ncs=%1\n"
                            "[strings]\n1=\u5B8F\u5B9A\u4E49\n3=PLAY, PAUSE\n4=\"  padded \"\n")
                        .arg(languageChecksum(3 + 11 + 9))
                        .toUtf8());
    QStringList messages;
    EXPECT_EQ(catalog.getGlobalStrings("025044", &messages),
              (QStringList{"Noto Sans CJK SC", QString::fromUtf8("\u5B8F\u5B9A\u4E49"), "",
                           "PLAY, PAUSE", "  padded "}));
    EXPECT_TRUE(DeviceFlags::languageCheck);
}

TEST_F(Languages, AnAbsurdStringCountIsCapped) {
    write("031000", "[font]\nfamily=Arial\ntotal=1000000000\ncs=1\n[strings]\n1=abc\n");
    QStringList messages;
    const QStringList strings = catalog.getGlobalStrings("031000", &messages);
    ASSERT_EQ(strings.size(), 1 + LanguageFile::kMaxStrings);
    EXPECT_EQ(strings[1], "abc");
    EXPECT_FALSE(DeviceFlags::languageCheck);
}

TEST_F(Languages, OversizedFilesAndTextsAreBounded) {
    // Over the size bound the file reads as missing: no strings, and the check fails.
    write("031000", "[font]\nfamily=Arial\ntotal=1\ncs=0\n[strings]\n1=" +
                        QByteArray(LanguageFile::kMaxFileBytes, 'x') + "\n");
    QStringList messages;
    EXPECT_EQ(catalog.getGlobalStrings("031000", &messages), QStringList{""});
    EXPECT_FALSE(DeviceFlags::languageCheck);
    EXPECT_EQ(catalog.getProductLayoutStrings_R8("031000"), QStringList(16, QString()));

    // Within it, a text longer than any interface needs is cut, and the checksum counts
    // what is read.
    write("031000", "[font]\nfamily=Arial\ntotal=1\n[strings]\n1=" +
                        QByteArray(LanguageFile::kMaxTextLength + 500, 'y') + "\n");
    const LanguageFile file = LanguageFile::read(folder.file("modules/i18n/lang_031000.ini"));
    ASSERT_EQ(file.strings.size(), 1);
    EXPECT_EQ(file.strings[0].size(), LanguageFile::kMaxTextLength);
    EXPECT_EQ(file.stringsLength(), LanguageFile::kMaxTextLength);
}

TEST_F(Languages, ProductLayoutStringsAreAlwaysSixteen) {
    write("031000", "[R8_5D0E4B1]\n0=LEFT\n3=FORWARD\n16=never\n");
    QStringList expected(16, QString());
    expected[0] = "LEFT";
    expected[3] = "FORWARD";
    EXPECT_EQ(catalog.getProductLayoutStrings_R8("031000"), expected);
    EXPECT_EQ(catalog.getProductLayoutStrings_R8("missing"), QStringList(16, QString()));
}

TEST_F(Languages, StampingWritesTheMatchingChecksumAndKeepsTheRest) {
    const QByteArray before = "; a comment\n[font]\nfamily=Arial\ntotal=2\ncs=0\n\n"
                              "[strings]\n1=abc\n2=defg\n";
    write("031000", before);
    const QString path = folder.file("modules/i18n/lang_031000.ini");
    bool changed = false;
    QString error;
    ASSERT_TRUE(stampLanguageFile(path, &changed, &error)) << error.toStdString();
    EXPECT_TRUE(changed);
    QByteArray after = before;
    after.replace("cs=0", "cs=811942340");
    EXPECT_EQ(folder.read("modules/i18n/lang_031000.ini"), after);
    ASSERT_TRUE(stampLanguageFile(path, &changed, &error));
    EXPECT_FALSE(changed);

    // Without a cs line, or without a font group, one is added.
    const std::pair<QByteArray, const char *> variants[] = {
        {"[font]\ntotal=2\n\n[strings]\n1=abc\n2=defg\n", "811942340"},
        {"[strings]\n1=abc\n2=defg\n", "7418700"}, // no total: no strings counted
    };
    for (const auto &[ini, checksum] : variants) {
        write("042000", ini);
        const QString file = folder.file("modules/i18n/lang_042000.ini");
        ASSERT_TRUE(stampLanguageFile(file, &changed, &error));
        EXPECT_EQ(LanguageFile::read(file).storedChecksum, checksum) << ini.constData();
        EXPECT_TRUE(folder.read("modules/i18n/lang_042000.ini").contains("1=abc\n2=defg\n"));
    }
    EXPECT_FALSE(stampLanguageFile(folder.file("modules/i18n/none.ini"), &changed, &error));
    EXPECT_FALSE(error.isEmpty());
}

} // namespace
