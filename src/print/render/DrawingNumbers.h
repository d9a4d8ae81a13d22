#pragma once

#include <QByteArray>

/// A coordinate of a drawing file: fixed point with at most `decimals` digits, no trailing zeros and
/// no "-0", so a file reads the same whatever the locale.
void appendDrawingNumber(QByteArray& out, double value, int decimals);
