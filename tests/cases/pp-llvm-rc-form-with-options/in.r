// --llvm-rc with other options: preprocessing mode (the #if evaluated, the
// value whole), and the strings written so that llvm-rc takes them.
#define kVersion 0x00010002
resource 'Vorl' (16000) {
    {
        Kind { Filter },
#if defined(kBeta)
        Name { "Sampleª BetaÉ" },
#else
        Name { "Sampleª" },
#endif
        Version { kVersion },
        SupportedModes { doesSupportBitmap, doesSupportRGBColor }
    }
};
