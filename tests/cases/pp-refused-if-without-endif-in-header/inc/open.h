// a header that forgets its #endif
#ifndef OPEN_H
#define OPEN_H
