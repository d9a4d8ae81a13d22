#include "print/dialog/PrintDlg.h"

#include "common/RuntimeError.h"

#include "print/dialog/DeviceModeRecord.h"
#include "print/dialog/DeviceNamesRecord.h"

namespace {

template <typename Record> QByteArray rawBytes(const Record& record)
{
    return QByteArray(reinterpret_cast<const char*>(record.bytes().data()), int(record.bytes().size()));
}

PrintDialogRequest requestFor(const PrintDlgRecord& record, const std::optional<DeviceModeRecord>& mode,
    const std::optional<DeviceNamesRecord>& names)
{
    PrintDialogRequest request;
    request.flags = record.flags;
    request.fromPage = record.nFromPage;
    request.toPage = record.nToPage;
    request.minPage = record.nMinPage;
    request.maxPage = record.nMaxPage;
    if (names) {
        request.deviceNamesBytes = rawBytes(*names);
        request.driverName = names->driverName();
        request.deviceName = names->deviceName();
        request.port = names->port();
    }
    if (mode) {
        request.deviceModeBytes = rawBytes(*mode);
        request.orientation = mode->orientation();
        request.duplex = mode->duplex();
        // The names record holds the full name; dmDeviceName only its first 32 characters,
        // padded with blanks, so it is the fallback.
        if (request.deviceName.isEmpty()) {
            request.deviceName = mode->deviceName().text;
            while (request.deviceName.endsWith(QLatin1Char(' ')))
                request.deviceName.chop(1);
        }
    }
    return request;
}

} // namespace

bool printDlg(PrintDlgRecord& record, GlobalMemory& memory, PrintDialogBackend& backend)
{
    if (record.lStructSize != PrintDlgRecord::kStructSize)
        return false;

    const std::optional<DeviceModeRecord> sentMode = DeviceModeRecord::load(memory, record.hDevMode);
    const std::optional<DeviceNamesRecord> sentNames = DeviceNamesRecord::load(memory, record.hDevNames);

    std::optional<PrintDialogAnswer> answer;
    try {
        answer = backend.exec(requestFor(record, sentMode, sentNames));
    } catch (...) {
        return false; // a dialog that fails is a cancel, never the end of the program
    }
    if (!answer)
        return false;

    // The answer goes back in the device-mode block, as the platform's dialog returns it; a dialog
    // that can't write it has failed, whatever the user chose.
    if (record.hDevMode == kNoBlock) {
        record.hDevMode = memory.allocate(DeviceModeRecord::kSize);
        if (record.hDevMode == kNoBlock)
            return false;
    }
    DeviceModeRecord chosen = sentMode.value_or(DeviceModeRecord());
    chosen.setChosenDeviceName(answer->deviceName);
    chosen.setSize(DeviceModeRecord::kSize);
    chosen.setFields(DeviceModeRecord::kOrientationField | DeviceModeRecord::kCopiesField
        | DeviceModeRecord::kDuplexField);
    chosen.setCopies(answer->copies);
    chosen.setOrientation(answer->orientation);
    chosen.setDuplex(answer->duplex);
    if (!memory.copyIn(record.hDevMode, chosen.bytes().data(), DeviceModeRecord::kSize))
        return false;

    // The names block comes back naming the chosen printer in full, as the platform's dialog
    // returns it; the device-mode name holds only its first 32 characters.
    try {
        const DeviceNamesRecord chosenNames = DeviceNamesRecord::forPrinter(
            sentNames ? sentNames->driverName() : QString(), answer->deviceName, QString());
        const MemoryHandle names = chosenNames.store(memory);
        if (names != kNoBlock) {
            memory.free(record.hDevNames);
            record.hDevNames = names;
        }
    } catch (const RuntimeError&) {
        // A name too long for the record's offsets: the device-mode name is all there is.
    }

    record.flags = answer->flags;
    record.nFromPage = answer->fromPage;
    record.nToPage = answer->toPage;
    record.nCopies = answer->copies;
    record.outputFileName = answer->outputFileName;
    return true;
}
