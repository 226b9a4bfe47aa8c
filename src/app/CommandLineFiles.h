#pragma once

#include <juce_core/juce_core.h>

// The preset files a command line names. A file manager's "open with" may pass several paths, a
// shell one path with blanks in it: the whole line (without one pair of surrounding quotes) names
// one file when such a file exists; otherwise every argument that names an existing file counts.
// When none does, the whole line is taken as one path, so that opening it reports the failure.
// A line that is empty or starts with "-" names no file.
class CommandLineFiles
{
public:
    // Relative paths are resolved in the given folder (the working folder of the start that
    // received the command line).
    static juce::Array<juce::File> parse (const juce::String& commandLine, const juce::File& folder);

    // The same files as absolute, quoted paths separated by blanks, which parse reads back alike in
    // any folder: what a second start hands over to the running editor. A line naming no file is
    // handed over as it is.
    // The program's arguments joined into one command line as the framework joins them: blanks
    // between arguments, quotes around an argument with a blank in it.
    static juce::String join (const juce::StringArray& arguments);

    static juce::String toAbsoluteCommandLine (const juce::String& commandLine, const juce::File& folder);
};
