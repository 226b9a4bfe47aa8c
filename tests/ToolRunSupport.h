#pragma once

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

// Runs a command-line program the tests built and collects what it said.
struct ToolRun
{
    int exitCode = -1;
    juce::String output; // standard output and standard error together

    static ToolRun of (const juce::StringArray& command)
    {
        juce::ChildProcess process;
        ToolRun result;

        if (! process.start (command, juce::ChildProcess::wantStdOut | juce::ChildProcess::wantStdErr))
            return result;

        result.output = process.readAllProcessOutput();
        process.waitForProcessToFinish (20000);
        result.exitCode = (int) process.getExitCode();
        return result;
    }

    // The run ended with that status and its output holds the text.
    void expect (int expectedExitCode, const juce::String& text) const
    {
        EXPECT_EQ (exitCode, expectedExitCode) << text;
        EXPECT_TRUE (output.contains (text)) << output;
    }
};
