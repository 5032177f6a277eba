// Resource ids: signs, folding, plus and minus terms, 16-bit truncation, and
// headers whose names and attributes are skipped. Every body is empty.
resource 'Vorl' (-5) { { } };
data 'TzAv' (130 - 1, "folded by the lexer") { { } };
resource 'Vorl' (70000) { { } };
resource 'Vorl' (-40000) { { } };
resource 'Vorl' (5
	+ 2) { { } };
resource 'Vorl' (9
	- 2, "a minus term") { { } };
resource 'Vorl' (3, "attributes", (nested (deeper)), purgeable) { { } };
