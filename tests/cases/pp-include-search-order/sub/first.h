#include "here.h"
#include "beside.h"
#include "only-in-b.h"
