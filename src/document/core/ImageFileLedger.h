#pragma once

#include <QDateTime>
#include <QHash>
#include <QMutex>
#include <QString>

// What the document last wrote into each image file of its page folder, so that a save rewrites only the
// files whose picture or encoding changed. A file that was changed or removed behind the document's back
// (another size or time than it left) is written again. The files of several pictures are written at once,
// so every use holds the ledger's lock.
class ImageFileLedger {
public:
    // `recipe` stands for everything the file is made from: the picture's identity, its size and type.
    bool isCurrent(const QString& path, const QString& recipe) const;
    // After writing: the file as it now stands on disk is the result of `recipe`.
    void record(const QString& path, const QString& recipe);
    void forget(const QString& path);

private:
    struct Entry {
        QString recipe;
        qint64 size = -1;
        QDateTime modified;
    };
    mutable QMutex m_lock;
    QHash<QString, Entry> m_files;
};
