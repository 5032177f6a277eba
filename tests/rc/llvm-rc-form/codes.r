// Four-character codes holding such bytes, which are not translated.
resource 'Vorl' (16200) {
    {
        Kind { ImageFormat },
        FmtFileType { '…………', 'a€bŸ' },
        ReadTypes { { '™abc', 'abc™' } },
        ReadExtensions { { 'ŽXT ' } },
        RequiredHost { '€€ab' }
    }
};
