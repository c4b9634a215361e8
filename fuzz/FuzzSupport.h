#pragma once
// Shared by the fuzz targets: an offscreen application, a fresh base folder,
// messages answered with OK, and the check that a loaded file saves to the
// same bytes twice.
#include <QByteArray>
#include <QString>

#include "platform/TextFile.h"

#include <cstddef>
#include <cstdint>

namespace fuzzing {

// Once per process, from LLVMFuzzerInitialize.
void start();

// Writes the bytes as the file at relative (a system path below the base
// folder, folders created) and returns its system path.
QString put(const QString &relative, const uint8_t *data, size_t size);
QByteArray get(const QString &relative);

// Aborts (a finding for the fuzzer) when the two saves differ.
void sameBytes(const char *what, const QByteArray &first, const QByteArray &second);

// For a pure reader (bytes, record, reason) and writer (record to lines):
// when the bytes read, the written lines read back and write the same bytes.
template <typename T, typename Read, typename Write>
void roundTrip(const char *what, const uint8_t *data, size_t size, Read read, Write write)
{
    T first{};
    QString reason;
    if (!read(QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size)), first, reason))
        return;
    const QByteArray saved = platform::joinLines(write(first));
    T second{};
    if (!read(saved, second, reason))
        sameBytes(what, saved, QByteArray());
    sameBytes(what, saved, platform::joinLines(write(second)));
}

} // namespace fuzzing

// Each target defines fuzzOne; the entry points are in FuzzSupport.cpp.
void fuzzOne(const uint8_t *data, size_t size);
