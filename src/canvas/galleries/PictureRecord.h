#pragma once

#include <QString>

#include <memory>

class SKTGraphicView;
class TransformView;

// A new picture record for a cell or a slide: the file's picture with its pixel size as original size,
// the type by the file's extension, now as its date, the page's next free picture name, no group, and the
// retina mark of the user's setting. Null, with a log line, for a file that holds no picture.
std::shared_ptr<TransformView> newPictureRecord(SKTGraphicView& view, const QString& path);
