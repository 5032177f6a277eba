// Names holding the trade mark sign, the ellipsis and the dagger, which the
// Macintosh character set has at 0xAA, 0xC9 and 0xA0 and code page 1252 at
// 0x99, 0x85 and 0x86; at the start, the end and between others.
resource 'Vorl' (16100, "Names") {
    {
        Kind { Filter },
        Name { "Demo FilterªÉ" },
        Category { "  Demos" },
        Version { 0x00010002 },
        CodeWin64X86 { "Mainª" },
        HasTerminology { 'clas', 'evnt', 1, "Éª " }
    }
};
resource 'Vorl' (16101) { { Kind { Filter }, Name { "ª" } } };
resource 'Vorl' (16102) { { Kind { Filter }, Name { "ª " }, Category { "aÉb" } } };
resource 'Vorl' (16103) { { Kind { Filter }, Name { "ª É" }, CodeWin32X86 { " " } } };
resource 'TzAv' (16104) { { Kind { Filter }, Name { "xª" }, HasTerminology { 'clas', 'evnt', 2, "ª" } } };
// A name of 130 and of 159 bytes: its length byte is 0x82 and 0x9F.
resource 'Vorl' (16105) { { Kind { Filter }, Name { "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnn" } } };
resource 'Vorl' (16106) { { Kind { Filter }, Name { "nnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnnª" } } };
// Escapes that stand for such bytes, beside others every compiler reads alike.
resource 'Vorl' (16107) { { Kind { Filter }, Name { "\x85\205\t\x41" }, Category { "\n\x99\\" } } };
resource 'LStr' (16108, "Strings") { { "Demoª", "É" } };
