#pragma once

/// The two drawing files a laser or vinyl cutter takes.
enum class DrawingFormat { Svg, Dxf };
