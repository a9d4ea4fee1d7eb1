#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace Platform
{

// The modal message box with OK and Cancel. In a window session it is a real dialog; headless, the
// answer is set in advance (the command line chooses it; Cancel unless told otherwise). A test can
// install a handler that records each box and answers it.
class MessageBox
{
public:
    using Handler =
        std::function<int(const std::string& text, const std::string& title, std::uint32_t flags)>;

    // Shows the box and returns the button pressed (DialogButton::Ok or DialogButton::Cancel).
    static int Show(const std::string& text, const std::string& title, std::uint32_t flags);

    static void SetHandler(Handler handler);
    static void SetInteractive(bool interactive);
    static void SetHeadlessAnswer(int button);
};

} // namespace Platform
