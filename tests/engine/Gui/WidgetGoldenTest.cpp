// A window of every widget kind drawn by the software device and compared pixel for pixel with a
// picture kept in tests/fixtures/gui/golden. Regenerate it after a deliberate change with
//   WF_REGENERATE_GOLDEN=1 ./korrin_tests --gtest_filter='WidgetGolden*'
// and look at the new picture before committing it.

#include "engine/File/FileSysManager.h"
#include "engine/Gui/FontManager.h"
#include "engine/Gui/GuiButton.h"
#include "engine/Gui/GuiCheckBox.h"
#include "engine/Gui/GuiContainer.h"
#include "engine/Gui/GuiEdit.h"
#include "engine/Gui/GuiList.h"
#include "engine/Gui/GuiManager.h"
#include "engine/Gui/GuiSlider.h"
#include "engine/Render/SpriteManager.h"
#include "engine/Script/LocaleManager.h"
#include "tests/engine/Gui/GoldenPicture.h"
#include "tests/engine/Render/RenderFixture.h"
#include "tests/support/ReportRecorder.h"

#include <gtest/gtest.h>

using TestSupport::ReportRecorder;

TEST(WidgetGoldenTest, AFramedWindowWithEachWidgetKind)
{
    ReportRecorder::Clear();
    TestSupport::RenderFixture fixture;
    Korrin::FileSysManager files{WF_FIXTURES_DIR "/gui"};
    Korrin::SpriteManager sprites;
    Korrin::FontManager fonts;
    Korrin::LocaleManager texts;
    texts.Load("strings.xml");
    Korrin::GuiManager manager;
    Korrin::GuiContainer* window = manager.CreateContainer("Drawn", "layout.gui");

    dynamic_cast<Korrin::GuiCheckBox&>(*window->GetByName("Box")).SetChecked(true);
    dynamic_cast<Korrin::GuiSlider&>(*window->GetByName("Level")).SetValue(0.3f);
    dynamic_cast<Korrin::GuiEdit&>(*window->GetByName("Entry")).SetText(u"Anna Petrova");
    auto& rows = dynamic_cast<Korrin::GuiList&>(*window->GetByName("Rows"));
    for (const char16_t* name : {u"Anna", u"Boris", u"Clara", u"Dmitri", u"Elena"})
    {
        rows.AddItem(name, 0);
    }
    rows.SetSelected(3);
    dynamic_cast<Korrin::GuiButton&>(*window->GetByName("Go")).SetDisabled(true);
    window->Update();
    EXPECT_TRUE(ReportRecorder::Boxes().empty()) << ReportRecorder::LastDescription();

    TestSupport::ExpectGoldenPicture(fixture, "widgets", 320, 210, [window] { window->Draw(); });
}
