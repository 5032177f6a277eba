// demo_plugin.r: the demo plug-in's property list and its messages.
//
// The ids come from a header beside this file, the version from one in the
// include folder the plug-in's code uses too; the build reruns VorlTool when
// this file or either header changes. The build defines _WIN64 for a 64-bit
// Windows target, which picks the entry point a 64-bit host looks for. The
// category holds one Macintosh character (the bullet, byte A5), which the
// script carries as the Windows one.
#include "demo_plugin_ids.h"
#include "demo_version.h"

resource 'Vorl' (kDemoPlugInID, "Demo Filter") {
    {
        Kind { Filter },
        Name { "Demo Filter..." },
        Category { "VorlTool ¥ Demos" },
        Version { (kDemoMajor << 16) | kDemoMinor },
#if defined(_WIN64)
        CodeWin64X86 { "PluginMain" },
#else
        CodeWin32X86 { "PluginMain" },
#endif
        SupportedModes { doesSupportGrayScale, doesSupportRGBColor }
    }
};

resource 'LStr' (kDemoMessagesID, "Messages") {
    {
        "The demo filter leaves the image as it is.",
        "Nothing to set up."
    }
};
