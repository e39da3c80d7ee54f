#pragma once

// The program's own message texts (UTF-8), by string-table number; nullptr for
// a number the table does not hold.
const char* LoadResString(unsigned id);
