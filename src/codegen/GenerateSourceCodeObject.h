#pragma once

#include <QString>

// One CSS declaration of an absolute-position text element, written as "name:value;" or
// "name:value !important;".
class GenerateSourceCodeObject {
public:
    QString sourceCodeObjectType() const { return m_sourceCodeObjectType; }
    void setSourceCodeObjectType(const QString& property) { m_sourceCodeObjectType = property; }
    QString sourceCodeObjectValue() const { return m_sourceCodeObjectValue; }
    void setSourceCodeObjectValue(const QString& value) { m_sourceCodeObjectValue = value; }
    bool importantFlag() const { return m_importantFlag; }
    void setImportantFlag(bool important) { m_importantFlag = important; }

private:
    QString m_sourceCodeObjectType;
    QString m_sourceCodeObjectValue;
    bool m_importantFlag = false;
};
