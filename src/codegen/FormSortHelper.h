#pragma once

#include <QString>
#include <QVariant>

// One form field as it enters the form-mail script; the fields are listed from the top of the form down.
class FormSortHelper {
public:
    QString formMessageBody() const { return m_formMessageBody; }
    void setFormMessageBody(const QString& text) { m_formMessageBody = text; }
    QString formMessageBody_quote() const { return m_formMessageBody_quote; }
    void setFormMessageBody_quote(const QString& text) { m_formMessageBody_quote = text; }
    int formYPosition() const { return m_formYPosition; }
    void setFormYPosition(int y) { m_formYPosition = y; }
    int formXPosition() const { return m_formXPosition; }
    void setFormXPosition(int x) { m_formXPosition = x; }
    QString formBodyString() const { return m_formBodyString; }
    void setFormBodyString(const QString& html) { m_formBodyString = html; }

    QVariant valueForKey(const QString& key) const
    {
        return key == QLatin1String("formYPosition") ? QVariant(m_formYPosition) : QVariant();
    }

private:
    QString m_formMessageBody;
    QString m_formMessageBody_quote;
    int m_formYPosition = 0;
    int m_formXPosition = 0;
    QString m_formBodyString;
};
