#pragma once

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <memory>

class QSettings;

// The user's preferences under plain string keys, kept in an INI file.
// Missing keys answer like the desktop platform did: a null object, an empty string, 0 or false,
// unless a default was registered for the key. Numbers and flags stored as text are read with the
// leading-prefix rules of Format.
class UserDefaults {
public:
    static UserDefaults& standard();
    ~UserDefaults();

    // Moves the store to another INI file (tests give each case a file of its own).
    void setStorageFile(const QString& path);
    QString storageFile() const;

    QVariant objectForKey(const QString& key) const; // invalid QVariant when missing
    QString stringForKey(const QString& key) const;  // null when missing or not text-like
    long long integerForKey(const QString& key) const;
    double doubleForKey(const QString& key) const;
    float floatForKey(const QString& key) const { return float(doubleForKey(key)); }
    bool boolForKey(const QString& key) const;
    QVariantList arrayForKey(const QString& key) const;      // empty when missing or not a list
    QStringList stringArrayForKey(const QString& key) const; // empty when missing or any entry is not text
    QVariantMap dictionaryForKey(const QString& key) const;  // empty when missing or not a map

    void setObject(const QVariant& value, const QString& key); // an invalid value removes the key
    void setInteger(long long value, const QString& key) { setObject(value, key); }
    void setDouble(double value, const QString& key) { setObject(value, key); }
    void setBool(bool value, const QString& key) { setObject(value, key); }
    void removeObject(const QString& key);

    // Values answered for keys the store does not hold; they are never written to the file.
    void registerDefaults(const QVariantMap& defaults);
    void synchronize();

private:
    UserDefaults();
    QVariant lookUp(const QString& key) const;

    mutable QMutex m_mutex;
    std::unique_ptr<QSettings> m_settings;
    QVariantMap m_registered;
};
