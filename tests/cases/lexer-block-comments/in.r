resource 'MENU' (1) { /* a
**/ word /* /* 
 */ }
/* open
}
