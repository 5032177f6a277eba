resource 'Vorl' (1) { { Kind { Filter } } }
// The next statement begins where the semicolon belongs.
resource 'Vorl' (2) { { } };
