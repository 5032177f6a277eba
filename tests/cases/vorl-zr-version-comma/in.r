/* Major and minor must be separated by a comma. */
resource 'Vorl' (303) {
    {
        ZR_Vorl_Version { 2 0 }
    }
};
