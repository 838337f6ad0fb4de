#pragma once

#include <QString>
#include <QVariant>

// One entry of a product's print template list: a vendor's label or card stock and the print sheet it uses.
class LabelTemplateHelper {
public:
    QString brand() const { return m_brand; }
    void setBrand(const QString& brand) { m_brand = brand; }
    QString templateDescription() const { return m_templateDescription; }
    void setTemplateDescription(const QString& description) { m_templateDescription = description; }
    QString templateNumber() const { return m_templateNumber; }
    void setTemplateNumber(const QString& number) { m_templateNumber = number; }
    QString paperSize() const { return m_paperSize; }
    void setPaperSize(const QString& paperSize) { m_paperSize = paperSize; }

    // The field of that name, for sorting by key; an invalid value for an unknown key.
    QVariant valueForKey(const QString& key) const
    {
        if (key == u"brand")
            return m_brand;
        if (key == u"templateDescription")
            return m_templateDescription;
        if (key == u"templateNumber")
            return m_templateNumber;
        if (key == u"paperSize")
            return m_paperSize;
        return {};
    }

private:
    QString m_brand;
    QString m_templateDescription;
    QString m_templateNumber;
    QString m_paperSize;
};
