resource 'Vorl'
