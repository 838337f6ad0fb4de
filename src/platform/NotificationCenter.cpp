#include "platform/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter()
{
    static NotificationCenter center;
    return center;
}

int NotificationCenter::addObserver(const QObject* observer, const QString& name, Handler handler)
{
    QMutexLocker lock(&m_mutex);
    auto observation = std::make_shared<Observation>(Observation{
        m_nextToken++, QPointer<const QObject>(observer), observer != nullptr, name, std::move(handler)});
    m_observations.push_back(observation);
    return observation->token;
}

void NotificationCenter::removeObserver(int token)
{
    QMutexLocker lock(&m_mutex);
    std::erase_if(m_observations, [token](const auto& o) {
        if (o->token != token)
            return false;
        o->removed = true;
        return true;
    });
}

void NotificationCenter::removeObserver(const QObject* observer, const QString& name)
{
    QMutexLocker lock(&m_mutex);
    std::erase_if(m_observations, [&](const auto& o) {
        if (o->observer.data() != observer || (!name.isEmpty() && o->name != name))
            return false;
        o->removed = true;
        return true;
    });
}

void NotificationCenter::post(const QString& name, QObject* object, const QVariantMap& userInfo)
{
    std::vector<std::shared_ptr<Observation>> targets;
    {
        QMutexLocker lock(&m_mutex);
        std::erase_if(m_observations, [](const auto& o) { return o->tiedToObject && o->observer.isNull(); });
        for (const auto& o : m_observations) {
            if (o->name.isEmpty() || o->name == name)
                targets.push_back(o);
        }
    }
    const Notification notification{name, object, userInfo};
    for (const auto& o : targets) {
        // A handler may remove observers, or destroy them, while the notification travels.
        {
            QMutexLocker lock(&m_mutex);
            if (o->removed || (o->tiedToObject && o->observer.isNull()))
                continue;
        }
        o->handler(notification);
    }
}

int NotificationCenter::observerCount(const QString& name) const
{
    QMutexLocker lock(&m_mutex);
    return int(std::count_if(m_observations.begin(), m_observations.end(), [&](const auto& o) {
        return (o->name.isEmpty() || o->name == name) && !(o->tiedToObject && o->observer.isNull());
    }));
}
