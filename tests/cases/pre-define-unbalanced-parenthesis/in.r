#define kId (1+2
resource 'Vorl' (kId) { { } };
