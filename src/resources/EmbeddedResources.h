#pragma once

#include <cstddef>
#include <string_view>

// The files of src/resources, compiled into the program.
class EmbeddedResources
{
public:
    struct Resource
    {
        const char* name;
        const unsigned char* data;
        std::size_t size;
    };

    // The built-in default preset: what a new editor window, the preset tool and the demo device
    // start from.
    static constexpr const char* defaultPreset = "DefaultPreset.syx";

    // Null-terminated table of every embedded file.
    static const Resource* all() noexcept;

    // The resource of that file name, or null.
    static const Resource* find (std::string_view name) noexcept
    {
        for (auto* r = all(); r->name != nullptr; ++r)
            if (name == r->name)
                return r;

        return nullptr;
    }
};
