#include "engine/App/Application.h"
#include "engine/Render/RenderSystem.h"
#include "platform/FixedStepClock.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/Services.h"
#include "tests/support/ReportRecorder.h"

#include <functional>
#include <gtest/gtest.h>

namespace
{

// An application whose update runs what the test gives it and whose render clears a scene.
class DrawingApplication : public Korrin::Application
{
public:
    std::function<void(int frame, Platform::GraphicsDevice& device)> onUpdate;
    std::vector<bool> lostAtRender;
    int frames = 0;

    bool Update() override
    {
        onUpdate(++frames, *Korrin::RenderSystem::GetInstance()->GetDevice());
        return true;
    }

    void Render() override
    {
        Korrin::RenderSystem* render = Korrin::RenderSystem::GetInstance();
        lostAtRender.push_back(render->IsDeviceLost());
        render->BeginScene(nullptr);
        render->DrawLine(0, 0, 100, 100, 0xFFFFFFFFu);
        render->EndScene();
    }
};

} // namespace

TEST(FrameDrawing, ALostDeviceIsNoticedAtPresentationAndResetByALaterFrame)
{
    TestSupport::ReportRecorder::Clear();
    Platform::Services services(std::make_unique<Platform::HeadlessWindowSystem>(),
                                std::make_unique<Platform::FixedStepClock>());
    services.SetFrameLimit(8);
    DrawingApplication application;
    application.onUpdate = [](int frame, Platform::GraphicsDevice& device)
    {
        if (frame == 2)
        {
            device.MakeLost(); // the display was taken away during the frame
        }
        if (frame == 5)
        {
            device.AllowReset(); // and given back
        }
    };
    EXPECT_EQ(application.Run("Drawing", true), 0);
    // Frame 2 presents into a lost device; frames 3 and 4 pass without drawing; frame 5 resets it (and
    // still draws nothing) and frame 6 works again.
    EXPECT_EQ(application.lostAtRender,
              (std::vector<bool>{false, false, true, true, true, false, false, false}));
    EXPECT_TRUE(TestSupport::ReportRecorder::Boxes().empty());
}
