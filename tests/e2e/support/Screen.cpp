// GDI capture of screen rectangles and BMP output.
#include "support/Screen.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/win32/Handles.h"
#include "support/Canvas.h"
#include "support/Paths.h"
#include "support/Text.h"

namespace dorvik::e2e
{

Image CaptureScreen(const RECT& rect)
{
    Image image;
    image.width = rect.right - rect.left;
    image.height = rect.bottom - rect.top;
    if (image.width <= 0 || image.height <= 0)
    {
        return image;
    }
    const win32::WindowDc screen(nullptr);
    if (!screen)
    {
        throw std::runtime_error("cannot read the screen: " + LastErrorText());
    }
    const Canvas canvas(image.width, image.height);
    if (!::BitBlt(canvas.Dc(), 0, 0, image.width, image.height, screen.Get(), rect.left, rect.top, SRCCOPY))
    {
        throw std::runtime_error("cannot copy from the screen: " + LastErrorText());
    }
    return canvas.Read();
}

Image CaptureSettled(const RECT& rect)
{
    Image previous = CaptureScreen(rect);
    Image current;
    WaitUntil(
        [&] {
            PumpMessagesFor(Milliseconds(60));
            current = CaptureScreen(rect);
            const bool settled = DifferingPixels(previous, current) == 0;
            previous = current;
            return settled;
        },
        kUiTimeout);
    return current;
}

Image CaptureWindow(const Window& window)
{
    // Has the window's thread paint what is pending now instead of when its queue runs empty.
    ::RedrawWindow(window.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    return CaptureSettled(window.WindowRect());
}

size_t DarkPixels(const Image& image, uint8_t threshold) noexcept
{
    return static_cast<size_t>(
        std::count_if(image.pixels.begin(), image.pixels.end(), [threshold](uint32_t pixel) {
            return ((pixel >> 16) & 0xFF) < threshold && ((pixel >> 8) & 0xFF) < threshold &&
                   (pixel & 0xFF) < threshold;
        }));
}

size_t DifferingPixels(const Image& a, const Image& b) noexcept
{
    if (a.width != b.width || a.height != b.height)
    {
        return std::max(a.pixels.size(), b.pixels.size());
    }
    size_t differing = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i)
    {
        differing += a.pixels[i] != b.pixels[i] ? 1u : 0u;
    }
    return differing;
}

void SaveBmp(const Image& image, const std::wstring& path)
{
    const size_t rowBytes = (static_cast<size_t>(image.width) * 3 + 3) & ~size_t{3};
    const size_t imageBytes = rowBytes * static_cast<size_t>(image.height);
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + imageBytes);
    header.biSize = sizeof header;
    header.biWidth = image.width;
    header.biHeight = image.height; // bottom-up, the most widely read layout
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    header.biSizeImage = static_cast<DWORD>(imageBytes);

    std::vector<char> rows(imageBytes, 0);
    for (int y = 0; y < image.height; ++y)
    {
        char* row = rows.data() + static_cast<size_t>(image.height - 1 - y) * rowBytes;
        for (int x = 0; x < image.width; ++x)
        {
            const uint32_t pixel = image.At(x, y);
            char* bgr = row + static_cast<size_t>(x) * 3;
            bgr[0] = static_cast<char>(pixel & 0xFF);
            bgr[1] = static_cast<char>((pixel >> 8) & 0xFF);
            bgr[2] = static_cast<char>((pixel >> 16) & 0xFF);
        }
    }
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(rows.data(), static_cast<std::streamsize>(rows.size()));
    if (!out)
    {
        throw std::runtime_error("cannot write " + Utf8(path));
    }
}

std::wstring SaveScreenshot(const Image& image, std::wstring_view name)
{
    const std::wstring path =
        ArtifactsFolder() + L"\\" + CurrentTestName() + L"-" + std::wstring(name) + L".bmp";
    SaveBmp(image, path);
    return path;
}

std::wstring SaveScreenshot(const Window& window, std::wstring_view name)
{
    return SaveScreenshot(CaptureWindow(window), name);
}

std::wstring SaveDesktopScreenshot(std::wstring_view name)
{
    const RECT screen{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    return SaveScreenshot(CaptureScreen(screen), name);
}

} // namespace dorvik::e2e
