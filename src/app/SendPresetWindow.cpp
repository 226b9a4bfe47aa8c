#include "app/SendPresetWindow.h"

SendPresetWindow::SendPresetWindow (OrbEditorEngine::Ptr e)
    : juce::ResizableWindow ("Send Preset To Hardware", true),
      content (new SendPresetComponent (this)),
      engine (std::move (e))
{
    setUsingNativeTitleBar (true);
    setContentOwned (content, true);
    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (false);
    setVisible (true);
}

SendPresetWindow::~SendPresetWindow()
{
    masterReference.clear();
    engine = nullptr;
    clearContentComponent();
}

void SendPresetWindow::buttonClicked (juce::Button* button)
{
    if (button == nullptr)
        return;

    const auto name = button->getName();

    if (name == "Send")
    {
        const std::uint8_t slot = (std::uint8_t) (content->getSelectedSlot() - 1);

        if (engine->sendPreset (slot))
            delete this;
    }
    else if (name == "Cancel")
    {
        delete this;
    }
}
