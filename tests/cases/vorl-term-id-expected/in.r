/* The terminology id is a plain number. */
resource 'Vorl' (401) {
    {
        HasTerminology { 'clas', 'evnt',
                         kBlurID, "Blur" }
    }
};
