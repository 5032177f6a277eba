// A single less-than sign would be a comparison, which a value cannot hold.
#define kA 4
#define kLess kA < 2
resource 'Vorl' (kLess) { { } };
