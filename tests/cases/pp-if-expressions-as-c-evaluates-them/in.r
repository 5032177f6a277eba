// Each #if picks one FormatMaxChannels entry: 1 where C says true.
#define kVer 0x20000
#define kTwice (kVer * 2)
#define kLater kDefinedAfterwards + 1
#define kDefinedAfterwards 41
#define kEmpty
#define WINAPI __stdcall
#define F(x) ((x)+1)
#if 1
#endif
resource 'Vorl' (1) {
	{
		FormatMaxChannels { {
#if kVer > 0x10000
			1,
#else
			0,
#endif
#if 2 + 3 * 4 == 14 && (2 + 3) * 4 == 20
			1,
#else
			0,
#endif
#if 010 == 8 && 0x10 == 16 && 0b101 == 5 && 10u == 10 && 7l == 7 && 3UL == 3
			1,
#else
			0,
#endif
#if -1 < 0 && !(-1 < 0u) && 1 << 40 == 0x10000000000 && -8 >> 1 == -4
			1,
#else
			0,
#endif
#if 'A' == 65 && '\n' == 10 && '\x41' == 65 && '\101' == 65 && 'ab' == 0x6162
			1,
#else
			0,
#endif
#if 7 / 2 == 3 && -7 / 2 == -3 && -7 % 2 == -1 && (6 & 3) == 2 && (6 ^ 3) == 5 && (6 | 3) == 7
			1,
#else
			0,
#endif
#if ~0 == -1 && !0 == 1 && +3 == 3 && - - 3 == 3 && 1 ? 2 ? 1 : 0 : 0
			1,
#else
			0,
#endif
#if 0 && 1 / 0 || 1 || 1 / 0
			1,
#else
			0,
#endif
#if kTwice == 0x40000 && kLater == 42 && NotAMacro == 0 && defined(F) && defined WINAPI
			1,
#else
			0,
#endif
#if 1 < 2 == 1 && 3 >= 3 && 3 <= 2 == 0 && 2 != 2 == 0 && (0 ? 1 : 0u) - 1 > 0
			1
#else
			0
#endif
		} }
	}
};
