resource 'MENU' (1) {
À
× ÷ €  
