// Each macro stands for the one before it twice: kBomb30 would be more than
// a thousand million words. The bound on one use of a macro ends it at once.
#define kBomb0 1
#define kBomb1 kBomb0 kBomb0
#define kBomb2 kBomb1 kBomb1
#define kBomb3 kBomb2 kBomb2
#define kBomb4 kBomb3 kBomb3
#define kBomb5 kBomb4 kBomb4
#define kBomb6 kBomb5 kBomb5
#define kBomb7 kBomb6 kBomb6
#define kBomb8 kBomb7 kBomb7
#define kBomb9 kBomb8 kBomb8
#define kBomb10 kBomb9 kBomb9
#define kBomb11 kBomb10 kBomb10
#define kBomb12 kBomb11 kBomb11
#define kBomb13 kBomb12 kBomb12
#define kBomb14 kBomb13 kBomb13
#define kBomb15 kBomb14 kBomb14
#define kBomb16 kBomb15 kBomb15
#define kBomb17 kBomb16 kBomb16
#define kBomb18 kBomb17 kBomb17
#define kBomb19 kBomb18 kBomb18
#define kBomb20 kBomb19 kBomb19
#define kBomb21 kBomb20 kBomb20
#define kBomb22 kBomb21 kBomb21
#define kBomb23 kBomb22 kBomb22
#define kBomb24 kBomb23 kBomb23
#define kBomb25 kBomb24 kBomb24
#define kBomb26 kBomb25 kBomb25
#define kBomb27 kBomb26 kBomb26
#define kBomb28 kBomb27 kBomb27
#define kBomb29 kBomb28 kBomb28
#define kBomb30 kBomb29 kBomb29
resource 'Vorl' (16000, "Sample") {
	{
		Kind { Filter },
		Version { kBomb30 }
	}
};
