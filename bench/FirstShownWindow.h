#pragma once

// The signal a launch benchmark's child gives its parent: "shown" on its output the moment its first
// window is exposed, after which it quits. The parent times from starting the process to that line.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWindow>

#include <cstdio>

class FirstShownWindow : public QObject {
public:
    explicit FirstShownWindow(QCoreApplication& application) { application.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (m_told || event->type() != QEvent::Expose)
            return false;
        const auto* window = qobject_cast<QWindow*>(watched);
        if (!window || !window->isExposed())
            return false;
        m_told = true;
        std::puts("shown");
        std::fflush(stdout);
        QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        return false;
    }

private:
    bool m_told = false;
};
