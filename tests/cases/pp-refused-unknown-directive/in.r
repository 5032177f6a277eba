// A directive that preprocessing mode does not know fails where it is
// read; #pragma, #ident and #line are passed over.
#pragma pack(2)
#ident "version 1"
#line 40 "other.r"
# 12 "marker.r"
#foo bar
resource 'Vorl' (16000) { { Kind { Filter } } };
