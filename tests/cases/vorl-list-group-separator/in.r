/* Inside a "many" group only commas separate the entries. */
resource 'Vorl' (200) {
    {
        WriteExtensions { { 'TIF '; 'TIFF' } }
    }
};
