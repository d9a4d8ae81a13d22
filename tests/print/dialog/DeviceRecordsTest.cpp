#include "common/RuntimeError.h"
#include "print/dialog/DeviceModeRecord.h"
#include "print/dialog/DeviceNamesRecord.h"
#include "print/dialog/GlobalMemory.h"

#include <QByteArray>
#include <gtest/gtest.h>

namespace {

template <typename Record> QByteArray bytesOf(const Record& record, int from, int count)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()) + from, count);
}

quint16 wordAt(const DeviceModeRecord& record, int at)
{
    return quint16(record.bytes()[at] | (record.bytes()[at + 1] << 8));
}

} // namespace

TEST(DeviceModeRecord, FieldsSitAtTheirPublishedOffsetsLittleEndian)
{
    DeviceModeRecord record;
    record.setDeviceName(QStringLiteral("Laser"));
    record.setSize(122);
    record.setFields(0x1001);
    record.setOrientation(2);
    record.setCopies(0x0203);
    record.setDuplex(3);

    EXPECT_EQ(bytesOf(record, 0, 32), QByteArray("Laser").leftJustified(32, ' '));
    EXPECT_EQ(wordAt(record, 32), 0); // dmSpecVersion
    EXPECT_EQ(wordAt(record, 34), 0); // dmDriverVersion
    EXPECT_EQ(wordAt(record, 36), 122);
    EXPECT_EQ(wordAt(record, 38), 0); // dmDriverExtra
    EXPECT_EQ(bytesOf(record, 40, 4), QByteArray("\x01\x10\x00\x00", 4));
    EXPECT_EQ(wordAt(record, 44), 2);
    EXPECT_EQ(bytesOf(record, 54, 2), QByteArray("\x03\x02", 2));
    EXPECT_EQ(wordAt(record, 62), 3);

    int nonZero = 0;
    for (int i = 32; i < DeviceModeRecord::kSize; ++i)
        nonZero += record.bytes()[i] != 0;
    EXPECT_EQ(nonZero, 7); // size 1, fields 2, orientation 1, copies 2, duplex 1: nothing else
}

TEST(DeviceModeRecord, SentNamesAreCutAndPaddedAnsweredNamesEndAtTheirNul)
{
    DeviceModeRecord record;
    const QString longName = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");
    record.setDeviceName(longName);
    EXPECT_EQ(bytesOf(record, 0, 32), longName.left(32).toLatin1());
    EXPECT_EQ(record.bytes()[32], 0); // dmSpecVersion untouched by the cut

    record.setChosenDeviceName(QStringLiteral("hp"));
    EXPECT_EQ(record.deviceName().text, QStringLiteral("hp"));
    EXPECT_TRUE(record.deviceName().terminated);
    EXPECT_EQ(bytesOf(record, 0, 32), QByteArray(32, '\0').replace(0, 2, "hp"));

    record.setChosenDeviceName(longName);
    EXPECT_EQ(record.deviceName().text, longName.left(32));
    EXPECT_FALSE(record.deviceName().terminated);

    // The sent form has no NUL: read back, its blanks are part of the name.
    record.setDeviceName(QStringLiteral("hp"));
    EXPECT_EQ(record.deviceName().text, QStringLiteral("hp").leftJustified(32));
}

TEST(DeviceModeRecord, TextIsLatin1WithAQuestionMarkForEveryOtherCharacter)
{
    DeviceModeRecord record;
    record.setChosenDeviceName(QStringLiteral("B\u00fcro \u0416 \U0001F5A8x"));
    EXPECT_EQ(bytesOf(record, 0, 9), QByteArray("B\xfcro ? ?x", 9));
    EXPECT_EQ(record.deviceName().text, QStringLiteral("B\u00fcro ? ?x"));
}

TEST(DeviceNamesRecord, OffsetsThenDriverDeviceAndPortPaddedWithBlanks)
{
    const DeviceNamesRecord record = DeviceNamesRecord::forPrinter(
        QStringLiteral("CUPS"), QStringLiteral("Office"), QStringLiteral("CUPS:Office"));
    EXPECT_EQ(bytesOf(record, 0, 8), QByteArray("\x08\x00\x0d\x00\x14\x00\x00\x00", 8));
    const QByteArray text = QByteArray("CUPS\0Office\0CUPS:Office\0", 24).leftJustified(100, ' ');
    EXPECT_EQ(bytesOf(record, 8, 100), text);
    EXPECT_EQ(record.driverName(), QStringLiteral("CUPS"));
    EXPECT_EQ(record.deviceName(), QStringLiteral("Office"));
    EXPECT_EQ(record.port(), QStringLiteral("CUPS:Office"));
}

TEST(DeviceNamesRecord, LongNamesAreCutAtOneHundredAndReadBackWithinTheRecord)
{
    const QString driver(60, QLatin1Char('d'));
    const QString device(60, QLatin1Char('n'));
    const DeviceNamesRecord record = DeviceNamesRecord::forPrinter(driver, device, QStringLiteral("LPT1:"));
    EXPECT_EQ(record.driverOffset(), 8);
    EXPECT_EQ(record.deviceOffset(), 8 + 60 + 1);
    EXPECT_EQ(record.outputOffset(), 69 + 60 + 1); // counted from the full names: past the record
    EXPECT_EQ(record.bytes().back(), quint8('n'));
    EXPECT_EQ(record.deviceName(), QString(39, QLatin1Char('n')));
    EXPECT_EQ(record.port(), QString());

    // Offsets are checked 16-bit sums.
    EXPECT_THROW(
        DeviceNamesRecord::forPrinter(QString(40000, QLatin1Char('d')), device, QString()), RuntimeError);
}

TEST(GlobalMemory, BlocksAreZeroFilledCopiedAndFreedOnce)
{
    GlobalMemory memory;
    const quint8 data[4] = { 1, 2, 3, 4 };
    const MemoryHandle handle = memory.allocateCopy(data, 4);
    ASSERT_NE(handle, kNoBlock);
    quint8 out[4] = {};
    EXPECT_TRUE(memory.copyOut(handle, out, 4));
    EXPECT_EQ(out[3], 4);
    EXPECT_FALSE(memory.copyOut(handle, out, 5)); // larger than the block
    EXPECT_FALSE(memory.unlock(handle)); // copies leave it unlocked

    const MemoryHandle empty = memory.allocate(3);
    EXPECT_EQ(memory.lock(empty)[2], 0);
    EXPECT_TRUE(memory.unlock(empty));

    EXPECT_EQ(memory.free(handle), kNoBlock);
    EXPECT_EQ(memory.free(handle), handle); // already gone
    EXPECT_EQ(memory.lock(handle), nullptr);
    EXPECT_EQ(memory.lock(kNoBlock), nullptr);
    EXPECT_EQ(memory.free(kNoBlock), kNoBlock);
    EXPECT_EQ(memory.liveBlocks(), 1u);
}
