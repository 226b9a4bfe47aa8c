#pragma once

#include "model/ControlType.h"
#include "PresetTestSupport.h"

#include "views/BankView.h"
#include "views/GenericControlView.h"
#include "widgets/ComboBoxWithLabel.h"
#include "widgets/ControlToMidiTextButton.h"
#include "widgets/NumberBoxWithLabel.h"

#include <gtest/gtest.h>

// Helpers for driving the section views as a user does and reading back what they show.
namespace sectiontest
{
// Lets the combo boxes' asynchronous notifications and the buttons' clicks arrive.
inline const auto settle = [] (int ms = 30) { juce::MessageManager::getInstance()->runDispatchLoopUntil (ms); };

// Clicks into the box, types the text and commits it, as leaving the field does.
inline const auto enter = [] (NumberBoxWithLabel& widget, const juce::String& text) {
    auto& box = widget.getNumberBox();
    box.showEditor();
    ASSERT_NE (box.getCurrentTextEditor(), nullptr) << box.getName().toStdString();
    box.getCurrentTextEditor()->setText (text, false);
    box.hideEditor (false);
};

inline const auto shown = [] (NumberBoxWithLabel& widget) { return widget.getNumberBox().getValue(); };

// Picks the entry with that text from the list, as choosing it from the drop-down does.
inline const auto choose = [] (ComboBoxWithLabel& widget, const juce::String& entry) {
    auto& list = widget.getComboBox();
    int id = 0;
    for (int i = 0; i < list.getNumItems(); ++i)
        if (list.getItemText (i) == entry)
            id = list.getItemId (i);
    ASSERT_NE (id, 0) << "no entry " << entry.toStdString();
    list.setSelectedId (id);
    settle();
};

inline const auto chosen = [] (ComboBoxWithLabel& widget) { return widget.getComboBox().getText(); };
inline const auto click = [] (ControlToMidiTextButton& widget) { widget.getButton().triggerClick(), settle(); };
inline const auto pageForward = [] (BankView& bank) { bank.getNextBankButton()->triggerClick(), settle(); };

// Captions of the widgets of the mode group that is shown (empty when none is).
inline const auto shownGroup = [] (GenericControlView& view) {
    juce::StringArray captions;
    for (int i = 0; i < view.getNumControlGroups(); ++i)
        if (auto* g = view.getControlGroup (i); g->isVisible())
            for (auto* w : g->getWidgets())
                captions.add (dynamic_cast<NumberBoxWithLabel*> (w)->getLabel().getText());
    return captions;
};

// The number box at that row of a mode group, shown or not.
inline const auto groupBox = [] (GenericControlView& view, int group, int row) -> NumberBoxWithLabel& {
    return *dynamic_cast<NumberBoxWithLabel*> (view.getControlGroup (group)->getWidgets()[row]);
};

// The items of the bank that is shown, in order.
inline const auto shownItems = [] (BankView& bank) -> juce::Array<juce::Component*> {
    for (int i = 0; i < bank.getNumBanks(); ++i)
        if (auto* b = bank.getBank (i); b->isVisible() && b->getParentComponent() == &bank)
            return b->getItems();
    return {};
};

// An engine of the 25-key model with a few ways to read and set what it holds.
struct SectionViewTest : ::testing::Test, EngineFixture
{
    Control& group (ControlType type, int index = 0) { return *engine->getControl (type, index); }
    int stored (ControlType type, int index, const juce::String& name)
    {
        return group (type, index).getParameterValue (name);
    }
    int stored (ControlType type, const juce::String& name) { return stored (type, 0, name); }

    // A whole-preset change, as a get or a file load makes one.
    void loadWith (ControlType type, int index, const juce::String& name, int value)
    {
        auto dump = engine->buildDump (0);
        auto& g = group (type, index);
        dump.set (10 + g.getDumpOffset() + g.getParameterIndex (name), (std::uint8_t) value);
        engine->applyDump (dump);
        settle();
    }
};
} // namespace sectiontest
