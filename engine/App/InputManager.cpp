#include "engine/App/InputManager.h"

#include "engine/Log/LogManager.h"
#include "platform/MouseDevice.h"
#include "platform/Services.h"

namespace Korrin
{

namespace
{
constexpr const char* kSource = "Source\\App\\InputManager";

Platform::WindowSystem& Windows()
{
    return Platform::Services::Current().Window();
}
} // namespace

InputManager::InputManager(Platform::WindowHandle window) : mWindow(window)
{
    mMouseDevice = std::make_unique<Platform::MouseDevice>(Windows());
    SetCooperativeLevel();
    if (LogManager* log = LogManager::Peek())
    {
        log->Write("Creating DirectInput");
    }
}

InputManager::~InputManager()
{
    mMouseDevice->Unacquire();
}

InputManager* InputManager::GetInstance()
{
    return CheckedInstance("InputManager::mSingleton==NULL", kEngineModule, kSource, 12);
}

void InputManager::SetCooperativeLevel()
{
    mRelativeMode = false;
    mMouseDevice->Unacquire();
    if (Platform::InputFailed(mMouseDevice->SetCooperativeLevel(mWindow)))
    {
        ReportAndBreak("Unable to set DirectInput mouse device co-operative level.", kEngineModule, kSource,
                       213);
    }
    mMouseDevice->Acquire();
}

void InputManager::Update()
{
    mPreviousKeys = mKeys;
    mKeys = {};
    mPreviousButtons = {mLeftButton, mRightButton};
    mLeftButton = 0;
    mRightButton = 0;

    mKeys = Windows().GetKeyboardState();
    ReadMouse();
}

void InputManager::ReadMouse()
{
    Platform::MouseState state;
    mMouseDevice->Acquire();
    const std::int32_t result = mMouseDevice->GetState(state);
    if (result == Platform::InputResult::InputLost)
    {
        mMouseDevice->Acquire();
    }
    if (Platform::InputFailed(result))
    {
        state = Platform::MouseState{};
    }
    if (mRelativeMode)
    {
        mX += static_cast<float>(state.x);
        mY += static_cast<float>(state.y);
    }
    else
    {
        const Platform::CursorPoint position = Windows().Mouse().Position();
        mX = static_cast<float>(position.x);
        mY = static_cast<float>(position.y);
    }
    mWheel = static_cast<float>(state.z);
    mLeftButton = state.buttons[0];
    mRightButton = state.buttons[1];
}

void InputManager::Clear()
{
    mKeys = {};
    mPreviousKeys = {};
    mLeftButton = 0;
    mRightButton = 0;
    mPreviousButtons = {};
    mX = 0.0f;
    mY = 0.0f;
    mWheel = 0.0f;
}

} // namespace Korrin
