// lang: the language files beside the program and their checksum.
#include "bounded_file.h"
#include "cli.h"
#include "language_catalog.h"
#include "language_file.h"
#include "language_stamp.h"

#include <QJsonArray>
#include <QJsonObject>

Status runLang(Cli &cli, Arguments &args) {
    const QString verb = args.takeFirst();
    if (verb == QLatin1String("list")) {
        if (Status s = expectNoMore(args); !s.ok())
            return s;
        const LanguageCatalog catalog;
        const QVariantMap languages = catalog.chkLanguages();
        QJsonArray all;
        for (auto it = languages.begin(); it != languages.end(); ++it) {
            const QString code = it.value().toString();
            const bool passes = LanguageFile::read(catalog.filePath(code)).passesCheck();
            all.append(QJsonObject{{"name", it.key()}, {"code", code}, {"checksumOk", passes}});
            cli.report().addLine(
                QStringLiteral("%1\t%2%3").arg(code, it.key(), passes ? "" : "  (checksum wrong)"));
        }
        cli.report().set(QStringLiteral("languages"), all);
        return Status::done();
    }
    if (verb != QLatin1String("check") && verb != QLatin1String("stamp"))
        return Status::badInput(verb.isEmpty()
                                    ? QStringLiteral("usage: lang list|check FILE|stamp FILE")
                                    : QStringLiteral("unknown lang command '%1'").arg(verb));
    if (args.isEmpty())
        return Status::badInput(QStringLiteral("usage: lang %1 FILE").arg(verb));
    const QString argument = args.takeFirst();
    if (Status s = expectNoMore(args); !s.ok())
        return s;
    const QString path = cli.userPath(argument);
    QByteArray contents;
    QString reason;
    if (!BoundedFile::read(path, LanguageFile::kMaxFileBytes, &contents, &reason))
        return Status::badInput(QStringLiteral("cannot read '%1': %2").arg(argument, reason));

    if (verb == QLatin1String("stamp")) {
        bool changed = false;
        QString error;
        if (!stampLanguageFile(path, &changed, &error))
            return Status::badInput(error);
        cli.report().set(QStringLiteral("file"), path);
        cli.report().set(QStringLiteral("checksum"), LanguageFile::read(path).storedChecksum);
        cli.report().set(QStringLiteral("changed"), changed);
        return Status::done();
    }
    const LanguageFile file = LanguageFile::read(path);
    cli.report().set(QStringLiteral("file"), path);
    cli.report().set(QStringLiteral("strings"), int(file.strings.size()));
    cli.report().set(QStringLiteral("length"), file.stringsLength());
    cli.report().set(QStringLiteral("stored"), file.storedChecksum);
    cli.report().set(QStringLiteral("expected"), file.expectedChecksum());
    cli.report().set(QStringLiteral("checksumOk"), file.passesCheck());
    if (!file.passesCheck())
        return Status::badInput(
            QStringLiteral("%1: font/cs is '%2', its strings need '%3' (device transfers "
                           "stop while this language is chosen)")
                .arg(argument, file.storedChecksum, file.expectedChecksum()));
    return Status::done();
}
