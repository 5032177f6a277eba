// ## needs an operand on either side.
#define ENTRY(name) name ## Main ##
resource 'Vorl' (16000, "Sample") { { Kind { Filter } } };
