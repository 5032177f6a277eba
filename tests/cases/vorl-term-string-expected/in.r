/* The terminology's last item is its string. */
resource 'Vorl' (401) {
    {
        HasTerminology { 'clas', 'evnt', 1, 'Blur' }
    }
};
