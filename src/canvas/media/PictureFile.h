#pragma once

#include <QImage>
#include <QString>

// Pictures read from the files the user chose.
namespace PictureFile {

// The picture in the file, turned upright by its orientation tag; a null picture, with a log line naming
// the file, when the file holds no readable picture.
QImage read(const QString& path);

// "PNG" for a file with the extension "png" or "PNG", "JPG" for every other file.
QString typeOfPath(const QString& path);

} // namespace PictureFile
