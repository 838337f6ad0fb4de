#pragma once

#include "platform/Accessors.h"

#include <QStringList>
#include <QWidget>

class QLabel;

// Posted by a click on a Layers row; every window then clears the highlight of its Layers rows.
inline constexpr QLatin1StringView kClearLayerListingIcons{"clearLayerListingIcons"};

// One row of the Format tab or the Layers tab: an icon beside a bold title and a grey description (rich
// text), above the controls a Format row holds. Layers rows support highlighting: a click anywhere on one
// reaches the row itself, which then tells clicked; the controls of a Format row take their own clicks.
class FormatIconView : public QWidget {
    Q_OBJECT

public:
    explicit FormatIconView(QWidget* parent = nullptr);

    // The icon's frame and the label's, whose top the description sits under.
    static constexpr QRect kIconFrame{10, 10, 30, 30};
    static constexpr int kLabelLeft = 50;
    static constexpr int kLabelHeight = 30;
    // The label may run this far down before the row's controls, which start at 45, must make room.
    static constexpr int kLabelRoom = 35;

#define FORMAT_ICON_VIEW_FIELDS(X)                                                                           \
    X(QString, iconLabelString, setIconLabelString)                                                          \
    X(bool, highlightFlag, setHighlightFlag, update();)                                                      \
    X(bool, supportsHightlightFlag, setSupportsHightlightFlag, applyHitTesting();)                           \
    X(QString, imageName, setImageName)                                                                      \
    X(QString, objectTitle, setObjectTitle)                                                                  \
    X(QString, objectDescription, setObjectDescription)                                                      \
    X(QString, dragAndDropCodeName, setDragAndDropCodeName)                                                  \
    X(QStringList, typeArray, setTypeArray)                                                                  \
    X(bool, isUsed, setIsUsed)                                                                               \
    X(QStringList, supportedAppArray, setSupportedAppArray)                                                  \
    X(int, objectIndex, setObjectIndex)                                                                      \
    X(int, iconViewHeight, setIconViewHeight)

    FORMAT_ICON_VIEW_FIELDS(VELK_ACCESSORS)

    // The row's height: iconViewHeight, or 100 when that is below 1.
    int rowHeight() const { return m_iconViewHeight >= 1 ? m_iconViewHeight : 100; }
    QLabel* iconImageView() const { return m_iconImageView; }
    QLabel* iconLabel() const { return m_iconLabel; }

    // Shows the icon and the label string inside the row's current width; the label takes the height its
    // text needs.
    void setupSubViews();
    // How much further down than the row's controls start the label's text runs.
    int labelOverflow() const;

    // The rich text of a row's label: the title in bold black, a space, the description in the colour.
    static QString labelString(const QString& title, const QString& description, const QString& colour);

Q_SIGNALS:
    // A Layers row was clicked.
    void clicked(FormatIconView* row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void applyHitTesting();

#define FORMAT_ICON_VIEW_MEMBER(Type, name, setter, ...) Type m_##name{};
    FORMAT_ICON_VIEW_FIELDS(FORMAT_ICON_VIEW_MEMBER)
#undef FORMAT_ICON_VIEW_MEMBER

    QLabel* m_iconImageView;
    QLabel* m_iconLabel;
};
