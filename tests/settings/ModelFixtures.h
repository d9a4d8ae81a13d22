#pragma once

#include "settings/SettingsFileFormat.h"
#include "settings/SettingsModel.h"

#include <QByteArray>
#include <QFile>
#include <QString>

namespace fixtures {

/// Moves every setting off its default, so a round trip that drops or swaps one shows.
inline void changeEverything(SettingsModel& m)
{
    m.setOption(Option::FiveDeg, true);
    m.setCheck(Check::WB, 1); // both styles: white on black alone is refused while loading
    m.setText(SizeText::Altitude, QStringLiteral("12.5"));
    m.setText(SizeText::Azimuth, QStringLiteral("310"));
    m.setOption(Option::AltLen, true);
    m.setOption(Option::AzLen, true);
    m.setOption(Option::Altmm, true);
    m.setOption(Option::Azmm, true);
    m.setOption(Option::Ra, true);
    m.setCheck(Check::AzCT, 0);
    for (int set = 1; set <= kCircleSets; ++set) {
        m.setSetCheck(set, set == 1 ? 0 : 1);
        m.setCheckTop(set, 0);
        m.setSlider(Slider::SmallMark, set, set);
        m.setSlider(Slider::FiveMark, set, 6 - set);
        m.setSlider(Slider::TenMark, set, set + 2);
        m.setSlider(Slider::CircleWidth, set, 50 + 37 * set);
        m.setSlider(Slider::Font, set, 4 + set);
    }
}

/// Every setting at once, in a form a failed comparison prints readably.
inline QString everySetting(const SettingsModel& m)
{
    return QString::fromUtf8(SettingsFileFormat::contents(m));
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(path));
}

inline QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace fixtures
