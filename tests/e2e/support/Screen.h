// Pixels on the screen: capturing a rectangle, comparing pictures and saving screenshots for people to
// look at.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "support/Window.h"

namespace dorvik::e2e
{

// A picture in 0x00RRGGBB pixels, rows from top to bottom.
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t At(int x, int y) const
    {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
};

inline constexpr uint32_t Rgb(uint8_t red, uint8_t green, uint8_t blue) noexcept
{
    return (uint32_t{red} << 16) | (uint32_t{green} << 8) | blue;
}

// What the screen shows in rect (screen coordinates), through GDI. The window must not be covered.
Image CaptureScreen(const RECT& rect);

// The window's outer rectangle as it appears on the screen, once its painting has settled: a window that has
// just been shown may still be painting its controls, and Wine hands finished pixels to the display a little
// later, so the picture is taken again until two captures in a row agree (or kUiTimeout has passed).
Image CaptureWindow(const Window& window);

// What the screen shows in rect once two captures in a row agree.
Image CaptureSettled(const RECT& rect);

// The number of pixels that differ; pictures of different sizes differ everywhere.
size_t DifferingPixels(const Image& a, const Image& b) noexcept;

// The number of pixels darker than threshold in every channel: text and outlines, which a control that was
// never painted (or that another window hides) does not show.
size_t DarkPixels(const Image& image, uint8_t threshold = 96) noexcept;

// Writes image as a 24-bit BMP file.
void SaveBmp(const Image& image, const std::wstring& path);

// Saves image as ArtifactsFolder()\<Suite.Name>-<name>.bmp and returns the path. The session wrapper turns
// BMP files into PNG when ImageMagick is installed.
std::wstring SaveScreenshot(const Image& image, std::wstring_view name);
std::wstring SaveScreenshot(const Window& window, std::wstring_view name);
// The whole desktop.
std::wstring SaveDesktopScreenshot(std::wstring_view name);

} // namespace dorvik::e2e
