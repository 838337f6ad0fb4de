#pragma once

#include <QColor>
#include <QPushButton>

// One thumbnail of the template chooser: the template's file name and category, drawn with a wide frame
// while it is the selected one.
class TemplateIconButton : public QPushButton {
    Q_OBJECT

public:
    explicit TemplateIconButton(QWidget* parent = nullptr);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name) { m_fileName = name; }
    QString categoryFolder() const { return m_categoryFolder; }
    void setCategoryFolder(const QString& folder) { m_categoryFolder = folder; }
    bool borderFlag() const { return m_borderFlag; }
    void setBorderFlag(bool flag);

    // Six hexadecimal digits after trimming and an optional "0X", as an opaque colour; anything else is
    // black.
    static QColor colorWithHexString(const QString& text);

Q_SIGNALS:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString m_fileName;
    QString m_categoryFolder;
    bool m_borderFlag = false;
};
