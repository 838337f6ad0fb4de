#pragma once

#include <QRectF>
#include <QString>
#include <QVariant>

// The code one generator writes for one page element: its CSS rules, HTML, script and form-mail pieces,
// with the frame and flags the page assembler and the responsive arrangement place it by.
class CodeWidgetHelper {
public:
    QString headerString() const { return m_headerString; }
    void setHeaderString(const QString& css) { m_headerString = css; }
    QString tableHeaderString() const { return m_tableHeaderString; }
    void setTableHeaderString(const QString& css) { m_tableHeaderString = css; }
    QString bodyString() const { return m_bodyString; }
    void setBodyString(const QString& html) { m_bodyString = html; }
    QString javaScriptString() const { return m_javaScriptString; }
    void setJavaScriptString(const QString& script) { m_javaScriptString = script; }

    QRectF rect() const { return m_rect; }
    void setRect(double x, double y, double width, double height) { m_rect = QRectF(x, y, width, height); }
    int originY() const { return m_originY; }
    void setOriginY(int originY) { m_originY = originY; }

    bool addedToGrid() const { return m_addedToGrid; }
    void setAddedToGrid(bool added) { m_addedToGrid = added; }
    QString formResponseBody() const { return m_formResponseBody; }
    void setFormResponseBody(const QString& php) { m_formResponseBody = php; }
    QString formMessageBody() const { return m_formMessageBody; }
    void setFormMessageBody(const QString& php) { m_formMessageBody = php; }
    bool partOfTableFlag() const { return m_partOfTableFlag; }
    void setPartOfTableFlag(bool flag) { m_partOfTableFlag = flag; }
    int responsiveResizeFlag() const { return m_responsiveResizeFlag; }
    void setResponsiveResizeFlag(int flag) { m_responsiveResizeFlag = flag; }
    bool noMarginAddOnFlag() const { return m_noMarginAddOnFlag; }
    void setNoMarginAddOnFlag(bool flag) { m_noMarginAddOnFlag = flag; }

    // Records are ordered by "originY", smallest first.
    QVariant valueForKey(const QString& key) const
    {
        return key == QLatin1String("originY") ? QVariant(m_originY) : QVariant();
    }

private:
    QString m_headerString;
    QString m_tableHeaderString;
    QString m_bodyString;
    QString m_javaScriptString;
    QRectF m_rect;
    int m_originY = 0;
    bool m_addedToGrid = false;
    QString m_formResponseBody;
    QString m_formMessageBody;
    bool m_partOfTableFlag = false;
    int m_responsiveResizeFlag = 0;
    bool m_noMarginAddOnFlag = false;
};
