#include "mouse_tables.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QMutex>

#include <deque>

namespace MouseTables {

QJsonObject parse(const QByteArray &script, QString *error) {
    static const QByteArray marker = "var tables =";
    const qsizetype at = script.indexOf(marker);
    if (at < 0) {
        *error = QStringLiteral("no \"var tables =\" in it");
        return {};
    }
    QJsonParseError parsed;
    const QJsonDocument doc = QJsonDocument::fromJson(script.mid(at + marker.size()), &parsed);
    if (parsed.error != QJsonParseError::NoError || !doc.isObject()) {
        *error = parsed.errorString();
        return {};
    }
    return doc.object();
}

const QJsonObject &data() {
    static const QJsonObject tables = [] {
        QFile file(QStringLiteral(":/settings/mouse_tables.js"));
        QString error = QStringLiteral("cannot open it");
        QJsonObject o;
        if (file.open(QIODevice::ReadOnly))
            o = parse(file.readAll(), &error);
        if (o.isEmpty())
            qFatal("mouse_tables.js: %s", qPrintable(error));
        return o;
    }();
    return tables;
}

const char *keep(const QString &text) {
    static QMutex mutex;
    static std::deque<QByteArray> kept; // never moves its elements
    QMutexLocker lock(&mutex);
    kept.push_back(text.toUtf8());
    return kept.back().constData();
}

std::array<unsigned char, 4> bytes4(const QJsonValue &list) {
    const QJsonArray a = list.toArray();
    std::array<unsigned char, 4> out{};
    for (int k = 0; k < 4 && k < a.size(); ++k)
        out[size_t(k)] = static_cast<unsigned char>(a[k].toInt() & 0xFF);
    return out;
}

} // namespace MouseTables
