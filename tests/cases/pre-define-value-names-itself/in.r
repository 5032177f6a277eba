// The semicolon after the value stands for the last word: the macro itself.
#define kId 5;
resource 'Vorl' (kId) { { } };
