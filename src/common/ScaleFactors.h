#pragma once

/// A printer's scale correction: how much longer it must be asked to print along each axis of the
/// paper (nominal length / measured length) so that what comes out has its nominal length.
struct ScaleFactors {
    /// A printer off by more than a tenth is broken or scaling on its own, not to be corrected.
    static constexpr double kMinimum = 0.9;
    static constexpr double kMaximum = 1.1;

    double alongWidth = 1.0;
    double alongLength = 1.0;

    bool isIdentity() const { return alongWidth == 1.0 && alongLength == 1.0; }
    static bool inRange(double factor) { return factor >= kMinimum && factor <= kMaximum; }
};
