#pragma once

#include "dialogs.h"

#include <QList>
#include <QString>

// Answers every dialog at once and remembers what was asked.
class FakeDialogs : public Dialogs {
public:
    struct Box {
        QString kind; // "warning" or "question"
        QString title;
        QString text;
    };
    struct FileRequest {
        QString kind; // "open" or "save"
        QString caption;
        QString folder;
        QString filter;
    };

    QList<Box> boxes;
    QList<FileRequest> fileRequests;
    bool questionAnswer = true;
    QString fileAnswer; // empty: the user cancels

    void warning(const QString &title, const QString &text) override {
        boxes.append({QStringLiteral("warning"), title, text});
    }
    bool question(const QString &title, const QString &text) override {
        boxes.append({QStringLiteral("question"), title, text});
        return questionAnswer;
    }
    QString openFile(const QString &caption, const QString &folder,
                     const QString &filter) override {
        fileRequests.append({QStringLiteral("open"), caption, folder, filter});
        return fileAnswer;
    }
    QString saveFile(const QString &caption, const QString &folder,
                     const QString &filter) override {
        fileRequests.append({QStringLiteral("save"), caption, folder, filter});
        return fileAnswer;
    }
};
