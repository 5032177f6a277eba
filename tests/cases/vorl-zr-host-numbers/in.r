/* The host's numeric properties, its versions and its format extension data. */
#define kEffectFlags 0x10

resource 'Vorl' (300) {
    {
        ZR_Effect_Info_Flags { kEffectFlags | 1 },
        ZR_Effect_Version { -5 },
        ZR_Reserved { 0x7FFFFFFF },
        ZR_Reserved_Info { 2 * 3 },
        ZR_Effect_Global_OutFlags { 1 << 4 },
        ZR_Effect_Global_OutFlags_2 { 3 << 8 },
        ZR_Effect_Spec_Version { 70000, 65535 },
        ZR_Vorl_Version { 40000, 7 },
        ZR_ImageFormat_Extension_Info { 1, 2, input, output, hasFile, still, hasVideo,
            hasNoTime, hasInteractGet, hasInteractPut, mustInteract, nonSequentialOk,
            hasNoOptions, 'SIGN' },
        ZR_ImageFormat_Extension_Info { 3, 4, still, notAFlag, hasFile } 'ABCD' }
    }
};
