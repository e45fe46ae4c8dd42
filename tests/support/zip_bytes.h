#pragma once
// Zip packages written byte by byte, so their directory may claim what it
// likes: what a damaged or hostile file holds, and packages that our own writer
// would refuse to make.
#include <QByteArray>
#include <QList>
#include <array>

namespace testsupport {

inline void put(QByteArray& out, quint64 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

inline quint32 crc32(const QByteArray& data) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int bit = 0; bit < 8; ++bit)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char ch : data)
        crc = table[(crc ^ quint8(ch)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

// One entry of a zip: its deflated bytes, the checksum and the size it claims
// once inflated.
struct ZipEntry {
    QByteArray name;
    QByteArray deflated;
    quint32 crc;
    quint64 claimed;
};

// An entry whose bytes are one stored deflate block (at most 65535 bytes),
// claiming `claimed` bytes once inflated.
inline ZipEntry storedEntry(const QByteArray& name, const QByteArray& data, quint64 claimed) {
    QByteArray deflated;
    put(deflated, 1, 1); // last block, stored
    put(deflated, quint64(data.size()), 2);
    put(deflated, quint64(~data.size() & 0xFFFF), 2);
    deflated += data;
    return {name, deflated, crc32(data), claimed};
}

// An entry deflated honestly, claiming its true size.
inline ZipEntry deflatedEntry(const QByteArray& name, const QByteArray& data) {
    // qCompress gives a 4-byte length, then a zlib stream: a 2-byte header, the
    // raw deflate stream, a 4-byte checksum.
    const QByteArray zlib = qCompress(data, 1);
    return {name, zlib.mid(6, zlib.size() - 10), crc32(data), quint64(data.size())};
}

// The zip of the entries, in order; claims from 4 GiB up take the zip64 field.
inline QByteArray zipOf(const QList<ZipEntry>& entries) {
    QByteArray zip;
    QByteArray directory;
    for (const ZipEntry& entry : entries) {
        const bool zip64 = entry.claimed >= 0xFFFFFFFFu;
        QByteArray extra;
        if (zip64) {
            put(extra, 0x0001, 2);
            put(extra, 8, 2);
            put(extra, entry.claimed, 8);
        }
        auto common = [&](QByteArray& out) {
            put(out, zip64 ? 45 : 20, 2); // version needed
            put(out, 0, 2);               // flags
            put(out, 8, 2);               // deflate
            put(out, 0, 2);               // time
            put(out, 0x21, 2);            // 1 January 1980
            put(out, entry.crc, 4);
            put(out, quint64(entry.deflated.size()), 4);
            put(out, zip64 ? 0xFFFFFFFFu : entry.claimed, 4);
            put(out, quint64(entry.name.size()), 2);
            put(out, quint64(extra.size()), 2);
        };
        const qsizetype local = zip.size();
        put(zip, 0x04034b50, 4);
        common(zip);
        zip += entry.name + extra + entry.deflated;
        put(directory, 0x02014b50, 4);
        put(directory, 45, 2); // made by
        common(directory);
        put(directory, 0, 2);              // comment
        put(directory, 0, 2);              // disk
        put(directory, 0, 2);              // internal attributes
        put(directory, 0, 4);              // external attributes
        put(directory, quint64(local), 4); // offset of the local header
        directory += entry.name + extra;
    }
    const qsizetype directoryAt = zip.size();
    zip += directory;
    put(zip, 0x06054b50, 4);
    put(zip, 0, 4);
    put(zip, quint64(entries.size()), 2);
    put(zip, quint64(entries.size()), 2);
    put(zip, quint64(directory.size()), 4);
    put(zip, quint64(directoryAt), 4);
    put(zip, 0, 2);
    return zip;
}

} // namespace testsupport
