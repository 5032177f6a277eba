// Read back by VorlDump in the round trip under the Japanese rules: double-byte
// characters are kept whole, their second bytes unexamined.
resource 'Vorl' (16200) {
    {
        Kind { Filter },
        Name { "‡A·a Â± x" },
        Category { "‡A\t" }
    }
};

resource 'LStr' (16201) {
    {
        "ï\\ and ÉA and ï"",
        "‡\0x41B and \"quoted\""
    }
};
