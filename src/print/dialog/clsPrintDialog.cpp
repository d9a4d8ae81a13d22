#include "print/dialog/clsPrintDialog.h"

#include "common/RuntimeError.h"
#include "print/dialog/DeviceModeRecord.h"
#include "print/dialog/DeviceNamesRecord.h"
#include "print/dialog/PrintDlg.h"

#include <algorithm>

namespace {

qint16 notNegative(qint16 value)
{
    return value > 0 ? value : qint16(0);
}

// Frees whatever blocks the record still holds when ShowPrinter leaves, by return or by throw.
class BlockRelease {
public:
    BlockRelease(GlobalMemory& memory, PrintDlgRecord& record)
        : m_memory(memory)
        , m_record(record)
    { }
    ~BlockRelease() { release(); }
    BlockRelease(const BlockRelease&) = delete;
    BlockRelease& operator=(const BlockRelease&) = delete;

    void release()
    {
        m_record.hDevMode = m_memory.free(m_record.hDevMode);
        m_record.hDevNames = m_memory.free(m_record.hDevNames);
    }

private:
    GlobalMemory& m_memory;
    PrintDlgRecord& m_record;
};

// A printer that refuses a setting keeps what it had; the next setting is still made.
template <typename Setting> void ignoringErrors(Setting setting)
{
    try {
        setting();
    } catch (const std::exception&) { }
}

} // namespace

clsPrintDialog::clsPrintDialog(PrinterSystem& printers, PrintDialogBackend& dialog, GlobalMemory& memory)
    : m_printers(printers)
    , m_dialog(dialog)
    , m_memory(memory)
{ }

void clsPrintDialog::setMin(qint16 intNewValue)
{
    const qint16 v = notNegative(intNewValue);
    m_minimum = v;
    m_fromPage = std::max(m_fromPage, v);
    m_toPage = std::max(m_toPage, v);
    m_maximum = std::max(m_maximum, v);
}

void clsPrintDialog::setFromPage(qint16 intNewValue)
{
    const qint16 v = notNegative(intNewValue);
    m_fromPage = v;
    m_toPage = std::max(m_toPage, v);
    m_maximum = std::max(m_maximum, v);
    m_minimum = std::min(m_minimum, v);
}

void clsPrintDialog::setToPage(qint16 intNewValue)
{
    const qint16 v = notNegative(intNewValue);
    m_toPage = v;
    m_maximum = std::max(m_maximum, v);
    m_fromPage = std::min(m_fromPage, v);
    m_minimum = std::min(m_minimum, v);
}

void clsPrintDialog::setMax(qint16 intNewValue)
{
    const qint16 v = notNegative(intNewValue);
    m_maximum = v;
    m_toPage = std::min(m_toPage, v);
    m_fromPage = std::min(m_fromPage, v);
    m_minimum = std::min(m_minimum, v);
}

bool clsPrintDialog::ShowPrinter()
{
    bool cancelled = false;

    PrintDlgRecord record;
    record.flags = Flags;
    record.nFromPage = m_fromPage;
    record.nToPage = m_toPage;
    record.nMinPage = m_minimum;
    record.nMaxPage = m_maximum;
    BlockRelease blocks(m_memory, record);

    Printer& printer = m_printers.current();
    DeviceModeRecord mode;
    mode.setDeviceName(printer.deviceName());
    mode.setSize(DeviceModeRecord::kSize);
    mode.setFields(DeviceModeRecord::kOrientationField | DeviceModeRecord::kDuplexField);
    mode.setOrientation(printer.orientation());
    ignoringErrors([&] { mode.setDuplex(printer.duplex()); }); // unreadable: stays 0
    record.hDevMode = mode.store(m_memory);

    const QString driverName = printer.driverName();
    const QString deviceName = printer.deviceName();
    const QString port = printer.port();
    const DeviceNamesRecord names = DeviceNamesRecord::forPrinter(driverName, deviceName, port);
    record.hDevNames = names.store(m_memory);

    if (printDlg(record, m_memory, m_dialog)) {
        Flags = record.flags;
        m_fromPage = record.nFromPage;
        m_toPage = record.nToPage;
        const std::optional<DeviceNamesRecord> chosenNames
            = DeviceNamesRecord::load(m_memory, record.hDevNames);
        record.hDevNames = m_memory.free(record.hDevNames);
        const std::optional<DeviceModeRecord> chosen = DeviceModeRecord::load(m_memory, record.hDevMode);
        record.hDevMode = m_memory.free(record.hDevMode);
        // An answer that can't be read back is no choice at all: the selection ends as a failed
        // dialog does, rather than guessing a printer from an empty record.
        if (chosen)
            applyChoice(*chosen, chosenNames ? chosenNames->deviceName() : QString(), record.outputFileName);
        else
            cancelled = true;
    } else {
        cancelled = true;
    }

    if (cancelled) {
        blocks.release();
        if (CancelError)
            throw RuntimeError(
                kCancelErrorNumber, QStringLiteral("Cancel."), QStringLiteral("Quor PrintDialog"));
        CancelError = true;
    }
    return !cancelled;
}

void clsPrintDialog::applyChoice(
    const DeviceModeRecord& chosen, const QString& fullName, const QString& outputFileName)
{
    // A name that filled all 32 bytes has no NUL; it is taken whole.
    const QString chosenName = chosen.deviceName().text.toUpper();

    if (chosenName != m_printers.current().deviceName()) {
        // Every match becomes current: of printers whose names differ only in case, the last wins.
        bool matched = false;
        for (Printer* candidate : m_printers.printers()) {
            if (candidate->deviceName().toUpper() == chosenName) {
                m_printers.setCurrent(*candidate);
                matched = true;
            }
        }
        // A name longer than the device-mode record holds matches nothing there; without this the
        // page would go to the previous printer. The full name from the names record finds it,
        // when it begins with the cut one.
        const QString full = fullName.toUpper();
        if (!matched && full.size() > chosenName.size() && full.startsWith(chosenName)) {
            for (Printer* candidate : m_printers.printers()) {
                if (candidate->deviceName().toUpper() == full)
                    m_printers.setCurrent(*candidate);
            }
        }
    }

    Printer& current = m_printers.current();
    ignoringErrors([&] { current.setCopies(chosen.copies()); });
    ignoringErrors([&] { current.setDuplex(chosen.duplex()); });
    ignoringErrors([&] { current.setOrientation(chosen.orientation()); });
    if (!outputFileName.isEmpty())
        current.setOutputFileName(outputFileName);
}
