#pragma once

#include <QtGlobal>
#include <array>

/// The numbers written at the long marks of a scale, indices 0 to 37, as the signed 16-bit values
/// the page prints. Every entry is 0 until a filler sets it.
class ScaleNumbers {
public:
    static constexpr int kSize = 38;

    /// Throws std::out_of_range for an index outside 0..37.
    qint16 at(int index) const;
    void set(int index, qint16 value);

private:
    std::array<qint16, kSize> m_values {};
};
