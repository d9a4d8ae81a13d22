#include "print/dialog/DeviceModeRecord.h"

#include "print/dialog/CodePage.h"

#include <algorithm>

void DeviceModeRecord::setDeviceName(const QString& name)
{
    const QByteArray text = code_page::encode(name).left(kDeviceNameLength);
    std::fill_n(m_bytes.begin(), kDeviceNameLength, quint8(' '));
    std::copy(text.begin(), text.end(), m_bytes.begin());
}

void DeviceModeRecord::setChosenDeviceName(const QString& name)
{
    const QByteArray text = code_page::encode(name).left(kDeviceNameLength);
    std::fill_n(m_bytes.begin(), kDeviceNameLength, quint8(0));
    std::copy(text.begin(), text.end(), m_bytes.begin());
}

DeviceModeRecord::Name DeviceModeRecord::deviceName() const
{
    const auto end = m_bytes.begin() + kDeviceNameLength;
    const auto nul = std::find(m_bytes.begin(), end, quint8(0));
    return { code_page::decode(
                 QByteArray(reinterpret_cast<const char*>(m_bytes.data()), nul - m_bytes.begin())),
        nul != end };
}

quint32 DeviceModeRecord::fields() const
{
    return word(kFieldsAt) | (quint32(word(kFieldsAt + 2)) << 16);
}

void DeviceModeRecord::setFields(quint32 fields)
{
    setWord(kFieldsAt, quint16(fields & 0xFFFF));
    setWord(kFieldsAt + 2, quint16(fields >> 16));
}
