#pragma once

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

// A fuzz input read as a flags byte followed by bursts, each a length byte and
// that many bytes (the last one cut short where the input ends).
struct FuzzInput
{
    std::uint8_t flags = 0;
    QList<QByteArray> bursts;

    FuzzInput(const std::uint8_t *data, std::size_t size)
    {
        if (size == 0)
            return;
        flags = data[0];
        std::size_t at = 1;
        while (at < size) {
            const std::size_t len = data[at++];
            const std::size_t take = len < size - at ? len : size - at;
            // A copy the size of the burst, so a read past it is caught.
            bursts.append(QByteArray(reinterpret_cast<const char *>(data + at), qsizetype(take)));
            at += take;
        }
    }
};
