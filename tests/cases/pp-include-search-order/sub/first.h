#include "here.h"
#include "beside.h"
