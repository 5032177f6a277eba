/* A flag list closed early still needs the signature after its brace. */
resource 'Vorl' (302) {
    {
        ZR_ImageFormat_Extension_Info { 1, 0, input } }
    }
};
