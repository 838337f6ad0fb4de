#pragma once

#include <QColor>
#include <QString>
#include <QVariant>
#include <QVariantMap>

// The interchange form of a graphic: key strings to property-list values (text, numbers, data blocks and
// lists of those). Numbers mostly travel as text, colours as colour strings or archived colours.
using GraphicPropertyDictionary = QVariantMap;

namespace GraphicProperties {

// Value kinds as stored files and pasteboards deliver them.
bool isText(const QVariant& value);
bool isNumber(const QVariant& value); // booleans and every integer or floating-point type
bool isDataBlock(const QVariant& value);
bool isDictionary(const QVariant& value);
bool isPropertyListValue(const QVariant& value); // recursively: text, number, data, date, list, dictionary

// Readers: text by its leading number, a number by its value (fractions dropped for integers),
// anything else 0.
int integerValue(const QVariant& value);
float floatValue(const QVariant& value);

// Writers of the text encodings.
QString integerText(int value);     // "%d"
QString realText(double value);     // "%f"
QString flagText(bool value);       // "1" or "0"
QString text(const QString& value); // never null: a field that is none is written as the empty string

// Colours archived into a data block and read back; a block that holds no colour reads as clear.
QByteArray archivedColor(const QColor& color);
QColor unarchivedColor(const QVariant& value);
// The platform's clear colour itself, as opposed to any other colour that happens to be transparent.
bool isClearColor(const QColor& color);

// A readable text of a dictionary, one "key = value;" line per entry.
QString description(const GraphicPropertyDictionary& dictionary);

} // namespace GraphicProperties
