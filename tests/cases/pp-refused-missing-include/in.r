#include "no-such-header.h"
