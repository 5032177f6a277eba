// --llvm-rc alone: the plain reading (a macro's value cut to 16 bits, the
// path taken whole), and each string holding a byte from 0x80 to 0x9F
// written so that llvm-rc takes it: the flags of Bitmap and Duotone, the
// trade mark sign (0xAA here, 0x99 in code page 1252), an escape that stands
// for such a byte, a code that holds one.
#define kVersion 0x00010002
resource 'Vorl' (16000, "Sample") {
    {
        Kind { Filter },
        Name { "Sampleª" },
        Category { "\x85 Samples" },
        Version { kVersion },
        RequiredHost { '€€ab' },
        SupportedModes { doesSupportBitmap, doesSupportDuotone }
    }
};
