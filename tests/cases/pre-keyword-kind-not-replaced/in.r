#define Kind 5
// Kind stays a keyword, so it is no resource id.
resource 'Vorl' (Kind) { { } };
