// Included twice, read once: #pragma once, no guard.
#pragma once
#define kBase 16000
#define kBaseRedefined kBase
