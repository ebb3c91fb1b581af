#include "cli_report.h"

#include <QJsonArray>
#include <QMap>

void Report::set(const QString &key, const QJsonValue &value) {
    const auto it = m_positions.constFind(key);
    if (it != m_positions.constEnd()) {
        m_fields[*it].second = value;
        return;
    }
    m_positions.insert(key, m_fields.size());
    m_fields.append({key, value});
}

QJsonObject Report::toJson() const {
    // Inserting into a QJsonObject in any order moves the keys after the new one; keys in
    // their sorted order are appended, which keeps a profile of many keys linear.
    QMap<QString, QJsonValue> sorted;
    for (const auto &field : m_fields)
        sorted.insert(field.first, field.second);
    QJsonObject object;
    for (auto it = sorted.constBegin(); it != sorted.constEnd(); ++it)
        object.insert(it.key(), it.value());
    return object;
}

QString Report::textOf(const QJsonValue &value) {
    switch (value.type()) {
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("yes") : QStringLiteral("no");
    case QJsonValue::Double: {
        const double d = value.toDouble();
        return d == qint64(d) ? QString::number(qint64(d)) : QString::number(d);
    }
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Array: {
        QStringList parts;
        for (const QJsonValue &v : value.toArray())
            parts.append(textOf(v));
        return parts.join(QStringLiteral(", "));
    }
    case QJsonValue::Object: {
        QStringList parts;
        const QJsonObject o = value.toObject();
        for (auto it = o.begin(); it != o.end(); ++it)
            parts.append(it.key() + QLatin1Char('=') + textOf(it.value()));
        return parts.join(QLatin1Char(' '));
    }
    default:
        return QStringLiteral("-");
    }
}

QString Report::toText() const {
    QStringList lines = m_lines;
    if (lines.isEmpty()) {
        for (const auto &field : m_fields)
            lines.append(field.first + QStringLiteral(": ") + textOf(field.second));
    }
    return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
