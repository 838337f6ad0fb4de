#pragma once

#include <QColor>
#include <QJsonObject>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// One object of a designed page, before it becomes a graphic of the page document.
struct Piece {
    enum Kind { Text, Box, Oval, Line, Picture };
    Kind kind = Text;
    QRectF frame; // a line runs from the top left to the bottom right corner
    QString text;
    QString font = QStringLiteral("Lato");
    int size = 15;
    QColor color = QColor(QStringLiteral("#333333"));
    QColor fill = Qt::transparent;
    QColor border = Qt::transparent;
    QString align = QStringLiteral("left");
    int radius = 0;
    QString picture; // a kind of Pictures::draw
    QList<QColor> palette;
};

struct PageDesign {
    QSizeF size;
    QColor background = Qt::white;
    QList<Piece> pieces; // back to front
};

// The layouts the designs of the source file name ("web", "mail", "form", "label", "flyer", "blank"),
// filled with a design's texts, colours and picture. Sizes not given by the design come from `pageSize`.
namespace PageRecipes {

PageDesign make(const QJsonObject& design, const QList<QColor>& palette, const QSizeF& pageSize);

} // namespace PageRecipes
