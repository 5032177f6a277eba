// demo_plugin.r: the demo plug-in's property list and its messages.
//
// The ids come from a header beside this file, the version from one in the
// include folder the plug-in's code uses too; the build reruns VorlTool when
// this file or either header changes. The build defines _WIN64 for a 64-bit
// Windows target, which picks the entry point a 64-bit host looks for. The
// name and the category hold a Macintosh character each (the trade mark sign,
// byte AA, and the bullet, byte A5), which the script carries as the Windows
// ones (99 and B7). The trade mark sign and the modes (Bitmap and RGB, the
// byte 90) are bytes that llvm-rc refuses in a string; the build, which
// compiles the script with llvm-windres, has VorlTool write them with
// --llvm-rc as numbers it takes.
#include "demo_plugin_ids.h"
#include "demo_version.h"

resource 'Vorl' (kDemoPlugInID, "Demo Filter") {
    {
        Kind { Filter },
        Name { "Demo Filterª..." },
        Category { "VorlTool ¥ Demos" },
        Version { (kDemoMajor << 16) | kDemoMinor },
#if defined(_WIN64)
        CodeWin64X86 { "PluginMain" },
#else
        CodeWin32X86 { "PluginMain" },
#endif
        SupportedModes { doesSupportBitmap, doesSupportRGBColor }
    }
};

resource 'LStr' (kDemoMessagesID, "Messages") {
    {
        "The demo filter leaves the image as it is.",
        "Nothing to set up."
    }
};
