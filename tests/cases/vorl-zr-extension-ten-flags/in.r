/* With ten flags, the signature after the comma is read as the eleventh. */
resource 'Vorl' (302) {
    {
        ZR_ImageFormat_Extension_Info { 1, 0, input, output, hasFile, still, hasVideo,
            hasNoTime, hasInteractGet, hasInteractPut, mustInteract,
            nonSequentialOk, 'SIGN' }
    }
};
