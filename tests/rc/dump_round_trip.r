// Read back by VorlDump in the round trip: every property family, and strings
// whose escapes make their length fields differ from the bytes they hold.
resource 'Vorl' (16100, "Round trip") {
    {
        Kind { Filter },
        Name { "a\tb" },
        Name { "\x41BC and \101\0 end" },
        Name { "ab" },
        Name { "café \x7f" },
        Category { "back\\slash\nnew line" },
        Category { "" },
        Version { 0x00020001 },
        Priority { 2147483647 },
        RequiredHost { '8BIM' },
        CodeWin32X86 { "" },
        CodeWin32X86 { "Main\t" },
        CodeWin64X86 { "PluginMain" },
        SupportedModes { doesSupportBitmap, doesSupportRGBColor, doesSupportCMYK64, doesSupportDuotone16 },
        SupportedModes { none },
        FilterCaseInfo {
            {
                inStraightData, outStraightData, 8, worksWithBlankData, doNotCopySourceToDestination,
                inBlackMat, outBlackMat, filtersLayerMasks, 0, copySourceToDestination,
                inGrayMat, outGrayMat, 0xF4, 3, noFlag,
                inWhiteMat, outWhiteMat, cantFilterLayerMasks, worksWithBlankData, doNotCopySourceToDestination,
                inDefringe, outFillMask, filtersLayerMasks, worksWithBlankData, doNotCopySourceToDestination,
                inBackgroundZap, outCantFilter, 0, 0, copySourceToDestination,
                inForegroundZap, outStraightData, 0, 0, copySourceToDestination
            }
        },
        FormatFlags { fmtSavesImageResources, fmtCanWriteIfRead },
        FormatICCFlags { iccCanEmbedGray, iccCanEmbedRGB, iccCanEmbedCMYK },
        FormatMaxSize { { 30000, 1 } },
        FormatMaxChannels { { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11 } },
        FmtFileType { 'TEXT', 'ttxt' },
        ReadTypes { { 'TEXT', 'ttxt', 'PICT', 'ttxt' }, { }, { '8BPS', '8BIM' } },
        WriteTypes { { } },
        FilteredTypes { { 'TIFF', '8BIM' }, { 'JPEG', '8BIM' } },
        ParsableTypes { { 'GIFf', 'ogle' } },
        FilteredParsableTypes { { 'PNGf', 'ogle' } },
        ReadExtensions { { 'TIF ', 'JPG ', 'aaaa', 'bbbb', 'cccc', 'dddd', 'eeee', 'ffff', 'gggg', 'hhhh' } },
        WriteExtensions { { 'PNG ' } },
        FilteredExtensions { { 'GIF ', 'BMP ' } },
        ParsableExtensions { { 'PSD ' }, { 'PDD ' } },
        FilteredParsableExtensions { { 'EPS ' } },
        ParsableClipboardTypes { { 'PICT' } },
        HasTerminology { 'clas', 'evnt', 1, "Blurs" },
        HasTerminology { 'clas', 'evnt', 65535, "Blur\t" },
        HasTerminology { 'Clss', 'Evnt', 2, "" },
        ZR_Effect_Info_Flags { 0x12345678 },
        ZR_Effect_Version { 524289 },
        ZR_Reserved { 0 },
        ZR_Reserved_Info { 6 },
        ZR_Effect_Global_OutFlags { 0x02000000 },
        ZR_Effect_Global_OutFlags_2 { 0x7FFFFFFF },
        ZR_Effect_Match_Name { "a\nb\x41" },
        ZR_Effect_Match_Name { "\101 octal" },
        ZR_Effect_Spec_Version { 13, 32767 },
        ZR_Vorl_Version { 2, 0 },
        ZR_ImageFormat_Extension_Info { 1, 2, input, output, hasFile, still, hasVideo,
            hasNoTime, hasInteractGet, hasInteractPut, mustInteract, nonSequentialOk,
            hasNoOptions, 'SIGN' },
        ZR_ImageFormat_Extension_Info { 3, 4, still, notAFlag, hasFile } 'ABCD' },
        ZR_ImageFormat_Extension_Info { 0, 0, notAFlag } 'ABCD' },
        ZR_Effect_Support_URL { "http://example.com/a\x20b" },
        Code68K { 'PROC', 1 },
        Kind { ZRGeneral }
    }
};

resource 'TzAv' (16101) {
    {
        Kind { ZREffect }
    }
};

resource 'Vorl' (16102) {
    {
    }
};

resource 'LStr' (16103, "Strings") {
    {
        "plain",
        "",
        "quote \" and back\\slash and \\n",
        "tab\tcr\rlf\n hex\0x41BC and \0x7F and \0x00 inside",
        "café naïve",
        "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
        "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789"
        "0123456789012345678901234567890123456789012345678901234567890123456789012345678901234567890123456789",
        ""
    }
};
