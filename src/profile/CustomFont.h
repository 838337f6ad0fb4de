#pragma once

#include <QString>

// One web font a page may use: its display name and the family name written into the web-font request.
class CustomFont {
public:
    QString fontName() const { return m_fontName; }
    void setFontName(const QString& name) { m_fontName = name; }
    QString sourceCodeName() const { return m_sourceCodeName; }
    void setSourceCodeName(const QString& name) { m_sourceCodeName = name; }
    bool isUsed() const { return m_isUsed; }
    void setIsUsed(bool used) { m_isUsed = used; }
    bool isCustomFont() const { return m_isCustomFont; }
    void setIsCustomFont(bool custom) { m_isCustomFont = custom; }

private:
    QString m_fontName;
    QString m_sourceCodeName;
    bool m_isUsed = false;
    bool m_isCustomFont = false;
};
