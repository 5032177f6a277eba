// The property list and strings of a small filter, converted by the release
// check's consumer project with the VorlTool of an unpacked archive.
#include "consumer_ids.h"

resource 'Vorl' (kConsumerID, kConsumerName) {
    {
        Kind { Filter },
        Name { kConsumerName },
        Category { "Checks" },
        Version { 0x00010000 },
        CodeWin64X86 { "PluginMain" }
    }
};

resource 'LStr' (kConsumerID + 1, "Messages") {
    {
        "Converted by the packaged VorlTool"
    }
};
