#pragma once
// Window sizes, list column widths and mouse positions are given in twips, as the window was
// designed: 15 to a logical pixel (96 dpi). Qt scales logical pixels for high-DPI screens.

namespace qv::platform {

inline constexpr int kTwipsPerPixel = 15;

// The main window's two widths: without and with the order panel.
inline constexpr int kNarrowWidthTwips = 13150;
inline constexpr int kWideWidthTwips = 19680;
// The window's height as designed.
inline constexpr int kDesignHeightTwips = 10200;

// To the nearest whole pixel.
inline constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

}  // namespace qv::platform
