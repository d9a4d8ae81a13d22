#include "settings/LastExitSettings.h"

#include "common/Numeric.h"
#include "settings/SettingField.h"

#include <QCoreApplication>
#include <cmath>
#include <limits>
#include <vector>

namespace {

struct StoreKey {
    QString key;
    SettingField field;
};

const QString kFormTop = QStringLiteral("Form Top");
const QString kFormLeft = QStringLiteral("Form Left");

// Reset reads in this order and Exit writes in it (with the window edges before the last key); the
// order matters because every value runs its control's handling as it goes in.
const std::vector<StoreKey>& storeKeys()
{
    static const std::vector<StoreKey> keys = [] {
        std::vector<StoreKey> list {
            { QStringLiteral("1 Deg"), SettingField::option(Option::OneDeg) },
            { QStringLiteral("5 Deg"), SettingField::option(Option::FiveDeg) },
            { QStringLiteral("BW Ck"), SettingField::check(Check::BW) },
            { QStringLiteral("WB Ck"), SettingField::check(Check::WB) },
            { QStringLiteral("Alt Tx"), SettingField::text(SizeText::Altitude) },
            { QStringLiteral("Az Tx"), SettingField::text(SizeText::Azimuth) },
            { QStringLiteral("Alt Dia"), SettingField::option(Option::AltDia) },
            { QStringLiteral("Az Dia"), SettingField::option(Option::AzDia) },
            { QStringLiteral("Alt Len"), SettingField::option(Option::AltLen) },
            { QStringLiteral("Az Len"), SettingField::option(Option::AzLen) },
            { QStringLiteral("Alt mm"), SettingField::option(Option::Altmm) },
            { QStringLiteral("Az mm"), SettingField::option(Option::Azmm) },
            { QStringLiteral("Alt in"), SettingField::option(Option::Altin) },
            { QStringLiteral("Az in"), SettingField::option(Option::Azin) },
            { QStringLiteral("Az Opt"), SettingField::option(Option::Az) },
            { QStringLiteral("RA Opt"), SettingField::option(Option::Ra) },
        };
        for (int set = 1; set <= kCircleSets; ++set) {
            const QString n = QString::number(set);
            list.push_back({ QStringLiteral("Check ") + n, SettingField::setCheck(set) });
            list.push_back(
                { QStringLiteral("SmallMark ") + n, SettingField::slider(Slider::SmallMark, set) });
            list.push_back({ QStringLiteral("FiveMark ") + n, SettingField::slider(Slider::FiveMark, set) });
            list.push_back({ QStringLiteral("TenMark ") + n, SettingField::slider(Slider::TenMark, set) });
            list.push_back(
                { QStringLiteral("CircleWidth ") + n, SettingField::slider(Slider::CircleWidth, set) });
            list.push_back({ QStringLiteral("FontSize ") + n, SettingField::slider(Slider::Font, set) });
        }
        list.push_back({ QStringLiteral("Az LtoR"), SettingField::check(Check::AzCT) });
        // The page options came later: after every older key, so older stores read as before.
        list.push_back({ QStringLiteral("Scale Check"), SettingField::check(Check::ScaleCheck) });
        list.push_back({ QStringLiteral("Split Long"), SettingField::check(Check::SplitLong) });
        list.push_back({ QStringLiteral("Verniers"), SettingField::check(Check::Verniers) });
        list.push_back({ QStringLiteral("Both Ways"), SettingField::check(Check::BothWays) });
        list.push_back({ QStringLiteral("Rings"), SettingField::check(Check::Rings) });
        list.push_back({ QStringLiteral("Half Deg"), SettingField::check(Check::HalfDeg) });
        list.push_back({ QStringLiteral("Signed Dec"), SettingField::check(Check::SignedDec) });
        list.push_back({ QStringLiteral("Zero At"), SettingField::text(SizeText::ZeroAt) });
        list.push_back({ QStringLiteral("Closing Tab"), SettingField::check(Check::ClosingTab) });
        list.push_back({ QStringLiteral("Arc From"), SettingField::text(SizeText::ArcFrom) });
        list.push_back({ QStringLiteral("Arc To"), SettingField::text(SizeText::ArcTo) });
        list.push_back({ QStringLiteral("Ring From Centre"), SettingField::check(Check::RingFromCentre) });
        list.push_back({ QStringLiteral("Export Strokes"), SettingField::check(Check::ExportStrokes) });
        return list;
    }();
    return keys;
}

// Exit writes the window edges just before this key.
const QString kEdgesBefore = QStringLiteral("Az LtoR");

// General number form of a single: the fewest digits (7 to 9) that read back as the same value,
// so "2000" stays "2000" and no double-precision noise is written.
QString singleGeneralForm(float value)
{
    for (int digits = 7; digits < 9; ++digits) {
        const double shortened = QString::number(value, 'g', digits).toDouble();
        if (static_cast<float>(shortened) == value)
            return numeric::generalForm(shortened);
    }
    return numeric::generalForm(static_cast<double>(value));
}

} // namespace

LastExitSettings::LastExitSettings(SettingsModel& model, SettingsStore& store)
    : m_model(model)
    , m_store(store)
{ }

QString LastExitSettings::resetMessage()
{
    return QCoreApplication::translate("LastExitSettings", "Settings reset to last exit values");
}

QString LastExitSettings::savedMessage()
{
    return QCoreApplication::translate("LastExitSettings", "Settings saved");
}

WindowPosition LastExitSettings::start()
{
    QString problem;
    const bool usable = m_store.load(problem);
    WindowPosition position;
    position.top = readEdge(kFormTop, WindowPosition::kDefaultTop);
    position.left = readEdge(kFormLeft, WindowPosition::kDefaultLeft);
    resetFromStore(usable, problem);
    if (m_model.option(Option::OneDeg))
        m_model.setSmallestMark(1.0);
    if (m_model.option(Option::FiveDeg))
        m_model.setSmallestMark(5.0);
    // A store that says False for both leaves no option to go by: use the default graduation.
    if (!m_model.option(Option::OneDeg) && !m_model.option(Option::FiveDeg))
        m_model.setSmallestMark(1.0);
    m_model.refreshCircleEnabled();
    return position;
}

void LastExitSettings::reset()
{
    QString problem;
    const bool usable = m_store.load(problem);
    resetFromStore(usable, problem);
}

void LastExitSettings::resetFromStore(bool usable, const QString& problem)
{
    // An unusable store reads as an empty one, so every key takes its default.
    const SettingsModel defaults; // the design values are the defaults of every key
    for (const StoreKey& entry : storeKeys()) {
        const std::optional<QString> stored = m_store.read(entry.key);
        if (!stored || !entry.field.apply(m_model, *stored))
            entry.field.apply(m_model, entry.field.valueText(defaults));
    }
    if (usable && !problem.isEmpty())
        m_model.status().show(StatusLine::kErrorColor,
            QCoreApplication::translate("LastExitSettings", "Settings reset to what could be read: ")
                + problem);
    else if (usable)
        m_model.status().show(StatusLine::kStatusColor, resetMessage());
    else
        m_model.status().show(StatusLine::kErrorColor,
            QCoreApplication::translate("LastExitSettings", "Settings reset to defaults: ") + problem);
}

bool LastExitSettings::exit(const WindowPosition& position)
{
    for (const StoreKey& entry : storeKeys()) {
        if (entry.key == kEdgesBefore) {
            m_store.write(kFormTop, singleGeneralForm(position.top));
            m_store.write(kFormLeft, singleGeneralForm(position.left));
        }
        m_store.write(entry.key, entry.field.valueText(m_model));
    }

    QString reason;
    if (!m_store.flush(reason)) {
        m_model.status().show(StatusLine::kErrorColor,
            QCoreApplication::translate("LastExitSettings", "Settings could not be saved: ") + reason);
        return false;
    }
    m_model.status().show(StatusLine::kStatusColor, savedMessage());
    return true;
}

float LastExitSettings::readEdge(const QString& key, float fallback) const
{
    const std::optional<QString> stored = m_store.read(key);
    if (!stored)
        return fallback;
    const std::optional<double> value = numeric::parseNumber(*stored);
    // The window turns the edge into a 32-bit coordinate: anything beyond that is not a position.
    constexpr double kLimit = std::numeric_limits<qint32>::max();
    if (!value || std::fabs(*value) > kLimit)
        return fallback;
    return static_cast<float>(*value);
}
