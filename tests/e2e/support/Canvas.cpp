// GDI drawing surface of the test tools.
#include "support/Canvas.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "support/Text.h"

namespace dorvik::e2e
{

Canvas::Canvas(int width, int height)
    : width_(width)
    , height_(height)
{
    const win32::WindowDc screen(nullptr);
    memory_.reset(::CreateCompatibleDC(screen.Get()));
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows, as Image keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap_.reset(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
    if (!screen || !memory_ || !bitmap_ || !bits_)
    {
        throw std::runtime_error("cannot prepare a picture to draw into: " + LastErrorText());
    }
    previous_ = ::SelectObject(memory_.get(), bitmap_.get());
}

Canvas::~Canvas()
{
    // The bitmap can only be deleted once no DC holds it.
    ::SelectObject(memory_.get(), previous_);
}

void Canvas::Fill(uint32_t colour)
{
    ::GdiFlush();
    auto* pixels = static_cast<uint32_t*>(bits_);
    std::fill(pixels, pixels + static_cast<size_t>(width_) * static_cast<size_t>(height_), colour);
}

Image Canvas::Read() const
{
    ::GdiFlush();
    Image image;
    image.width = width_;
    image.height = height_;
    image.pixels.resize(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    std::memcpy(image.pixels.data(), bits_, image.pixels.size() * sizeof(uint32_t));
    for (uint32_t& pixel : image.pixels)
    {
        pixel &= 0x00FFFFFFu;
    }
    return image;
}

} // namespace dorvik::e2e
