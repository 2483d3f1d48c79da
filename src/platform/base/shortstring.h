#pragma once

#include "platform/base/cp1252.h"

#include <QByteArray>
#include <QString>
#include <algorithm>
#include <cstring>

namespace platform
{

// A text field of fixed capacity N in a record file: one length byte, then N bytes of
// Windows-1252 text. Only the first `length` bytes are significant.
template <int N> struct ShortString {
    static_assert(N > 0 && N <= 255);
    static constexpr int capacity = N;

    unsigned char length = 0;
    char text[N] = {};

    // A damaged length byte above the capacity is read as the capacity, so a read never
    // runs past the field.
    int usedLength() const { return std::min<int>(length, N); }

    QByteArray bytes() const { return QByteArray(text, usedLength()); }
    QString str() const { return fromCp1252(text, usedLength()); }

    // Cuts to N bytes without notice and zeroes the unused bytes.
    void setBytes(const QByteArray& value)
    {
        const int n = std::min<int>(static_cast<int>(value.size()), N);
        std::memset(text, 0, N);
        std::memcpy(text, value.constData(), static_cast<size_t>(n));
        length = static_cast<unsigned char>(n);
    }
    void set(const QString& value) { setBytes(toCp1252(value)); }
    void clear() { setBytes({}); }
    bool isEmpty() const { return usedLength() == 0; }
};

} // namespace platform
