#pragma once

#include <QString>
#include <QStringList>

// The words of one command after its name. Options ("--mode repeat", "--mode=repeat") are
// taken out by name; what remains are the positional words, in order.
class Arguments {
public:
    explicit Arguments(QStringList words) : m_words(std::move(words)) {}

    // Removes "--name VALUE" or "--name=VALUE" and returns VALUE. `found` tells whether the
    // option was there; a missing value leaves `missingValue` set.
    QString takeOption(const QString &name, bool *found = nullptr);
    bool missingValue() const { return !m_missing.isEmpty(); }
    const QString &missingValueOf() const { return m_missing; }

    int size() const { return int(m_words.size()); }
    bool isEmpty() const { return m_words.isEmpty(); }
    QString at(int i) const { return m_words.value(i); }
    QString takeFirst() { return m_words.isEmpty() ? QString() : m_words.takeFirst(); }
    const QStringList &words() const { return m_words; }
    // The first word that looks like an option, or empty: an option nobody took.
    QString strayOption() const;

private:
    QStringList m_words;
    QString m_missing;
};
