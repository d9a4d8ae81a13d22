#pragma once

/// The two drawing files a laser or vinyl cutter takes.
enum class DrawingFormat { Svg, Dxf };

/// How a drawing inks: filled outlines for printing and raster engraving, or single strokes a
/// vector laser, pen plotter or drag knife follows once.
enum class DrawingStyle { Filled, Strokes };
