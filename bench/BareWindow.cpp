// The framework's own start-up cost for comparison: an empty document window of the editor
// window's size with a native title bar, and nothing else.
#include <juce_gui_basics/juce_gui_basics.h>

namespace
{
class BareWindow : public juce::DocumentWindow
{
public:
    BareWindow()
        : juce::DocumentWindow ("Bare Window", juce::Colour (128, 128, 128),
                                juce::DocumentWindow::minimiseButton | juce::DocumentWindow::closeButton)
    {
        setUsingNativeTitleBar (true);
        setContentNonOwned (&content, true);
        setResizable (false, false);
        centreWithSize (getWidth(), getHeight());
        setVisible (true);
    }

    void closeButtonPressed() override { juce::JUCEApplication::getInstance()->systemRequestedQuit(); }

private:
    struct Content : juce::Component
    {
        Content() { setSize (1200, 700); }
    } content;
};

class BareWindowApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return "Bare Window"; }
    const juce::String getApplicationVersion() override { return "1.0"; }
    bool moreThanOneInstanceAllowed() override { return true; }
    void initialise (const juce::String&) override { window = std::make_unique<BareWindow>(); }
    void shutdown() override { window.reset(); }

private:
    std::unique_ptr<BareWindow> window;
};
} // namespace

START_JUCE_APPLICATION (BareWindowApplication)
