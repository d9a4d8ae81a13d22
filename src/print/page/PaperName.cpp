#include "print/page/PaperName.h"

namespace {

QString simplified(QString name)
{
    return name.remove(QLatin1Char(' ')).toLower();
}

} // namespace

std::optional<QPageSize> paperNamed(const QString& name)
{
    const QString wanted = simplified(name);
    for (int id = 0; id <= QPageSize::LastPageSize; ++id) {
        const auto size = static_cast<QPageSize::PageSizeId>(id);
        if (size == QPageSize::Custom)
            continue;
        if (simplified(QPageSize::key(size)) == wanted || simplified(QPageSize::name(size)) == wanted)
            return QPageSize(size);
    }
    return std::nullopt;
}
