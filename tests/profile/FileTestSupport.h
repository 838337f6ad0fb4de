#pragma once

#include "support/LogCapture.h"

#include "profile/services/LevelIndicator.h"
#include "profile/services/ProgressWindow.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QMutex>
#include <QStringList>

#include <fcntl.h>
#include <sys/stat.h>

// Writes a file of the given bytes, creating its folder.
inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

inline void writeFile(const QString& path, qint64 size)
{
    writeFile(path, QByteArray(size, 'x'));
}

// Sets the modification time of a file or folder.
inline bool setModificationTime(const QString& path, const QDateTime& time)
{
    const timespec now{0, UTIME_OMIT};
    const timespec times[2] = {now, {time_t(time.toSecsSinceEpoch()), 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
}

// The steps the shared progress window's level indicator shows, in order, from the window open now.
class ProgressSteps {
public:
    ProgressSteps()
    {
        QObject::connect(DataCentre::sharedProgressWindow()->levelIndicator(), &LevelIndicator::valueChanged,
                         &m_context, [this](double value) { m_steps.append(int(value)); });
    }
    const QList<int>& steps() const { return m_steps; }

private:
    QObject m_context; // disconnects when the recorder goes
    QList<int> m_steps;
};
