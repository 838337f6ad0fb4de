#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QVariant>

#include <memory>

// One folder, photo or video of a catalogue scan, with the dates and sizes the gallery pages show.
class VelkFileHelper {
public:
    QDateTime fileModDate() const { return m_fileModDate; }
    void setFileModDate(const QDateTime& date) { m_fileModDate = date; }
    QString filePath() const { return m_filePath; }
    void setFilePath(const QString& path) { m_filePath = path; }
    // The copy's path relative to the gallery's output folder.
    QString updatedFilePath() const { return m_updatedFilePath; }
    void setUpdatedFilePath(const QString& path) { m_updatedFilePath = path; }
    QString fileModDateString() const { return m_fileModDateString; }
    void setFileModDateString(const QString& text) { m_fileModDateString = text; }
    QString fileModDateString_fileNameFormat() const { return m_fileModDateString_fileNameFormat; }
    void setFileModDateString_fileNameFormat(const QString& text)
    {
        m_fileModDateString_fileNameFormat = text;
    }
    QString fileSize() const { return m_fileSize; }
    void setFileSize(const QString& text) { m_fileSize = text; }
    quint64 fileSizeBytes() const { return m_fileSizeBytes; }
    void setFileSizeBytes(quint64 bytes) { m_fileSizeBytes = bytes; }

    // The field of that name, for sorting by key; an invalid value for an unknown key.
    QVariant valueForKey(const QString& key) const;

private:
    QDateTime m_fileModDate;
    QString m_filePath;
    QString m_updatedFilePath;
    QString m_fileModDateString;
    QString m_fileModDateString_fileNameFormat;
    QString m_fileSize;
    quint64 m_fileSizeBytes = 0;
};

using VelkFileHelperList = QList<std::shared_ptr<VelkFileHelper>>;
