/* The creator of FmtFileType must be a four-character literal too. */
resource 'Vorl' (200) {
    {
        FmtFileType { 'TEXT', "ttxt" }
    }
};
