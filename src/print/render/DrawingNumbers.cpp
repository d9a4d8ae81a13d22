#include "print/render/DrawingNumbers.h"

#include <algorithm>
#include <array>
#include <charconv>

void appendDrawingNumber(QByteArray& out, double value, int decimals)
{
    std::array<char, 64> buffer {};
    const auto result = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals);
    if (result.ec != std::errc()) {
        out.append('0');
        return;
    }
    const char* begin = buffer.data();
    const char* end = result.ptr;
    if (std::find(begin, end, '.') != end) {
        while (end[-1] == '0')
            --end;
        if (end[-1] == '.')
            --end;
    }
    if (end - begin == 2 && begin[0] == '-' && begin[1] == '0')
        ++begin;
    out.append(begin, end - begin);
}
