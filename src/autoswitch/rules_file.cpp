#include "rules_file.h"

#include <QFileInfo>
#include <QSettings>

namespace RulesFile {

SwitchRules load(const QString &path, QStringList *problems) {
    SwitchRules result;
    if (!QFileInfo::exists(path))
        return result;
    QSettings file(path, QSettings::IniFormat);
    auto complain = [problems](const QString &text) {
        if (problems)
            problems->append(text);
    };
    if (file.contains(QStringLiteral("default/profile"))) {
        bool ok = false;
        const int number = file.value(QStringLiteral("default/profile")).toInt(&ok);
        if (ok && number >= 1 && number <= 10)
            result.defaultProfile = number - 1;
        else
            complain(QStringLiteral("default profile '%1' is not 1..10")
                         .arg(file.value(QStringLiteral("default/profile")).toString()));
    }
    const int size = file.beginReadArray(QStringLiteral("rules"));
    for (int i = 0; i < size; ++i) {
        file.setArrayIndex(i);
        bool ok = false;
        const int number = file.value(QStringLiteral("profile")).toInt(&ok);
        QString error;
        const auto rule = parseSwitchRule(file.value(QStringLiteral("match")).toString(),
                                          ok ? number - 1 : -1, &error);
        if (rule)
            result.rules.append(*rule);
        else
            complain(QStringLiteral("rule %1 left out: %2").arg(i + 1).arg(error));
    }
    file.endArray();
    return result;
}

bool save(const QString &path, const SwitchRules &rules) {
    QSettings file(path, QSettings::IniFormat);
    file.clear();
    if (rules.defaultProfile >= 0)
        file.setValue(QStringLiteral("default/profile"), rules.defaultProfile + 1);
    file.beginWriteArray(QStringLiteral("rules"), int(rules.rules.size()));
    for (int i = 0; i < rules.rules.size(); ++i) {
        file.setArrayIndex(i);
        file.setValue(QStringLiteral("match"), rules.rules[i].matchText());
        file.setValue(QStringLiteral("profile"), rules.rules[i].profile + 1);
    }
    file.endArray();
    file.sync();
    return file.status() == QSettings::NoError;
}

} // namespace RulesFile
