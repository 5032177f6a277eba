// effect_plugin.r: the property list of a video effect plug-in.
//
// Besides the usual identity properties, an effect carries data of its own
// that its host reads before loading it: the list and host interface versions
// it was built against, its own version, its flags, the name the host matches
// it by and the address of its support page.
//
// Convert it, in the folder that holds it, with:
//     VorlTool effect_plugin.r effect_plugin.rc
// That folder is share/doc/vorltool/examples where VorlTool is installed
// (/usr/share/doc/vorltool/examples from the .deb), doc\examples in the zip,
// and examples in the sources.

resource 'Vorl' (16000, "Sample") {
    {
        Kind { ZREffect },
        Name { "Sample" },
        Category { "Sample Category" },
        Version { 65536 },                          // 1.0: major in the high half
        CodeWin64X86 { "EffectMain" },
        ZR_Vorl_Version { 2, 0 },
        ZR_Effect_Spec_Version { 13, 28 },
        ZR_Effect_Version { 524289 },
        ZR_Effect_Info_Flags { 0 },
        ZR_Effect_Global_OutFlags { 0x02000000 },
        ZR_Effect_Global_OutFlags_2 { 0x08000000 },
        ZR_Effect_Match_Name { "SAMPLE Match" },
        ZR_Reserved_Info { 0 },
        ZR_Effect_Support_URL { "x" }
    }
};
