/* A "one" group holds exactly one pair: the comma after it is refused. */
resource 'Vorl' (200) {
    {
        Kind { Parser },
        FilteredTypes { { 'TEXT', 'ttxt', 'PICT', 'ttxt' } }
    }
};
