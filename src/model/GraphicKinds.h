#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class SKTGraphic;

// The kinds of graphic that a "className" may name in a property dictionary, each with the factory
// that makes a new object of it in its initial state.
namespace GraphicKinds {

using Factory = std::function<std::shared_ptr<SKTGraphic>()>;

// Adds a kind, or replaces the factory of one already known.
void registerKind(const QString& className, Factory factory);
bool isKind(const QString& className);
// The class names of every kind known.
QStringList names();
// A new object of the named kind; null when no kind has that name.
std::shared_ptr<SKTGraphic> make(const QString& className);

} // namespace GraphicKinds
