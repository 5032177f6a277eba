// # in a macro with parameters must name one of them.
#define NAME(text) #name
resource 'Vorl' (16000, "Sample") { { Kind { Filter } } };
