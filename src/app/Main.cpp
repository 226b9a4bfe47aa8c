#include "app/KestrinOrbMiniEditorApplication.h"

START_JUCE_APPLICATION (KestrinOrbMiniEditorApplication)
