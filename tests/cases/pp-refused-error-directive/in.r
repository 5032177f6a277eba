resource 'Vorl' (1) { { Kind { Filter } } };
#ifndef kSDK
#error The SDK headers are needed /* here */
#endif
