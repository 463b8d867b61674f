#include "files/Checksum.h"

#include <cstdint>

QByteArray ComputeChecksum(const QList<QByteArray>& lines)
{
    std::uint64_t sum = 0;
    for (const QByteArray& line : lines) {
        for (const char ch : line)
            sum += static_cast<unsigned char>(ch);
    }
    return QByteArray::number(static_cast<qulonglong>(sum));
}
