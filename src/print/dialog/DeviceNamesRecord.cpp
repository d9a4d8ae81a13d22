#include "print/dialog/DeviceNamesRecord.h"

#include "common/Numeric.h"
#include "print/dialog/CodePage.h"

#include <algorithm>

DeviceNamesRecord DeviceNamesRecord::forPrinter(
    const QString& driverName, const QString& deviceName, const QString& port)
{
    const QByteArray driver = code_page::encode(driverName);
    const QByteArray device = code_page::encode(deviceName);
    const QByteArray output = code_page::encode(port);

    // Offsets are 16-bit integers: checked like every other 16-bit sum.
    const qint16 driverOffset = kHeaderSize;
    const qint16 deviceOffset = numeric::checkedInt16(qint64(driverOffset) + driver.size() + 1);
    const qint16 outputOffset = numeric::checkedInt16(qint64(deviceOffset) + device.size() + 1);

    QByteArray text = driver + '\0' + device + '\0' + output + '\0';
    text = text.leftJustified(kTextLength, ' ', true);

    DeviceNamesRecord record;
    record.setWord(0, quint16(driverOffset));
    record.setWord(2, quint16(deviceOffset));
    record.setWord(4, quint16(outputOffset));
    record.setWord(6, 0);
    std::copy(text.begin(), text.end(), record.m_bytes.begin() + kHeaderSize);
    return record;
}

QString DeviceNamesRecord::textAt(quint16 offset) const
{
    if (offset < kHeaderSize || offset >= kSize)
        return {};
    const auto begin = m_bytes.begin() + offset;
    const auto nul = std::find(begin, m_bytes.end(), quint8(0));
    return code_page::decode(QByteArray(reinterpret_cast<const char*>(&*begin), nul - begin));
}
