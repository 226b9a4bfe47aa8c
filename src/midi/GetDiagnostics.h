#pragma once

#include <atomic>

// The two lines that every get writes to standard output, as the editor always has. A program
// whose standard output carries its results, the command-line tool, turns them off.
class GetDiagnostics
{
public:
    static void setEnabled (bool shouldPrint) { enabled = shouldPrint; }
    // Called as a get starts.
    static void print();

private:
    inline static std::atomic<bool> enabled { true };
};
