#pragma once

#include "platform/FilePanel.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <variant>

// Answers alerts in place of the dialog while it lives: each alert takes the next scripted answer
// (a button title or index); an alert with no answer left takes its first button. Every alert is recorded.
class ScriptedAlerts {
public:
    struct Record {
        QString message;
        QString informative;
        QStringList buttons;
        QString answer;
    };

    ScriptedAlerts();
    ~ScriptedAlerts();
    ScriptedAlerts(const ScriptedAlerts&) = delete;
    ScriptedAlerts& operator=(const ScriptedAlerts&) = delete;

    void answer(const QString& buttonTitle) { m_script.emplace_back(buttonTitle); }
    void answerIndex(int index) { m_script.emplace_back(index); }

    const QList<Record>& records() const { return m_records; }
    QStringList messages() const;
    void clear()
    {
        m_records.clear();
        m_script.clear();
    }

private:
    std::deque<std::variant<QString, int>> m_script;
    QList<Record> m_records;
};

// Answers open and save panels in place of the dialog: each panel takes the next scripted list of paths
// (an empty list cancels); a panel with nothing scripted is cancelled. Every request is recorded.
struct FilePanelRequest;
class ScriptedFilePanels {
public:
    ScriptedFilePanels();
    ~ScriptedFilePanels();
    ScriptedFilePanels(const ScriptedFilePanels&) = delete;
    ScriptedFilePanels& operator=(const ScriptedFilePanels&) = delete;

    void choose(const QStringList& paths) { m_script.push_back(paths); }
    void cancel() { m_script.push_back({}); }
    int requestCount() const { return m_requestCount; }
    QStringList lastAllowedTypes() const { return m_lastAllowedTypes; }
    QString lastMessage() const { return m_lastMessage; }
    QString lastNameFieldValue() const { return m_lastNameFieldValue; }
    FilePanelRequest lastRequest() const { return m_lastRequest; }

private:
    std::deque<QStringList> m_script;
    int m_requestCount = 0;
    QStringList m_lastAllowedTypes;
    QString m_lastMessage;
    QString m_lastNameFieldValue;
    FilePanelRequest m_lastRequest;
};
