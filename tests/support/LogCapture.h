#pragma once

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Keeps every log line written while it lives, from any thread; only one lives at a time.
class LogCapture {
public:
    LogCapture()
    {
        QMutexLocker lock(&mutex());
        lines().clear();
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture() { qInstallMessageHandler(m_previous); }
    Q_DISABLE_COPY(LogCapture)

    QStringList captured() const
    {
        QMutexLocker lock(&mutex());
        return lines();
    }
    void clear()
    {
        QMutexLocker lock(&mutex());
        lines().clear();
    }
    // The captured lines that hold the text.
    QStringList linesContaining(const QString& text) const { return captured().filter(text); }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        QMutexLocker lock(&mutex());
        lines().append(message);
    }
    static QStringList& lines()
    {
        static QStringList theLines;
        return theLines;
    }
    static QMutex& mutex()
    {
        static QMutex theMutex;
        return theMutex;
    }
    QtMessageHandler m_previous;
};
