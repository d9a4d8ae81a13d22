#pragma once

#include "print/dialog/ByteRecord.h"

#include <QString>
#include <array>
#include <optional>

/// The device-names record exchanged with the print dialog: 108 bytes laid out like the published
/// DEVNAMES, four little-endian 16-bit offsets from the record's start, then 100 characters of text
/// in the 8-bit code page: driver, NUL, device, NUL, port, NUL, padded with blanks and cut at 100.
class DeviceNamesRecord : public ByteRecord<DeviceNamesRecord, 108> {
public:
    static constexpr int kSize = 108;
    static constexpr int kHeaderSize = 8;
    static constexpr int kTextLength = kSize - kHeaderSize;

    /// All zeros.
    DeviceNamesRecord() = default;
    /// The record for one printer. The offsets are counted from the full names, so a name cut by
    /// the 100 characters can point past the text; throws RuntimeError 6 when an offset overflows.
    static DeviceNamesRecord forPrinter(
        const QString& driverName, const QString& deviceName, const QString& port);

    quint16 driverOffset() const { return word(0); }
    quint16 deviceOffset() const { return word(2); }
    quint16 outputOffset() const { return word(4); }
    quint16 defaultFlags() const { return word(6); }

    /// The names as a dialog reads them: from the offset up to a NUL or the end of the record,
    /// empty for an offset outside the text.
    QString driverName() const { return textAt(driverOffset()); }
    QString deviceName() const { return textAt(deviceOffset()); }
    QString port() const { return textAt(outputOffset()); }

private:
    QString textAt(quint16 offset) const;
};
