#include "print/job/ScaleNumbers.h"

qint16 ScaleNumbers::at(int index) const
{
    return m_values.at(static_cast<std::size_t>(index));
}

void ScaleNumbers::set(int index, qint16 value)
{
    m_values.at(static_cast<std::size_t>(index)) = value;
}
