#pragma once

#include <QJSValue>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QVariant>

#include <memory>

// The pages' JavaScript libraries (dpi.js, lighting.js, keyrecord.js), loaded through the QML
// engine from the source tree, so that one table of cases can run through a page's function
// and through the C++ one. A library or function that is missing fails the call; nothing is
// skipped.
class PageScripts {
public:
    PageScripts() {
        const QString js = qEnvironmentVariable("R8_SOURCE_DIR") + "/resources/modules/qml/js/";
        const QString url = QUrl::fromLocalFile(js).toString();
        const QByteArray qml = "import QtQuick\n"
                               "import \"" +
                               url.toUtf8() +
                               "dpi.js\" as Dpi\n"
                               "import \"" +
                               url.toUtf8() +
                               "lighting.js\" as Lighting\n"
                               "import \"" +
                               url.toUtf8() +
                               "keyrecord.js\" as KeyRecord\n"
                               R"(QtObject {
    function lib(name) {
        return name === "Dpi" ? Dpi : name === "Lighting" ? Lighting
             : name === "KeyRecord" ? KeyRecord : null
    }
    function call(libName, fn, args) {
        var l = lib(libName)
        if (!l || typeof l[fn] !== "function")
            return { ok: false, error: "no function " + libName + "." + fn }
        try {
            return { ok: true, value: l[fn].apply(null, args) }
        } catch (e) {
            return { ok: false, error: String(e) }
        }
    }
})";
        QQmlComponent component(&m_engine);
        component.setData(qml, QUrl::fromLocalFile(js + "page_scripts.qml"));
        m_object.reset(component.create());
        if (!m_object)
            m_error = component.errorString();
    }

    // Empty when the libraries loaded; else why not.
    QString error() const { return m_error; }

    // libName.fn(args...) as JSON; `*error` says why there is no result.
    QJsonValue call(const QString &libName, const QString &fn, const QVariantList &args,
                    QString *error) {
        if (!m_object) {
            *error = m_error;
            return {};
        }
        QVariant result;
        if (!QMetaObject::invokeMethod(m_object.get(), "call", Q_RETURN_ARG(QVariant, result),
                                       Q_ARG(QVariant, libName), Q_ARG(QVariant, fn),
                                       Q_ARG(QVariant, QVariant(args)))) {
            *error = QStringLiteral("cannot call into the scripts");
            return {};
        }
        const QVariant plain =
            result.value<QJSValue>().isUndefined() ? result : result.value<QJSValue>().toVariant();
        const QVariantMap answer = plain.toMap();
        if (!answer.value(QStringLiteral("ok")).toBool()) {
            *error = answer.value(QStringLiteral("error")).toString();
            return {};
        }
        return QJsonValue::fromVariant(answer.value(QStringLiteral("value")));
    }

    // A value as compact JSON text, for comparing the two sides.
    static QString text(const QJsonValue &v) {
        if (v.isArray())
            return QString::fromUtf8(QJsonDocument(v.toArray()).toJson(QJsonDocument::Compact));
        if (v.isObject())
            return QString::fromUtf8(QJsonDocument(v.toObject()).toJson(QJsonDocument::Compact));
        QJsonArray one{v};
        const QString t = QString::fromUtf8(QJsonDocument(one).toJson(QJsonDocument::Compact));
        return t.mid(1, t.size() - 2);
    }

private:
    QQmlEngine m_engine;
    std::unique_ptr<QObject> m_object;
    QString m_error;
};
