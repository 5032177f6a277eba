#include "loop.h"
