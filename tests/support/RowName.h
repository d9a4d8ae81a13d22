#pragma once

#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

/// A table row's text as a test name ("3 mm" -> "3_mm", "-1.5" -> "minus1point5", "" -> "empty"),
/// so a failure names its case.
inline std::string rowName(std::string_view text)
{
    if (text.empty())
        return "empty";
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (c == '-')
            name += "minus";
        else if (c == '+')
            name += "plus";
        else if (c == '.' || c == ',')
            name += "point";
        else
            name += '_';
    }
    return name;
}

/// Names the rows of a table of texts after the texts.
inline std::string textRowName(const ::testing::TestParamInfo<const char*>& row)
{
    return rowName(row.param);
}
