#pragma once

#include "platform/Accessors.h"

#include <QAbstractButton>
#include <QColor>
#include <QImage>
#include <QPointer>

class QFrame;
class QLabel;

// The tile of one page in the page list: its thumbnail, with the selection border of the open page. The
// same button serves as mask, swatch and label-spot tile, which use its colour, name and spot fields. The
// tile owns its labels and separator line, which the list places beside it.
class VelkNSButton : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(QString pageName READ pageName WRITE setPageName)

public:
    static inline const QString kBorderColor = QStringLiteral("3D9140");
    static constexpr int kBorderWidth = 5;

    explicit VelkNSButton(QWidget* parent = nullptr);
    ~VelkNSButton() override;

#define VELK_NS_BUTTON_FIELDS(X)                                                                             \
    X(bool, selected, setSelected)                                                                           \
    X(QString, imageName, setImageName)                                                                      \
    X(QString, documentName, setDocumentName)                                                                \
    X(QString, imagePath, setImagePath)                                                                      \
    X(int, useBaseTemplateFlag, setUseBaseTemplateFlag)                                                      \
    X(int, inheritMetadataFlag, setInheritMetadataFlag)                                                      \
    X(int, inheritCustomHeaderCodeFlag, setInheritCustomHeaderCodeFlag)                                      \
    X(bool, borderFlag, setBorderFlag, update();)                                                            \
    X(int, rowNumber, setRowNumber)                                                                          \
    X(int, columnNumber, setColumnNumber)                                                                    \
    X(QString, pageName, setPageName)                                                                        \
    X(QString, pagePublishFileName, setPagePublishFileName)                                                  \
    X(QString, pageLocalFileName, setPageLocalFileName)                                                      \
    X(QString, pageTitle, setPageTitle)                                                                      \
    X(QString, pageWidth, setPageWidth)                                                                      \
    X(QString, fileTime, setFileTime)                                                                        \
    X(QColor, buttonColor, setButtonColor, update();)                                                        \
    X(QString, buttonColorString, setButtonColorString)                                                      \
    X(bool, oldDovrinprofileFlag, setOldDovrinprofileFlag)                                                   \
    X(int, pageNumber, setPageNumber)                                                                        \
    X(bool, editModeFlag, setEditModeFlag)

    VELK_NS_BUTTON_FIELDS(VELK_ACCESSORS)

    // The picture shown, scaled to the tile.
    QImage image() const
    {
        return m_image;
    }
    void setImage(const QImage& image);

    QLabel* pageNameLabel() const;
    QLabel* pageTitleLabel() const;
    QLabel* fileTimeLabel() const;
    QFrame* separatorLine() const;
    // The labels of the page list; made once, owned by the tile wherever they are shown.
    void createLabels();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
#define VELK_NS_BUTTON_MEMBER(Type, name, setter, ...) Type m_##name{};
    VELK_NS_BUTTON_FIELDS(VELK_NS_BUTTON_MEMBER)
#undef VELK_NS_BUTTON_MEMBER

    QImage m_image;
    QPointer<QLabel> m_pageNameLabel;
    QPointer<QLabel> m_pageTitleLabel;
    QPointer<QLabel> m_fileTimeLabel;
    QPointer<QFrame> m_separatorLine;
};
