// Whether another copy of the program runs in this session.
#pragma once

namespace dorvik::platform
{

class IInstance
{
public:
    virtual ~IInstance() = default;

    virtual bool PreviousInstance() const = 0;
};

} // namespace dorvik::platform
