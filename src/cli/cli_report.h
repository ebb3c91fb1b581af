#pragma once

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What a command has to say, kept in the order it was said. Printed as "key: value" lines
// by default and as one JSON object with --json. A command may give its own text lines;
// they then replace the generic lines in text mode (JSON still carries the fields).
class Report {
public:
    void set(const QString &key, const QJsonValue &value);
    void addLine(const QString &line) { m_lines.append(line); }
    void warn(const QString &text) { m_warnings.append(text); }
    // Forgets the fields and lines said so far (warnings stay).
    void clear() {
        m_fields.clear();
        m_positions.clear();
        m_lines.clear();
    }

    bool isEmpty() const { return m_fields.isEmpty() && m_lines.isEmpty(); }
    const QStringList &warnings() const { return m_warnings; }
    QJsonObject toJson() const;
    QString toText() const;

    // A value as one line of text: scalars as such, arrays joined by ", ".
    static QString textOf(const QJsonValue &value);

private:
    QList<QPair<QString, QJsonValue>> m_fields;
    QHash<QString, qsizetype> m_positions; // key -> its place in m_fields
    QStringList m_lines;
    QStringList m_warnings;
};
