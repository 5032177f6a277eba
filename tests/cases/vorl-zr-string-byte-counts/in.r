/* The host's strings count each escape as the one byte it stands for; Name
   counts the characters as written. A lone \x at the end counts one byte. */
resource 'Vorl' (301) {
    {
        Name { "a\nb" },
        ZR_Effect_Match_Name { "a\nb" },
        ZR_Effect_Match_Name { "\x41BC" },
        ZR_Effect_Support_URL { "http://example.com/support" },
        ZR_Effect_Support_URL { "\x" }
    }
};
