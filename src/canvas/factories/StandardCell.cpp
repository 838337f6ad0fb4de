#include "canvas/factories/StandardCell.h"

#include "model/NoNumber.h"
#include "model/records/myTextView.h"
#include "profile/DataCentre.h"
#include "profile/services/HexColor.h"

#include <QTextDocument>

void applyPlainCellStyle(myTextView& cell)
{
    if (cell.textView())
        cell.textView()->setBorderLine(QStringLiteral("solid"));
    cell.setAlphaValue(1.0);
    cell.setShadowFlag(0);
    cell.setTextColorString(QStringLiteral("4f4c4c"));
    cell.setTextHexColorString(QStringLiteral("4f4c4c"));
    cell.setColorString(QString(DataCentre::kClearColorString));
    cell.setLinkType(QStringLiteral("shape"));
    cell.setFormType(QStringLiteral(""));
    cell.setFormTag(0);
    cell.setFormOptionTag(kNoNumber);
    cell.setFormRequiredFlag(0);
    cell.setFamilyName(QStringLiteral("Helvetica Neue"));
    cell.setFontSize(15);
}

std::shared_ptr<myTextView> newStandardCell(const QString& text, int row, int column)
{
    auto cell = std::make_shared<myTextView>();
    auto storage = std::make_shared<QTextDocument>();
    storage->setPlainText(text);
    cell->setTextStorage(storage);
    cell->setRowSpot(row);
    cell->setColumnSpot(column);
    applyPlainCellStyle(*cell);
    QFont font(QStringLiteral("Actor"));
    font.setPointSize(14);
    cell->textView()->setFont(font);
    return cell;
}
