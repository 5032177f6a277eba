#if 1
#else
#elif 1
#endif
