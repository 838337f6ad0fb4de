#include "inspector/controls/RowListScrollView.h"

#include <QFrame>
#include <QScrollArea>
#include <QVBoxLayout>

QScrollArea* makeRowListScrollView(QWidget& tab, const QString& objectName)
{
    auto* scrollView = new QScrollArea(&tab);
    scrollView->setObjectName(objectName);
    scrollView->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollView->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scrollView->setWidgetResizable(false);
    scrollView->setFrameShape(QFrame::NoFrame);
    auto* layout = new QVBoxLayout(&tab);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollView);
    return scrollView;
}
