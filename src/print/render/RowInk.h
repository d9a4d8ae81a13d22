#pragma once

#include <QPainterPath>
#include <vector>

/// The ink of one row as it builds up: white ink is the paper showing through, so it is cut out of
/// the black drawn before it.
class RowInk {
public:
    void add(QPainterPath shape, bool paper);
    /// The black left, each shape with its holes.
    std::vector<QPainterPath> takeBlack();

private:
    void settlePaper();

    std::vector<QPainterPath> m_black;
    std::vector<QPainterPath> m_paper;
};

/// Cutters' programs fill a layer's outlines even-odd, where two overlapping shapes would leave their
/// overlap empty: ink that overlaps other ink becomes one outline with it.
void mergeOverlaps(std::vector<QPainterPath>& paths);
