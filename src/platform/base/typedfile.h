#pragma once

#include "platform/base/fileresult.h"
#include "platform/base/savefile.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <bit>
#include <cstring>
#include <functional>
#include <type_traits>

namespace platform
{

static_assert(std::endian::native == std::endian::little,
              "record layouts are little-endian and mapped directly onto memory");

// The whole content of a file; empty when it is missing or cannot be read.
QByteArray readWholeFile(const QString& path);

// Up to `maxBytes` from the start of the file; false when it cannot be opened.
bool readFileHead(const QString& path, qsizetype maxBytes, QByteArray& out);

// A typed file is a headerless sequence of fixed-size records. A trailing partial record
// is ignored.
template <class Rec> QList<Rec> recordsFromBytes(const QByteArray& bytes)
{
    static_assert(std::is_trivially_copyable_v<Rec>);
    QList<Rec> records;
    const qsizetype count = bytes.size() / qsizetype(sizeof(Rec));
    records.resize(count);
    if (count > 0)
        std::memcpy(static_cast<void*>(records.data()), bytes.constData(),
                    size_t(count) * sizeof(Rec));
    return records;
}

template <class Rec> QByteArray recordsToBytes(const QList<Rec>& records)
{
    static_assert(std::is_trivially_copyable_v<Rec>);
    QByteArray bytes(records.size() * qsizetype(sizeof(Rec)), '\0');
    if (!records.isEmpty())
        std::memcpy(bytes.data(), static_cast<const void*>(records.constData()),
                    size_t(bytes.size()));
    return bytes;
}

template <class Rec> QList<Rec> readRecords(QIODevice& device)
{
    return recordsFromBytes<Rec>(device.readAll());
}

// Reads the file in whole records of `recordSize` bytes into the memory that `resize` gives
// for a number of records (their first byte). The value is the number of records read; a
// missing file is no failure and gives none.
Read<qsizetype> readRecordsInto(const QString& path, qsizetype recordSize,
                                const std::function<char*(qsizetype count)>& resize);

// Reads the whole file into its records with no copy in between: room for the records of the
// size the file reports, then one read into it. The size is taken as a hint: records the file
// grows by while it is read are taken in, a file that shrank gives the records it still held.
// A trailing partial record is ignored. A missing or unreadable file gives no records.
template <class Rec> Read<QList<Rec>> readRecordFile(const QString& path)
{
    static_assert(std::is_trivially_copyable_v<Rec>);
    Read<QList<Rec>> read;
    QList<Rec>& records = read.value;
    const Read<qsizetype> counted =
        readRecordsInto(path, qsizetype(sizeof(Rec)), [&records](qsizetype count) {
            // The first room is made for exactly the records the file reports; more records
            // than that grow the list as appending does.
            if (records.isEmpty())
                records.reserve(count);
            records.resize(count);
            return reinterpret_cast<char*>(records.data());
        });
    read.file = counted.file;
    read.missing = counted.missing;
    if (!counted)
        records = QList<Rec>();
    return read;
}

// The records of the file; none when it is missing or cannot be read.
template <class Rec> QList<Rec> readRecords(const QString& path)
{
    return readRecordFile<Rec>(path).value;
}

// Lays the first bytes of the file over `rec`; a short file leaves the rest of `rec` as it
// was. Returns false when the file cannot be opened.
template <class Rec> bool readFirstRecordOver(const QString& path, Rec& rec)
{
    static_assert(std::is_trivially_copyable_v<Rec>);
    QByteArray bytes;
    if (!readFileHead(path, qsizetype(sizeof(Rec)), bytes))
        return false;
    std::memcpy(static_cast<void*>(&rec), bytes.constData(), size_t(bytes.size()));
    return true;
}

// Atomic write of the whole file, straight from the records: they lie in memory as the file
// holds them.
template <class Rec> WriteResult saveRecords(const QString& path, const QList<Rec>& records)
{
    static_assert(std::is_trivially_copyable_v<Rec>);
    return writeFileAtomic(
        path, QByteArray::fromRawData(reinterpret_cast<const char*>(records.constData()),
                                      records.size() * qsizetype(sizeof(Rec))));
}

} // namespace platform
