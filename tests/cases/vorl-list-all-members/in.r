/* Every type and extension list property, with both group forms. */
resource 'Vorl' (200) {
    {
        FmtFileType { 'TEXT'; 'ttxt' },
        ReadTypes { { 'TEXT', 'ttxt', 'PICT', 'ttxt', }, { }; { 'GIFf', '8BIM' } },
        WriteTypes { { 'TEXT', 'ttxt' } },
        FilteredTypes { { 'TEXT', 'ttxt' }, { 'PICT', 'ttxt' } },
        ParsableTypes { { 'TEXT', 'ttxt' } },
        FilteredParsableTypes { { 'TEXT': 'ttxt' } },
        ReadExtensions { { 'TIF ', 'TIFF' } },
        WriteExtensions { { 'TIF ' }, { 'TIFF', } },
        FilteredExtensions { { } },
        ParsableExtensions { { 'TIF ' } },
        FilteredParsableExtensions { { 'TIF ' } },
        ParsableClipboardTypes { { 'TIF ' } }
    }
};
