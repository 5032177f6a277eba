#define kZero 0
#define kEight 8
#define kId kEight / kZero
resource 'Vorl' (kId) { { } };
