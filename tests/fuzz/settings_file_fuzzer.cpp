// Feeds arbitrary bytes to Restore's reader. Beyond not crashing: the reader stays within its
// bounds, the style guard holds, and whatever it loaded survives a Save and Restore unchanged.
#include "settings/SettingsFileFormat.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

namespace {
void require(bool condition)
{
    if (!condition)
        std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);

    SettingsModel model;
    const int count = SettingsFileFormat::restore(model, file);
    require(count >= 0 && count <= SettingsFileFormat::kLineCount);
    require(file.pos() <= SettingsFileFormat::kLineCount * (SettingsFileFormat::kMaxLineBytes + 2));
    require(model.check(Check::BW) != 0 || model.check(Check::WB) != 0);

    QByteArray saved = SettingsFileFormat::contents(model);
    QBuffer savedFile(&saved);
    savedFile.open(QIODevice::ReadOnly);
    SettingsModel restored;
    require(SettingsFileFormat::restore(restored, savedFile) == SettingsFileFormat::kLineCount);
    require(SettingsFileFormat::contents(restored) == saved);
    return 0;
}
