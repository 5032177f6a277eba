// 32 and 128 separate the paths; 33 and 127 are part of the output name.
