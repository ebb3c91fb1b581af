// The language files shipped beside the program.
#include "language_catalog.h"
#include "language_file.h"

#include <QDir>
#include <QSet>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

QString shippedFolder() {
    return qEnvironmentVariable("R8_SOURCE_DIR") + QStringLiteral("/data/modules/i18n");
}

QStringList shippedFiles() {
    return QDir(shippedFolder()).entryList({QStringLiteral("lang_*.ini")}, QDir::Files, QDir::Name);
}

// The interface's built-in string list (1..114) and the two DPI keys after it.
const char *const kEnglish[] = {"OPTIONS",
                                "LOOP",
                                "SPEED",
                                "BRIGHTNESS",
                                "DIRECTION",
                                "PAINTING",
                                "EFFECTS",
                                "USER DEFINE 1",
                                "USER DEFINE 2",
                                "USER DEFINE 3",
                                "USER DEFINE 4",
                                "USER DEFINE 5",
                                "STATIC",
                                "BREATHING",
                                "WAVE",
                                "INDUCTION DARKEN",
                                "MARQUEE",
                                "RIPPLE",
                                "INDUCTION BRIGHTEN",
                                "NEON",
                                "MARQUEE COLORFUL",
                                "RAINING",
                                "MARQUEE CIRCLE",
                                "SPOTLIGHT",
                                "ROTATION",
                                "SKIN",
                                "SOUND",
                                "ANIMATED",
                                "LANGUAGE",
                                "BACKGROUND",
                                "ON",
                                "OFF",
                                "TEXT",
                                "SIZE",
                                "COLOR",
                                "BRIGHTNESS",
                                "NORMAL",
                                "LARGER",
                                "SKIN 1",
                                "SKIN 2",
                                "SKIN 3",
                                "SKIN 4",
                                "SKIN 5",
                                "MACRO",
                                "ACTION",
                                "KEYBOARD",
                                "MOUSE",
                                "MEDIA",
                                "COMBO KEY",
                                "MACRO",
                                "LEFT",
                                "RIGHT",
                                "MIDDLE",
                                "BACKWARD",
                                "FORWARD",
                                "NEXT TRACK",
                                "PREVIOUS TRACK",
                                "STOP",
                                "PLAY / PAUSE",
                                "MUTE",
                                "VOLUME UP",
                                "VOLUME DOWN",
                                "MEDIA SELECT",
                                "MAIL",
                                "CALCULATOR",
                                "MY COMPUTER",
                                "WWW SEARCH",
                                "WWW HOME",
                                "WWW BACK",
                                "WWW FORWARD",
                                "WWW STOP",
                                "WWW REFRESH",
                                "WWW FAVORITES",
                                "KEY",
                                "MACRO",
                                "COLOR",
                                "RESET",
                                "CANCEL",
                                "GAMING MODE",
                                "DELETE",
                                "CUT",
                                "PASTE",
                                "COPY",
                                "LOAD",
                                "SAVE",
                                "SENSOR",
                                "LED POWER ON",
                                "TWINKLING",
                                "GLIDING",
                                "FINGER MOVING",
                                "VERTICAL FLIPPING",
                                "YO-YO",
                                "FIRE KEY",
                                "TRIPLE CLICK",
                                "DPI SWITCH",
                                "NORMAL PLAY",
                                "TIMES",
                                "ALWAYS REPEAT",
                                "REPEAT ON PRESSED",
                                "POLLING RATE",
                                "CURSOR SPEED",
                                "VERTICAL SCROLL SPEED",
                                "DOUBLE CLICK SPEED",
                                "DPI LEVEL",
                                "DPI INDICATOR LED",
                                "DEFAULT",
                                "APPLY",
                                "SCROLL SWAP",
                                "SCROLL UP",
                                "SCROLL DOWN",
                                "LED CONTROL",
                                "RENAME",
                                "ALL RESET",
                                "ALL SAVE",
                                "DPI +",
                                "DPI -"};

TEST(ShippedLanguages, TheExpectedLanguagesAreInstalled) {
    const QVariantMap languages = LanguageCatalog(shippedFolder()).chkLanguages();
    EXPECT_EQ(languages.keys(),
              (QStringList{"CHINESE (Simp)", "CHINESE (Trad)", "ENGLISH", "FRENCH", "GERMAN",
                           "JAPANESE", "KOREAN", "RUSSIAN", "SPANISH"}));
    EXPECT_EQ(languages.size(), shippedFiles().size()) << "two files share a display name";
}

TEST(ShippedLanguages, EveryFileIsCompleteAndPassesItsCheck) {
    ASSERT_FALSE(shippedFiles().isEmpty());
    for (const QString &name : shippedFiles()) {
        const std::string n = name.toStdString();
        const LanguageFile file = LanguageFile::read(shippedFolder() + "/" + name);
        EXPECT_TRUE(file.passesCheck())
            << n << ": cs " << file.storedChecksum.toStdString() << ", needs "
            << file.expectedChecksum().toStdString() << " (run r8_lang_stamp)";
        EXPECT_FALSE(file.fontFamily.isEmpty()) << n;
        EXPECT_GE(file.strings.size(), 116) << n;
        for (int k = 0; k < file.strings.size(); ++k)
            EXPECT_FALSE(file.strings[k].trimmed().isEmpty()) << n << " strings/" << k + 1;
        EXPECT_EQ(file.strings.value(114), "DPI +") << n;
        EXPECT_EQ(file.strings.value(115), "DPI -") << n;
        for (int i = 0; i < LanguageFile::kMessageCount; ++i)
            EXPECT_FALSE(file.messages[i].isEmpty()) << n << " msg/" << i;
        EXPECT_TRUE(file.messages[3].endsWith(' ') || !file.messages[3].back().isLetter())
            << n << ": msg/3 is followed directly by a path";

        // The mouse's nine buttons are named; the other key IDs are not offered.
        for (int id = 0; id < LanguageFile::kLayoutCount; ++id) {
            const bool named = (id <= 6 || id >= 14);
            EXPECT_EQ(!file.layoutStrings[id].isEmpty(), named) << n << " key ID " << id;
        }
    }
}

TEST(ShippedLanguages, EnglishHoldsTheInterfaceDefaults) {
    const LanguageFile english = LanguageFile::read(shippedFolder() + "/lang_031000.ini");
    QStringList expected;
    for (const char *s : kEnglish)
        expected << QString::fromLatin1(s);
    EXPECT_EQ(english.strings, expected);
    EXPECT_EQ(english.messages[0], "MACRO");
    EXPECT_EQ(english.messages[1], "Out of memory,\nsome command line has been cut.");
}

TEST(ShippedLanguages, AllFilesHaveTheSameKeys) {
    QStringList reference;
    for (const QString &name : shippedFiles()) {
        QSettings ini(shippedFolder() + "/" + name, QSettings::IniFormat);
        ASSERT_EQ(ini.status(), QSettings::NoError) << name.toStdString();
        const QStringList keys = ini.allKeys();
        if (reference.isEmpty())
            reference = keys;
        EXPECT_EQ(keys, reference) << name.toStdString();
    }
}

} // namespace
