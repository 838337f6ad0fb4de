#pragma once

#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <memory>
#include <vector>

struct Notification {
    QString name;
    QObject* object = nullptr; // the sender, when it names one
    QVariantMap userInfo;
};

// Named notifications delivered synchronously, on the posting thread, to every observer of the name.
// An observer is tied to a QObject: once that object is destroyed it is never called again.
class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    static NotificationCenter& defaultCenter();

    // Observes the name (every name when empty); answers a token for removeObserver.
    int addObserver(const QObject* observer, const QString& name, Handler handler);
    void removeObserver(int token);
    // Removes every observation of the observer, or only those of one name.
    void removeObserver(const QObject* observer, const QString& name = {});

    void post(const QString& name, QObject* object = nullptr, const QVariantMap& userInfo = {});

    // How many live observations a notification of the name would reach.
    int observerCount(const QString& name) const;

private:
    struct Observation {
        int token;
        QPointer<const QObject> observer;
        bool tiedToObject;
        QString name;
        Handler handler;
        bool removed = false;
    };

    mutable QMutex m_mutex;
    int m_nextToken = 1;
    std::vector<std::shared_ptr<Observation>> m_observations;
};
