#include "app/CommandLineFiles.h"

namespace
{
juce::String withoutSurroundingQuotes (const juce::String& text)
{
    const auto trimmed = text.trim();

    if (trimmed.length() >= 2 && (trimmed.startsWithChar ('"') || trimmed.startsWithChar ('\''))
        && trimmed.getLastCharacter() == trimmed[0])
        return trimmed.substring (1, trimmed.length() - 1);

    return trimmed;
}

juce::File resolve (const juce::String& path, const juce::File& folder)
{
    return juce::File::isAbsolutePath (path) ? juce::File (path) : folder.getChildFile (path);
}
} // namespace

juce::Array<juce::File> CommandLineFiles::parse (const juce::String& commandLine, const juce::File& folder)
{
    const auto whole = withoutSurroundingQuotes (commandLine);

    if (whole.isEmpty() || whole.startsWithChar ('-'))
        return {};

    const auto wholeFile = resolve (whole, folder);

    if (wholeFile.existsAsFile())
        return { wholeFile };

    juce::Array<juce::File> files;

    for (const auto& argument : juce::StringArray::fromTokens (commandLine, " \t", "\"'"))
    {
        const auto path = withoutSurroundingQuotes (argument);

        if (path.isNotEmpty() && resolve (path, folder).existsAsFile())
            files.add (resolve (path, folder));
    }

    if (files.isEmpty())
        files.add (wholeFile);

    return files;
}

juce::String CommandLineFiles::toAbsoluteCommandLine (const juce::String& commandLine, const juce::File& folder)
{
    const auto files = parse (commandLine, folder);

    if (files.isEmpty())
        return commandLine.trim();

    juce::StringArray quoted;

    for (const auto& file : files)
    {
        const auto path = file.getFullPathName();
        quoted.add (path.quoted (path.containsChar ('"') ? '\'' : '"'));
    }

    return quoted.joinIntoString (" ");
}

juce::String CommandLineFiles::join (const juce::StringArray& arguments)
{
    juce::StringArray joined;

    for (const auto& argument : arguments)
        joined.add (argument.containsChar (' ') && ! argument.isQuotedString() ? argument.quoted() : argument);

    return joined.joinIntoString (" ").trim();
}
