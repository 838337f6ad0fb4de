#pragma once

#include <QByteArray>
#include <QList>

// ZIP archives put together byte by byte, for archives no honest writer makes: sizes in the headers that
// differ from the data, and deflate streams far larger inflated than stored.
namespace HandMadeZip {

struct Entry {
    QByteArray name;
    QByteArray data; // as stored: raw deflate when deflated
    bool deflated = false;
    quint64 declaredSize = 0; // the uncompressed size both headers claim
    quint32 crc = 0;
};

// The archive bytes: local headers with their data, the central directory and its end record.
QByteArray archive(const QList<Entry>& entries);

// An entry of plain bytes whose headers tell the truth.
Entry stored(const QByteArray& name, const QByteArray& data);

// A raw deflate stream of the given number of mebibytes of zeros, made in a moment: each mebibyte is
// compressed once with a full flush, which makes it independent of what comes before, and repeated.
// The CRC-32 of the zeros comes with it.
struct DeflatedZeros {
    QByteArray stream;
    quint32 crc = 0;
};
DeflatedZeros deflatedZeros(int mebibytes);

} // namespace HandMadeZip
