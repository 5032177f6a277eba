/* The expression ends at the comma; the value must then close. Both
   global-flags forms report under one parser name. */
resource 'Vorl' (303) {
    {
        ZR_Effect_Global_OutFlags_2 { 1, 2 }
    }
};
