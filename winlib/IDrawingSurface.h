// A surface of this program that a window's picture can be copied onto.
#pragma once

#include "platform/Types.h"

namespace dorvik::winlib
{

class IDrawingSurface
{
public:
    virtual ~IDrawingSurface() = default;

    virtual void Cls() = 0;
    virtual platform::DcHandle Hdc() = 0;
};

} // namespace dorvik::winlib
