// demo_plugin.r: the demo plug-in's property list and its messages.
//
// The ids and the version come from a header of its own; the build reruns
// VorlTool when this file or that header changes. The category holds one
// Macintosh character (the bullet, byte A5), which the script carries as the
// Windows one.
#include "demo_plugin_ids.h"

resource 'Vorl' (kDemoPlugInID, "Demo Filter") {
    {
        Kind { Filter },
        Name { "Demo Filter..." },
        Category { "VorlTool ¥ Demos" },
        Version { (kDemoMajor << 16) | kDemoMinor },
        CodeWin64X86 { "PluginMain" },
        SupportedModes { doesSupportGrayScale, doesSupportRGBColor }
    }
};

resource 'LStr' (kDemoMessagesID, "Messages") {
    {
        "The demo filter leaves the image as it is.",
        "Nothing to set up."
    }
};
