#pragma once

#include <QString>
#include <QStringList>
#include <QVariantMap>

// The application bundle: its information dictionary and its resource folder.
// The information is read from "Info.json" in the resource folder; the display name, which chooses the
// product configuration, can be overridden by "--product NAME" on the command line or VELK_PRODUCT.
class Bundle {
public:
    static Bundle& main();

    // Key of the information dictionary ("CFBundleDisplayName", "CFBundleVersion", "CFBundleIdentifier");
    // a null string when the key is missing.
    QString infoValue(const QString& key) const;
    QVariantMap info() const { return m_info; }

    QString resourcesPath() const { return m_resourcesPath; }
    // Path of the resource "name.type" (or "name" when type is empty) below the resource folder, searched
    // at the top and in "subdirectory" when given; a null string when there is no such file or folder.
    QString pathForResource(const QString& name, const QString& type = {},
                            const QString& subdirectory = {}) const;

    // Re-reads Info.json from the given resource folder (tests point this at a folder of their own).
    void load(const QString& resourcesPath);
    // Applies "--product NAME" from the arguments, else VELK_PRODUCT from the environment.
    void applyOverrides(const QStringList& arguments);
    // Replaces one information value; a null value removes the key.
    void setInfoValue(const QString& key, const QString& value);

    static QString defaultResourcesPath();

private:
    Bundle();
    QString m_resourcesPath;
    QVariantMap m_info;
};
