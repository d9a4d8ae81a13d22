#include "app/printer/PrinterPapers.h"

#include "common/Numeric.h"
#include "print/page/PaperName.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSizeF>

namespace {

const QString kPortrait = QStringLiteral("portrait");
const QString kLandscape = QStringLiteral("landscape");
const QString kSeparator = QStringLiteral(", ");

} // namespace

const QString PrinterPapers::kGroup = QStringLiteral("Printer Paper");

QString PaperChoice::text() const
{
    QString name;
    if (size.id() != QPageSize::Custom) {
        name = QPageSize::key(size.id());
    } else {
        const QSizeF mm = size.size(QPageSize::Millimeter);
        // Written the same whatever the locale, so the store reads it back anywhere.
        name = numeric::generalForm(mm.width(), QLocale::c()) + QStringLiteral(" x ")
            + numeric::generalForm(mm.height(), QLocale::c()) + QStringLiteral(" mm");
    }
    return name + kSeparator + (orientation == PageOrientation::Landscape ? kLandscape : kPortrait);
}

QString PaperChoice::shownText() const
{
    const QString stored = text();
    const QString name = stored.left(stored.lastIndexOf(kSeparator));
    return orientation == PageOrientation::Landscape
        ? QCoreApplication::translate("PrinterPapers", "%1, landscape").arg(name)
        : QCoreApplication::translate("PrinterPapers", "%1, portrait").arg(name);
}

std::optional<PaperChoice> PaperChoice::parse(const QString& text)
{
    const qsizetype split = text.lastIndexOf(kSeparator);
    if (split < 0)
        return std::nullopt;
    const QString turn = text.mid(split + kSeparator.size()).trimmed();
    if (turn != kPortrait && turn != kLandscape)
        return std::nullopt;
    PaperChoice choice;
    choice.orientation = turn == kLandscape ? PageOrientation::Landscape : PageOrientation::Portrait;
    const QString name = text.left(split);
    if (const std::optional<QPageSize> named = paperNamed(name)) {
        choice.size = *named;
        return choice;
    }
    static const QRegularExpression custom(QStringLiteral("^\\s*([0-9.]+) x ([0-9.]+) mm\\s*$"));
    const QRegularExpressionMatch match = custom.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const std::optional<double> width = numeric::parseNumber(match.captured(1), QLocale::c());
    const std::optional<double> height = numeric::parseNumber(match.captured(2), QLocale::c());
    if (!width || !height || *width <= 0 || *height <= 0)
        return std::nullopt;
    choice.size = QPageSize(QSizeF(*width, *height), QPageSize::Millimeter);
    if (!choice.size.isValid())
        return std::nullopt;
    return choice;
}

PrinterPapers::PrinterPapers(SettingsStore& store)
    : m_store(store)
{ }

std::optional<PaperChoice> PrinterPapers::paper(const QString& deviceName)
{
    QString reason;
    if (deviceName.isEmpty() || !m_store.load(reason))
        return std::nullopt;
    const std::optional<QString> stored = m_store.readIn(kGroup, deviceName);
    return stored ? PaperChoice::parse(*stored) : std::nullopt;
}

bool PrinterPapers::keep(const QString& deviceName, const PaperChoice& paper, QString& reason)
{
    if (deviceName.isEmpty()) {
        reason = QCoreApplication::translate("PrinterPapers", "the printer has no name");
        return false;
    }
    m_store.writeIn(kGroup, deviceName, paper.text());
    return m_store.flush(reason);
}
