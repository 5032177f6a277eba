/* The class id must be a full four-character literal. */
resource 'Vorl' (401) {
    {
        HasTerminology { 'cls', 'evnt', 1, "Blur" }
    }
};
