#if 0
#elif 1 % (2 - 2)
#endif
