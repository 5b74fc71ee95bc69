// The command line's answers: to the standard output or error the program was handed (a pipe, a file or a
// console), else to the console of the program that started it, else in a message box.
#pragma once

#include "platform/IOutput.h"

namespace dorvik::win32
{

class Win32Output final : public platform::IOutput
{
public:
    void Print(platform::OutputStream stream, std::wstring_view text) override;

    // Off the user's desktop no message box is shown: nobody could answer it.
    void SetOnUsersDesktop(bool onUsersDesktop) noexcept { onUsersDesktop_ = onUsersDesktop; }

private:
    bool onUsersDesktop_ = true;
};

} // namespace dorvik::win32
