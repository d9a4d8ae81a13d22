#pragma once

#include "print/dialog/ByteRecord.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

/// The device-mode record exchanged with the print dialog: 122 bytes laid out like the published
/// DEVMODEA, little-endian, names in the 8-bit code page. Only the fields the program uses have
/// accessors; every other byte stays as it is (0 in a new record).
class DeviceModeRecord : public ByteRecord<DeviceModeRecord, 122> {
public:
    static constexpr int kSize = 122;
    static constexpr int kDeviceNameLength = 32;

    static constexpr int kSpecVersionAt = 32;
    static constexpr int kDriverVersionAt = 34;
    static constexpr int kSizeAt = 36;
    static constexpr int kDriverExtraAt = 38;
    static constexpr int kFieldsAt = 40;
    static constexpr int kOrientationAt = 44;
    static constexpr int kCopiesAt = 54;
    static constexpr int kDuplexAt = 62;

    static constexpr quint32 kOrientationField = 0x1; // DM_ORIENTATION
    static constexpr quint32 kCopiesField = 0x100; // DM_COPIES
    static constexpr quint32 kDuplexField = 0x1000; // DM_DUPLEX

    /// dmDeviceName read back up to its first NUL.
    struct Name {
        QString text;
        bool terminated = true; ///< false when all 32 bytes were name: it may be cut
    };

    /// All zeros.
    DeviceModeRecord() = default;

    /// As the program sends it: cut to 32 characters and padded with blanks, no NUL.
    void setDeviceName(const QString& name);
    /// As a dialog answers it: NUL-terminated where it fits, the rest of the field zeros.
    void setChosenDeviceName(const QString& name);
    Name deviceName() const;

    quint16 specVersion() const { return word(kSpecVersionAt); }
    quint16 driverVersion() const { return word(kDriverVersionAt); }
    quint16 size() const { return word(kSizeAt); }
    void setSize(quint16 size) { setWord(kSizeAt, size); }
    quint16 driverExtra() const { return word(kDriverExtraAt); }
    quint32 fields() const;
    void setFields(quint32 fields);
    qint16 orientation() const { return static_cast<qint16>(word(kOrientationAt)); }
    void setOrientation(qint16 orientation) { setWord(kOrientationAt, static_cast<quint16>(orientation)); }
    qint16 copies() const { return static_cast<qint16>(word(kCopiesAt)); }
    void setCopies(qint16 copies) { setWord(kCopiesAt, static_cast<quint16>(copies)); }
    qint16 duplex() const { return static_cast<qint16>(word(kDuplexAt)); }
    void setDuplex(qint16 duplex) { setWord(kDuplexAt, static_cast<quint16>(duplex)); }
};
