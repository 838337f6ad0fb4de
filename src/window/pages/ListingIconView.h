#pragma once

#include "window/pages/VelkNSButton.h"

#include <QPointer>
#include <QWidget>

// The cell of one page in the page list: the tile and its labels, stacked.
class ListingIconView : public QWidget {
    Q_OBJECT

public:
    explicit ListingIconView(VelkNSButton* tile, QWidget* parent = nullptr)
        : QWidget(parent)
        , m_velkButton(tile)
    {
        setObjectName(QStringLiteral("listingIconView"));
    }

    VelkNSButton* velkButton() const { return m_velkButton; }

private:
    QPointer<VelkNSButton> m_velkButton;
};
