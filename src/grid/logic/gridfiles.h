#pragma once

#include "platform/base/fileresult.h"

#include <QString>

namespace grid
{

// What became of a load or save of a grid file.
struct GridFileResult {
    enum class Status {
        Ok,
        FileError,    // the file could not be read or written: `file` carries the cause
        OtherVersion, // the file has another version number (`version`, −1: none readable)
        Damaged,      // the content does not fit the layout: `detail` says where
    };
    Status status = Status::Ok;
    platform::FileResult file;
    int version = -1;         // found in the file
    int expectedVersion = -1; // the version the load asked for
    QString detail;

    explicit operator bool() const { return status == Status::Ok; }
};

// The German message for a failed load or save; `consequence` (when given) is its last line.
QString gridFileMessage(const GridFileResult& result, const QString& consequence = {});

} // namespace grid
