/* Flags are separated by commas; the message names the modes parser. */
resource 'Vorl' (302) {
    {
        ZR_ImageFormat_Extension_Info { 1, 0, input; output, 'SIGN' }
    }
};
