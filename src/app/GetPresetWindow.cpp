#include "app/GetPresetWindow.h"

GetPresetWindow::GetPresetWindow (OrbEditorEngine::Ptr e)
    : juce::ResizableWindow ("Get Preset From Hardware", true),
      content (new GetPresetComponent (this)),
      engine (std::move (e))
{
    setUsingNativeTitleBar (true);
    setContentOwned (content, true);
    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (false);
    setVisible (true);
}

GetPresetWindow::~GetPresetWindow()
{
    masterReference.clear();
    engine = nullptr;
    clearContentComponent();
}

void GetPresetWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    if (name == "Get")
    {
        engine->getPreset ((std::uint8_t) (content->getSelectedSlot() - 1));
        delete this;
    }
    else if (name == "Cancel")
    {
        delete this;
    }
}
