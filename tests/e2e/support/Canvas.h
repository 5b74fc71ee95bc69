// A picture to draw into with GDI and read back: a 32-bit, top-down bitmap selected into a memory DC.
#pragma once

#include "support/OwnedHandles.h"
#include "support/Screen.h"

namespace dorvik::e2e
{

class Canvas
{
public:
    // Throws std::runtime_error when GDI cannot provide the bitmap.
    Canvas(int width, int height);
    ~Canvas();

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC Dc() const noexcept { return memory_.get(); }

    // Every pixel set to colour (0x00RRGGBB), as a background to draw over.
    void Fill(uint32_t colour);

    // What has been drawn so far, once GDI has finished drawing it.
    Image Read() const;

private:
    int width_;
    int height_;
    UniqueMemoryDc memory_;
    UniqueBitmap bitmap_;
    void* bits_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

} // namespace dorvik::e2e
