#include "support/ScriptedAlerts.h"

#include "platform/Alert.h"
#include "platform/FilePanel.h"

ScriptedAlerts::ScriptedAlerts()
{
    Alert::setResponder([this](const Alert& alert) {
        const QStringList buttons = alert.effectiveButtons();
        int index = 0;
        if (!m_script.empty()) {
            const auto next = m_script.front();
            m_script.pop_front();
            if (const auto* title = std::get_if<QString>(&next))
                index = int(buttons.indexOf(*title));
            else
                index = std::get<int>(next);
            if (index < 0 || index >= buttons.size())
                index = 0;
        }
        m_records.append({alert.messageText, alert.informativeText, buttons, buttons.at(index)});
        return index;
    });
}

ScriptedAlerts::~ScriptedAlerts()
{
    Alert::setResponder({});
}

QStringList ScriptedAlerts::messages() const
{
    QStringList texts;
    for (const Record& record : m_records)
        texts << record.message;
    return texts;
}

ScriptedFilePanels::ScriptedFilePanels()
{
    FilePanel::setResponder([this](const FilePanelRequest& request) {
        ++m_requestCount;
        m_lastAllowedTypes = request.allowedFileTypes;
        m_lastMessage = request.message;
        m_lastNameFieldValue = request.nameFieldValue;
        m_lastRequest = request;
        if (m_script.empty())
            return QStringList();
        QStringList paths = m_script.front();
        m_script.pop_front();
        return paths;
    });
}

ScriptedFilePanels::~ScriptedFilePanels()
{
    FilePanel::setResponder({});
}
