/* Shared ids: a progress line is printed only when the kind of statement changes. */
#define kFirst 1
#define kHeaderId 200
resource 'STR ' (1) { "skipped" };
#define kAfterResource 2
read 'data' "file.bin";
'TYPE' { 1 };
'TYPE' ;
include "ignored.r";
#pragma once
