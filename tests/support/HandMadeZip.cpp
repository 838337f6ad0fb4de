#include "support/HandMadeZip.h"

#include <zlib.h>

namespace HandMadeZip {

namespace {

constexpr qint64 kMebibyte = 1024 * 1024;

void put16(QByteArray& out, quint32 value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void put32(QByteArray& out, quint32 value)
{
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

// The fields local and central headers share, from the version needed to the name length.
void putCommonFields(QByteArray& out, const Entry& entry)
{
    put16(out, 20); // version needed
    put16(out, 0);  // flags
    put16(out, entry.deflated ? 8 : 0);
    put16(out, 0);    // time
    put16(out, 0x21); // date: 1980-01-01
    put32(out, entry.crc);
    put32(out, quint32(entry.data.size()));
    put32(out, quint32(entry.declaredSize));
    put16(out, quint32(entry.name.size()));
    put16(out, 0); // extra field length
}

} // namespace

QByteArray archive(const QList<Entry>& entries)
{
    QByteArray out;
    QByteArray central;
    for (const Entry& entry : entries) {
        const quint32 offset = quint32(out.size());
        put32(out, 0x04034b50);
        putCommonFields(out, entry);
        out.append(entry.name);
        out.append(entry.data);

        put32(central, 0x02014b50);
        put16(central, 0x031E); // made by: Unix, version 3.0
        putCommonFields(central, entry);
        put16(central, 0); // comment length
        put16(central, 0); // disk
        put16(central, 0); // internal attributes
        put32(central, quint32(0100644) << 16);
        put32(central, offset);
        central.append(entry.name);
    }
    const quint32 centralOffset = quint32(out.size());
    out.append(central);
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, quint32(entries.size()));
    put16(out, quint32(entries.size()));
    put32(out, quint32(central.size()));
    put32(out, centralOffset);
    put16(out, 0);
    return out;
}

Entry stored(const QByteArray& name, const QByteArray& data)
{
    const quint32 crc =
        quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
    return {name, data, false, quint64(data.size()), crc};
}

DeflatedZeros deflatedZeros(int mebibytes)
{
    const QByteArray zeros(kMebibyte, '\0');
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    const auto compress = [&stream](const QByteArray& input, int flush) {
        QByteArray output(int(deflateBound(&stream, uLong(input.size()))) + 64, '\0');
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
        stream.avail_in = uInt(input.size());
        stream.next_out = reinterpret_cast<Bytef*>(output.data());
        stream.avail_out = uInt(output.size());
        deflate(&stream, flush);
        output.truncate(output.size() - qsizetype(stream.avail_out));
        return output;
    };
    const QByteArray block = compress(zeros, Z_FULL_FLUSH);
    DeflatedZeros result;
    result.stream.reserve(block.size() * mebibytes + 16);
    for (int i = 0; i < mebibytes; ++i)
        result.stream.append(block);
    result.stream.append(compress(QByteArray(), Z_FINISH));
    deflateEnd(&stream);

    const quint32 blockCrc =
        quint32(crc32(0, reinterpret_cast<const Bytef*>(zeros.constData()), uInt(zeros.size())));
    uLong crc = 0;
    for (int i = 0; i < mebibytes; ++i)
        crc = crc32_combine(crc, blockCrc, kMebibyte);
    result.crc = quint32(crc);
    return result;
}

} // namespace HandMadeZip
