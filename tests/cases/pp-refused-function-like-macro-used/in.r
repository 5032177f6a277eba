#define F(x) ((x)+1)
resource 'Vorl' (F(1)) { { } };
