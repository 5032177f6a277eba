resource 'Vorl' (900) {
    {
        /* converts to other length fields than the record's */
        Name { "‡A\xE0\42" },
        /* converts to other length fields than the record's */
        Category { "\xE0\\\xE0" },
        /* converts to other length fields than the record's */
        Category { "\xE0\1\xE0" },
        /* converts to other length fields than the record's */
        Category { "\xE0\x7FÇ†ÉA†" },
        /* malformed RequiredHost: key 'host', length 4: E0 61 62 63 */
        RequiredHost { '‡cba' }
    }
};

resource 'LStr' (901) {
    {
        "ï\\ï"",
        "‡‡\0xE0",
        "ÉA†"
    }
};

