// Feeds arbitrary bytes as the INI file of the settings store and starts from it. Beyond not
// crashing: every value fits its control, the start finishes with its message, and what it
// loaded survives an Exit and another start unchanged; a file read only in part is kept aside once.
#include "settings/LastExitSettings.h"
#include "settings/QtSettingsStore.h"
#include "settings/SettingsFileFormat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}

const QTemporaryDir& folder()
{
    // QSettings syncs every write to disk; memory-backed files keep the runs fast.
    static const QString shm = QStringLiteral("/dev/shm");
    static const QTemporaryDir dir(QDir(shm).exists()
            ? shm + QStringLiteral("/vennaros-fuzz-XXXXXX")
            : QDir::tempPath() + QStringLiteral("/vennaros-fuzz-XXXXXX"));
    require(dir.isValid());
    return dir;
}

// QSettings keeps every file it has read in a process-wide cache and rereads one only when its
// size or time changes: a new time on every run makes it read the new bytes without the cache
// growing with a new name per run.
void writeInput(const QString& path, const std::uint8_t* data, std::size_t size)
{
    static qint64 runs = 0;
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) == qint64(size));
    require(file.setFileTime(
        QDateTime::fromSecsSinceEpoch(++runs, QTimeZone::utc()), QFileDevice::FileModificationTime));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString path = folder().filePath(QStringLiteral("input.ini"));
    writeInput(path, data, size);

    SettingsModel model;
    WindowPosition position;
    {
        QtSettingsStore store(path);
        position = LastExitSettings(model, store).start();
    }
    require(std::isfinite(position.top) && std::isfinite(position.left));
    // A store read in part is kept aside and said so; the copies go, so that every run can keep one.
    static const QString readInPart = QStringLiteral("Settings reset to what could be read: ");
    require(model.status().text() == LastExitSettings::resetMessage()
        || (model.status().text().startsWith(readInPart)
            && !model.status().text().contains(QStringLiteral("no copy"))));
    const QStringList copies = QDir(folder().path()).entryList({ QStringLiteral("input.ini.unreadable-*") });
    require(copies.size() <= 1);
    for (const QString& copy : copies)
        require(QFile::remove(folder().filePath(copy)));
    require(model.check(Check::BW) != 0 || model.check(Check::WB) != 0);
    require(model.smallestMark() == 1.0 || model.smallestMark() == 5.0);
    for (int set = 1; set <= kCircleSets; ++set)
        require(model.circleEnabled(set) == (model.setCheck(set) != 0));

    // Exit writes every key, so what the cache may still hold of the last run is overwritten.
    const QString exitPath = folder().filePath(QStringLiteral("exit.ini"));
    {
        QtSettingsStore store(exitPath);
        require(LastExitSettings(model, store).exit(position));
    }
    SettingsModel again;
    WindowPosition againPosition;
    {
        QtSettingsStore store(exitPath);
        againPosition = LastExitSettings(again, store).start();
    }
    require(SettingsFileFormat::contents(again) == SettingsFileFormat::contents(model));
    require(againPosition.top == position.top && againPosition.left == position.left);
    return 0;
}
